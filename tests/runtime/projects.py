#!/usr/bin/env python3
"""Writes random projects for the runtime's tests.

usage: projects.py OUTDIR SEED COUNT
  Each project twice, once with keywords as words and once as tokens: OUTDIR/pN_w.but and
  pN_t.but. Texts keep clear of what the script cannot carry (a quote in a button name, free
  script text) so that both forms must give the same model.
usage: projects.py --texts OUTDIR SEED COUNT
  OUTDIR/texts.but, whose COUNT buttons hold random texts over backslashes, quotes, the
  letters of the escapes, line breaks and characters of every script (most of which
  Windows-1252 lacks) in every field the script quotes; texts_read.but,
  the same read from its input file; and OUTDIR/texts.json: those texts as they must read
  back (carriage returns dropped), in the order the script holds them ("page"), and the
  input file's name ("input").
usage: projects.py --captions OUT.but JSON
  OUT.but: a column of link buttons, one for each of JSON's texts, which is its name,
  caption (aligned left and right by turns), tool tip and status text, and its link's
  address (the text and ".html"); a
  script before them brings the runtime in."""
import json
import os
import random
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cli"))
import refgen  # noqa: E402

SCRIPTS = [b"", b"Output 1 'hello';", b"PropSet 'Menu' Show=False;\r\nStateSet 'Menu' 2;",
           b"Set counter=5; Add counter 2;", b"Timer 1 500; Set Timer1={Output 0 'tick'};",
           b"Audio Play 'http://x.example/a.au';", b"Animate 0;", b"Pause 10; Cursor 3;"]


def clean(v):
    return v.replace(b"'", b"`").replace(b'"', b"`")


ALPHABET = ["\\", "'", '"', "n", "x", "u", "{", "}", "\r", "\n", "a", "C", "2",
            # Text in any script: Windows-1252 letters, and characters it lacks, which the
            # project stores as UTF-8 and the script writes as escapes.
            "\u00e9", "\u20ac", "\u010d", "\u0416", "\u03a9", "\u65e5", "\u05d0", "\u0628",
            "\u0939", "\u0301", "\U0001f35e"]


def stored(text):
    """A text as the project file stores it: its Windows-1252 bytes where that holds it, else
    the UTF-8 mark and its UTF-8."""
    try:
        if not text.startswith("\u00ef\u00bb\u00bf"):
            return text.encode("cp1252")
    except UnicodeEncodeError:
        pass
    return b"\xef\xbb\xbf" + text.encode("utf-8")


def any_character(r):
    """A random character of any plane (no surrogate, which is no character)."""
    while True:
        cp = r.choice([r.randint(0x20, 0x2ff), r.randint(0x300, 0xffff), r.randint(0x10000, 0x10ffff)])
        if not 0xd800 <= cp <= 0xdfff:
            return chr(cp)


def texts(out, seed, count):
    r = random.Random(seed)

    written = {}

    def text(prefix):
        pieces = [r.choice(ALPHABET) if r.random() < 0.8 else any_character(r)
                  for _ in range(r.randint(1, 8))]
        t = stored(prefix.decode("ascii") + "".join(pieces))
        written[t] = prefix.decode("ascii") + "".join(pieces)
        return t

    p = refgen.Project()
    p.tokenize = 0
    p.reloadInterval = 0
    p.backgroundImage = text(b"b://")
    p.inputFile = text(b"i")
    order = [p.backgroundImage]
    for i in range(count):
        # Distinct beginnings, so that no text equals the one it would be compared with.
        b = refgen.Button(text(b"%d " % i))
        b.tip, b.url, b.target, b.status = text(b"T"), text(b"L"), text(b"G"), text(b"S")
        up, over, down = b.states
        up.text.text, up.text.font = text(b"U"), text(b"F")
        over.text.text, over.text.font = text(b"O"), text(b"f")
        over.image.file = text(b"h://")
        down.text.text, down.text.font = up.text.text, up.text.font
        down.audio.file = text(b"a://")
        for s in b.states:
            s.cursor = -1
        b.leaveScript = b"Cursor 0;" if i % 2 else b""
        p.buttons.append(b)
        # The order of the script: the name, the tool tip, the Default block (caption, font),
        # the Up block's link, the Over block (caption, font, image, status), the Down block's
        # sound, and the name of the leave script.
        order += [b.name, b.tip, up.text.text, up.text.font, b.url, b.target, over.text.text,
                  over.text.font, over.image.file, b.status, down.audio.file]
        if b.leaveScript:
            order.append(written[b.name] + ".Leave")
    # The script in the page, and in the input file that a second page reads.
    for name, read in (("texts.but", 0), ("texts_read.but", 1)):
        p.readFromFile = read
        with open(os.path.join(out, name), "wb") as f:
            f.write(refgen.project_file(p))
    read = lambda t: (t if isinstance(t, str) else written[t]).replace("\r", "")
    with open(os.path.join(out, "texts.json"), "w") as f:
        json.dump({"page": [read(t) for t in order], "input": read(p.inputFile)}, f)


def captions(out, words):
    p = refgen.Project()
    p.layout, p.buttonWidth, p.buttonHeight, p.spacing = 0, 240, 40, 4
    p.beforeScript = b"Set n=1;"
    for i, word in enumerate(words):
        b = refgen.Button(stored(word))
        for s in b.states:
            s.text.text, s.text.size, s.text.alignX = stored(word), 20, 0 if i % 2 == 0 else 2
        b.tip, b.status, b.url = stored(word), stored(word), stored(word + ".html")
        p.buttons.append(b)
    p.layout_buttons()
    with open(out, "wb") as f:
        f.write(refgen.project_file(p))


def main():
    if sys.argv[1] == "--captions":
        captions(sys.argv[2], json.loads(sys.argv[3]))
        return
    if sys.argv[1] == "--texts":
        texts(sys.argv[2], int(sys.argv[3]), int(sys.argv[4]))
        return
    out, seed, count = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    rnd = refgen.Rand(seed)
    for i in range(count):
        p = refgen.random_project(rnd)
        p.readFromFile = 0
        p.beforeScript = rnd.r.choice(SCRIPTS)
        p.afterScript = rnd.r.choice(SCRIPTS)
        p.backgroundImage = clean(p.backgroundImage)
        for b in p.buttons:
            b.name, b.status, b.url, b.target = (clean(b.name), clean(b.status), clean(b.url),
                                                 clean(b.target))
            b.tip = clean(b.tip)
            b.leaveScript = rnd.r.choice(SCRIPTS)
            for s in b.states:
                s.text.text, s.text.font = clean(s.text.text), clean(s.text.font)
                s.image.file, s.audio.file = clean(s.image.file), clean(s.audio.file)
                s.advanced.script = rnd.r.choice(SCRIPTS)
        for form, t in (("w", 0), ("t", 1)):
            p.tokenize = t
            with open(os.path.join(out, "p%d_%s.but" % (i, form)), "wb") as f:
                f.write(refgen.project_file(p))


main()
