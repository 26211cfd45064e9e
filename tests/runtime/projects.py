#!/usr/bin/env python3
"""Writes random projects twice, once with keywords as words and once as tokens, for the
runtime's tests: usage projects.py OUTDIR SEED COUNT. Writes OUTDIR/pN_w.but and pN_t.but.

Texts keep clear of what the script cannot carry (a backslash before a closing quote, a
quote in a button name, free script text) so that both forms must give the same model."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cli"))
import refgen  # noqa: E402

SCRIPTS = [b"", b"Output 1 'hello';", b"PropSet 'Menu' Show=False;\r\nStateSet 'Menu' 2;",
           b"Set counter=5; Add counter 2;", b"Timer 1 500; Set Timer1={Output 0 'tick'};",
           b"Audio Play 'http://x.example/a.au';", b"Animate 0;", b"Pause 10; Cursor 3;"]


def clean(v):
    return v.replace(b"\\", b"/").replace(b"'", b"`").replace(b'"', b"`")


def main():
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
