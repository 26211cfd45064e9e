#!/usr/bin/env python3
"""An independent model of the page generator, used to cross-check
`velkobutton export`.

It builds random projects as project-file bytes, computes the page, the
preview, the segment, the input file, the resource list and the saved project
that the program must produce for them, and compares byte for byte.

usage: refgen.py VELKOBUTTON [--seed N] [--count N] [--keep DIR]
"""
import argparse
import copy
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile

# ---------------------------------------------------------------- keywords

TABLE = [
    ("Internet", "1"), ("Timer", "2"), ("Call", "3"), ("Audio", "4"), ("Output", "5"),
    ("Cursor", "6"), ("Set", "7"), ("Script", "8"), ("Read", "9"), ("Pause", "10"),
    ("Add", "11"), ("Sub", "12"), ("Status", "0"), ("Console", "1"), ("Yes", "1"),
    ("No", "0"), ("True", "1"), ("False", "0"), ("Play", "0"), ("Loop", "1"), ("Stop", "2"),
    ("CrosshairCursor", "1"), ("DefaultCursor", "0"), ("E_ResizeCursor", "11"),
    ("HandCursor", "12"), ("MoveCursor", "13"), ("N_ResizeCursor", "8"),
    ("NE_ResizeCursor", "7"), ("NW_ResizeCursor", "6"), ("S_ResizeCursor", "9"),
    ("SE_ResizeCursor", "5"), ("SW_ResizeCursor", "4"), ("TextCursor", "2"),
    ("W_Resize", "10"), ("WaitCursor", "3"), ("VelkoScript", "0"), ("JavaScript", "1"),
    ("Button", "100"), ("PropSet", "101"), ("PropGet", "102"), ("Animate", "103"),
    ("StateSet", "104"), ("State", "0"), ("Name", "1"), ("Mode", "2"), ("X", "3"),
    ("Y", "4"), ("Width", "5"), ("Height", "6"), ("Show", "7"), ("Drag", "8"),
    ("Color", "9"), ("Style", "10"), ("Text", "11"), ("TextColor", "12"),
    ("TextSize", "13"), ("TextStyle", "14"), ("TextAlignX", "15"), ("TextAlignY", "16"),
    ("TextOffsetX", "17"), ("TextOffsetY", "18"), ("TextFont", "19"), ("Image", "20"),
    ("ImageStyle", "21"), ("ImageAlignX", "22"), ("ImageAlignY", "23"),
    ("ImageOffsetX", "24"), ("ImageOffsetY", "25"), ("BorderStyle", "26"),
    ("BorderSmooth", "27"), ("BorderTop", "28"), ("BorderMid", "29"), ("BorderBot", "30"),
    ("BorderThick", "31"), ("FrameThick", "32"), ("FrameColor", "33"), ("Event", "34"),
    ("Tip", "35"), ("Up", "200"), ("Over", "201"), ("Down", "202"), ("All", "203"),
    ("Top", "0"), ("Center", "1"), ("Bottom", "2"), ("Left", "0"), ("Right", "2"),
    ("Solid", "0"), ("Transparent", "1"), ("Normal", "0"), ("Tile", "1"), ("Scale", "2"),
    ("None", "0"), ("Flat", "1"), ("Bevel", "2"), ("Point", "3"), ("Raised", "4"),
    ("Push", "0"), ("Check", "1"), ("Radio", "2"),
]
assert len(TABLE) == 100


def tok(word, t):
    """word and result are bytes."""
    if t == 0:
        return word
    up = word.upper()  # ASCII only, as the table is
    for w, k in TABLE:
        if w.encode().upper() == up:
            return k.encode()
    return word


def T(word, t):
    return tok(word.encode(), t)


def wrap(v):
    return ((v + 2**31) % 2**32) - 2**31


def num(v):
    return str(v).encode()


# ---------------------------------------------------------- property forms

def escape(text, end=b"'", guard=True):
    """The text inside a quoted text that `end` follows: written first with
    every backslash as it is, then each backslash of the text that the output
    shows followed by n ' x or u (which the reader would take for an escape)
    becomes \\x5C. In a word (no guard) every backslash stays."""
    out = bytearray()
    marks = []
    for c in text:
        if c == 10:
            out += b"\\n"
        elif c == 13:
            pass
        elif c == 34:
            out += b"\\x22"
        elif c == 39:
            out += b"\\'"
        else:
            if c == 92:
                marks.append(len(out))
            out.append(c)
    if not guard:
        return bytes(out)
    out += end
    for m in reversed(marks):
        if out[m + 1:m + 2] in (b"n", b"'", b"x", b"u"):
            out[m:m + 1] = b"\\x5C"
    return bytes(out[:-len(end)])


def attribute(text):
    """The text of a double-quoted HTML attribute."""
    return (text.replace(b"&", b"&amp;").replace(b'"', b"&quot;").replace(b"<", b"&lt;")
            .replace(b">", b"&gt;"))


def finish(name, statement, value):
    sep = b" " if statement or (name[:1].isdigit()) else b"="
    return name + sep + value + b" " + (b";" if statement else b"")


def f_bool(name, v, d, st=0):
    return b"" if v == d else finish(name, st, b"True" if v != 0 else b"False")


def f_int(name, v, d, st=0):
    return b"" if wrap(v) == wrap(d) else finish(name, st, num(wrap(v)))


def f_str(name, v, d, st=0):
    return b"" if v == d else finish(name, st, escape(v, guard=False))


def f_quoted(name, v, d, st=0):
    return b"" if v == d else finish(name, st, b"'" + escape(v) + b"'")


def hexcolor(c):
    return b"0x%02X%02X%02X" % (c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF)


def f_color(name, v, d, st=0):
    return b"" if (v & 0xFFFFFFFF) == (d & 0xFFFFFFFF) else finish(name, st, hexcolor(v))


def replace_breaks(text):
    return bytes(32 if c in (13, 9, 10, 12) else c for c in text)


def is_address(path):
    # No drive root exists on POSIX; any prefix with a colon only matters
    # together with "://", which itself holds a colon.
    return b"://" in path


def file_name(path):
    p = path
    if len(p) >= 2 and p[1:2] == b":":
        p = p[2:]
    cut = max(p.rfind(b"/"), p.rfind(b"\\"))
    return p[cut + 1:]


def is_absolute(path):
    return path[:1] in (b"/", b"\\") or path[1:2] == b":"


# ------------------------------------------------------------------ model

class Text:
    FIELDS = ["alignX", "alignY", "offsetX", "offsetY", "text", "textColor", "font",
              "bold", "emboss", "engrave", "italic", "underline", "size"]

    def __init__(self, caption):
        self.alignX, self.alignY, self.offsetX, self.offsetY = 1, 1, 0, 0
        self.text = caption
        self.textColor = 0
        self.font = b"Arial"
        self.bold = self.emboss = self.engrave = self.italic = self.underline = 0
        self.size = 11

    def mask(self):
        m = self.engrave & 0xFFFFFFFF
        for f in (self.emboss, self.underline, self.italic, self.bold):
            m = ((m << 1) | (f & 0xFFFFFFFF)) & 0xFFFFFFFF
        return wrap(m)

    def diff(self, t, r):
        return (f_quoted(T("Text", t), self.text, r.text) +
                f_color(T("TextColor", t), self.textColor, r.textColor) +
                f_int(T("TextAlignX", t), self.alignX, r.alignX) +
                f_int(T("TextAlignY", t), self.alignY, r.alignY) +
                f_int(T("TextOffsetX", t), self.offsetX, r.offsetX) +
                f_int(T("TextOffsetY", t), self.offsetY, r.offsetY) +
                f_quoted(T("TextFont", t), self.font, r.font) +
                f_int(T("TextSize", t), self.size, r.size) +
                f_int(T("TextStyle", t), self.mask(), r.mask()))


def lighter(c):
    return sum(min(((c >> (8 * i)) & 0xFF) + 200, 255) << (8 * i) for i in range(3))


def darker(c):
    return sum(max(((c >> (8 * i)) & 0xFF) - 200, 0) << (8 * i) for i in range(3))


class Border:
    FIELDS = ["smooth", "style", "thick", "topColor", "midColor", "botColor", "automatic",
              "frameThick", "frameColor"]

    def __init__(self):
        self.smooth, self.style, self.thick = 1, 2, 3
        self.topColor, self.midColor, self.botColor = 0xFFFFFF, 0xC0C0C0, 0
        self.automatic, self.frameThick, self.frameColor = 1, 0, 0

    def diff(self, t, r, state):
        out = b""
        if self.style != r.style and 0 <= self.style <= 4:
            word = ["None", "Flat", "Bevel", "Point", "Raised"][self.style]
            out += f_str(T("BorderStyle", t), T(word, t), b"")
        out += f_bool(T("BorderSmooth", t), self.smooth, r.smooth)
        if self.style == 0:
            out += f_int(T("BorderThick", t), 0, -1)
        else:
            out += f_int(T("BorderThick", t), self.thick, r.thick)
        if self.automatic != 0:
            c = state.color
            if state.name == b"Down":
                top, mid, bot = darker(c), c, lighter(c)
            else:
                top, mid, bot = lighter(c), c, darker(c)
        else:
            top, mid, bot = self.topColor, self.midColor, self.botColor
        out += f_color(T("BorderTop", t), top, r.topColor)
        out += f_color(T("BorderMid", t), mid, r.midColor)
        out += f_color(T("BorderBot", t), bot, r.botColor)
        out += f_int(T("FrameThick", t), self.frameThick, r.frameThick)
        out += f_color(T("FrameColor", t), self.frameColor, r.frameColor)
        return out


class Audio:
    FIELDS = ["file", "mode"]

    def __init__(self):
        self.file, self.mode = b"", 0

    def diff(self, t, gen):
        if not self.file:
            return b""
        verb = {1: "Loop", 2: "Stop"}.get(self.mode, "Play")
        head = T("Audio", t) + b" " + T(verb, t) + b" "
        if is_address(self.file):
            return head + b"'" + escape(self.file) + b"'; "
        return head + num(gen.register(gen.audio, self.file)) + b"; "


class Image:
    FIELDS = ["file", "offsetY", "offsetX", "alignX", "alignY", "style"]

    def __init__(self):
        self.file = b""
        self.offsetY = self.offsetX = 0
        self.alignX = self.alignY = 1
        self.style = 0
        self.index = -1

    def diff(self, t, r, state, gen):
        out = b""
        self.index = -1
        if self.file:
            if is_address(self.file):
                out += f_quoted(T("Image", t), self.file, b"")
            else:
                self.index = gen.register(gen.images, self.file)
                out += f_int(T("Image", t), self.index, -1)
        if state.name != b"Default" and not self.file:
            return out
        if self.style == 1:
            out += f_str(T("ImageStyle", t), T("Tile", t), b"")
        elif self.style == 2:
            out += f_str(T("ImageStyle", t), T("Scale", t), b"")
        elif self.style == 0:
            if r.style != 0:
                out += f_str(T("ImageStyle", t), T("Normal", t), b"")
            out += f_int(T("ImageOffsetX", t), self.offsetX, r.offsetX)
            out += f_int(T("ImageOffsetY", t), self.offsetY, r.offsetY)
            out += f_int(T("ImageAlignX", t), self.alignX, r.alignX)
            out += f_int(T("ImageAlignY", t), self.alignY, r.alignY)
        return out


class Advanced:
    FIELDS = ["script"]

    def __init__(self):
        self.script = b""


class State:
    FIELDS = ["name", "transparent", "color", "cursor", "offsetX", "offsetY", "animate"]

    def __init__(self, name, caption):
        self.name = name
        self.transparent, self.color = 0, 0xC0C0C0
        self.cursor = 12 if name == b"Over" else 0
        self.offsetX = self.offsetY = self.animate = 0
        self.text, self.border, self.audio = Text(caption), Border(), Audio()
        self.image, self.advanced = Image(), Advanced()

    def diff(self, extra, t, r, button, gen):
        props, events = b"", extra
        if self.transparent != r.transparent:
            props += f_str(T("Style", t), T("Solid" if self.transparent == 0 else "Transparent", t), b"")
        props += f_color(T("Color", t), self.color, r.color)
        props += f_int(T("X", t), wrap(button.x + self.offsetX), button.x)
        props += f_int(T("Y", t), wrap(button.y + self.offsetY), button.y)
        props += self.text.diff(t, r.text)
        props += self.border.diff(t, r.border, self)
        events += self.audio.diff(t, gen)
        props += self.image.diff(t, r.image, self, gen)
        if self.animate != 0 and self.image.index != -1:
            events += T("Animate", t) + b" " + num(self.image.index) + b"; "
        events += replace_breaks(self.advanced.script)
        events += f_int(T("Cursor", t), self.cursor, -1, 1)
        if self.name == b"Default":
            return props
        if events:
            props += T("Event", t) + b" {" + events + b"} "
        if props:
            props = tok(self.name, t) + b" " + props
        return props


class Button:
    FIELDS = ["name", "drag", "initiallyDown", "show", "mode", "tip", "status", "url", "target",
              "height", "width", "x", "y", "leaveScript"]

    def __init__(self, name):
        self.name = name
        self.drag = self.initiallyDown = 0
        self.show, self.mode = 1, 0
        self.tip = self.status = self.url = self.target = b""
        self.height, self.width, self.x, self.y = 40, 100, 0, 0
        self.leaveScript = b""
        self.states = [State(n, name) for n in (b"Up", b"Over", b"Down")]

    def script(self, t, gen):
        s = T("Button", t) + b" '" + escape(self.name) + b"' "
        s += f_int(T("X", t), self.x, 0) + f_int(T("Y", t), self.y, 0)
        s += f_int(T("Width", t), self.width, 100) + f_int(T("Height", t), self.height, 40)
        s += f_bool(T("Show", t), self.show, 1) + f_bool(T("Drag", t), self.drag, 0)
        if self.initiallyDown != 0:
            s += f_int(T("State", t), 2, -1)
        if self.mode == 1:
            s += f_str(T("Mode", t), T("Check", t), b"")
        elif self.mode == 2:
            s += f_str(T("Mode", t), T("Radio", t), b"")
        s += f_quoted(T("Tip", t), self.tip, b"")
        ev = [b"", b"", b""]
        if self.status:
            ev[1] += T("Output", t) + b" 0 '" + escape(self.status) + b"'; "
        if self.url:
            if self.target:
                cmd = (T("Internet", t) + b" '" + escape(self.url) + b"' '" + escape(self.target) +
                       b"'; ")
            else:
                cmd = T("Internet", t) + b" '" + escape(self.url) + b"' _self; "
            ev[0 if self.mode == 0 else 2] += cmd
        up, over, down = self.states
        saved_name, saved_file = up.name, up.image.file
        up.name, up.image.file = b"Default", b""
        ref = State(b"Default", self.name)
        s += up.diff(ev[0], t, ref, self, gen)
        up.image.file = saved_file
        up.name = b"Up"
        s += up.diff(ev[0], t, up, self, gen)
        up.name = saved_name
        s += over.diff(ev[1], t, up, self, gen)
        s += down.diff(ev[2], t, up, self, gen)
        s += b";"
        if self.leaveScript:
            s += (T("Set", t) + b" '" + escape(self.name, b".") + b".Leave'={" +
                  replace_breaks(self.leaveScript) + b"}; ")
        return s


class Project:
    FIELDS = ["identifier", "buttonHeight", "spacing", "buttonWidth", "projectHeight", "layout",
              "projectWidth", "imageStyle", "backgroundImage", "backgroundColor", "inputFile",
              "readFromFile", "refreshRate", "tokenize", "reloadInterval", "codeBase",
              "beforeScript", "afterScript"]

    def __init__(self):
        self.identifier = b"VelkoButton"
        self.buttonHeight, self.spacing, self.buttonWidth = 40, 0, 100
        self.projectHeight, self.layout, self.projectWidth = 200, 0, 100
        self.imageStyle, self.backgroundImage, self.backgroundColor = 0, b"", 0x808080
        self.inputFile, self.readFromFile, self.refreshRate = b"button.txt", 0, 0
        self.tokenize, self.reloadInterval = 1, 300
        self.codeBase = self.beforeScript = self.afterScript = b""
        self.htmlPath = b""
        self.buttons = []

    def layout_buttons(self):
        sp = self.spacing
        if self.layout == 0:
            y = sp
            for b in self.buttons:
                b.x, b.y, b.width, b.height = sp, y, self.buttonWidth, self.buttonHeight
                y = wrap(y + self.buttonHeight + sp)
            self.projectWidth = wrap(self.buttonWidth + 2 * sp)
            self.projectHeight = y
        elif self.layout == 1:
            x = sp
            for b in self.buttons:
                b.x, b.y, b.width, b.height = x, sp, self.buttonWidth, self.buttonHeight
                x = wrap(x + self.buttonWidth + sp)
            self.projectHeight = wrap(self.buttonHeight + 2 * sp)
            self.projectWidth = x

    def script(self, t, gen):
        s = b""
        if self.refreshRate > 0:
            s += T("Set", t) + b" refresh=" + num(wrap(self.refreshRate * 1000)) + b"; "
        if self.beforeScript:
            s += replace_breaks(self.beforeScript)
        s += T("Button", t) + b" Background "
        s += f_int(T("Width", t), self.projectWidth, -1)
        s += f_int(T("Height", t), self.projectHeight, -1)
        s += f_color(T("Color", t), self.backgroundColor, 0xFFFFFFFF)
        s += f_str(T("BorderStyle", t), T("None", t), b"")
        s += f_int(T("Drag", t), 2, -1)
        s += T("Event", t) + b" {" + T("Cursor", t) + b" 0;} "
        if self.imageStyle == 1:
            s += f_str(T("ImageStyle", t), T("Tile", t), b"")
        elif self.imageStyle == 2:
            s += f_str(T("ImageStyle", t), T("Scale", t), b"")
        if self.backgroundImage:
            if is_address(self.backgroundImage):
                s += f_quoted(T("Image", t), self.backgroundImage, b"")
            else:
                s += f_int(T("Image", t), gen.register(gen.images, self.backgroundImage), -1)
        return s + b";"


# ------------------------------------------------------------- project file

def w_int(v):
    return struct.pack("<i", wrap(v))


def w_color(v):
    return struct.pack("<I", v & 0xFFFFFFFF)


def w_str(s):
    n = len(s)
    if n < 255:
        head = bytes([n])
    elif n < 65534:
        head = b"\xff" + struct.pack("<H", n)
    else:
        head = b"\xff\xff\xff" + struct.pack("<I", n)
    return head + s


COLORS = {"backgroundColor", "color", "textColor", "topColor", "midColor", "botColor",
          "frameColor"}


def w_fields(obj):
    out = b""
    for f in obj.FIELDS:
        v = getattr(obj, f)
        if isinstance(v, bytes):
            out += w_str(v)
        elif f in COLORS:
            out += w_color(v)
        else:
            out += w_int(v)
    return out


def project_file(p, version=b"1.00", build=b"38"):
    out = w_str(version) + w_str(build) + w_str(p.htmlPath) + w_fields(p)
    out += w_int(len(p.buttons))
    for b in p.buttons:
        out += w_fields(b)
        for s in b.states:
            out += w_fields(s)
            for g in (s.text, s.border, s.audio, s.image, s.advanced):
                out += w_fields(g)
    return out


# --------------------------------------------------------------- generation

DAYS = ["Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"]
MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August",
          "September", "October", "November", "December"]
MERIDIEM = ["AM", "PM"]
NONJAVA = b"Your browser is not Java capable or Java has been disabled."
NOTICE = b"Copyright (C) 2026 Velko. All rights reserved."
EOL = b"\r\n"


class Settings:
    def __init__(self):
        self.days = [d.encode() for d in DAYS]
        self.months = [m.encode() for m in MONTHS]
        self.meridiem = [m.encode() for m in MERIDIEM]
        self.nonjava = NONJAVA


class Gen:
    def __init__(self, project, settings):
        self.p, self.s = project, settings
        self.images, self.audio = [], []

    @staticmethod
    def register(lst, f):
        if f in lst:
            return lst.index(f)
        lst.append(f)
        return len(lst) - 1

    def string_param(self, form, name, value):
        if value == b"":
            return b""
        if form == 0:
            return b"<PARAM NAME=" + name + b' VALUE="' + attribute(value) + b'">' + EOL
        return name + b"=" + value + EOL

    def params(self, form, prefix):
        p, t = self.p, self.p.tokenize
        self.images, self.audio = [], []
        script = prefix + p.script(t, self)
        for b in p.buttons:
            script += b.script(t, self)
        if p.afterScript:
            script += replace_breaks(p.afterScript)
        out = b""
        k = 0
        while k * 198 < len(script):
            out += self.string_param(form, b"Script%d" % k, b"+" + script[k * 198:k * 198 + 198] + b"+")
            k += 1
        reduce = lambda e: e if (not e or is_address(e)) else file_name(e)
        if self.images:
            out += self.string_param(form, b"Images0", b"|".join(reduce(e) for e in self.images))
        if self.audio:
            out += self.string_param(form, b"Audio0", b"|".join(reduce(e) for e in self.audio))
        return out if form == 0 else out.replace(b"\\", b"\\\\")

    def html(self, mode):
        p, s, t = self.p, self.s, self.p.tokenize
        p.layout_buttons()
        h = b""
        if mode != 2:
            h += b"<HTML>" + EOL
            if mode == 1:
                h += b"<TITLE>VelkoButton Preview</TITLE>" + EOL
            h += (b'<BODY TEXT="#FFFFFF" BGCOLOR="#000000" LINK="#C0C0C0" VLINK="#666666" '
                  b'ALINK="#999999">' + EOL)
        if mode == 1:
            h += EOL + EOL + b"<CENTER>"
        h += b"<!-- This applet was created by VelkoButton Version 1.00 " + NOTICE + b" -->" + EOL
        wh = b"WIDTH=" + num(p.projectWidth) + b" HEIGHT=" + num(p.projectHeight) + b" MAYSCRIPT>"
        if p.codeBase and mode != 1:
            h += (b"<APPLET CODE=VelkoButton CODEBASE=\"" + attribute(p.codeBase) +
                  b"\" ARCHIVE=VelkoButton.jar " + wh + EOL)
        else:
            h += b"<APPLET CODE=VelkoButton.class ARCHIVE=VelkoButton.jar " + wh + EOL
        h += self.string_param(0, b"cabbase", b"VelkoButton.cab")
        h += self.string_param(0, b"name", p.identifier)
        h += self.string_param(0, b"Copyright", NOTICE)
        st = T("Set", t)
        config = b""
        for i in range(7):
            if s.days[i] != DAYS[i].encode():
                config += st + b" Day%d='" % i + escape(s.days[i]) + b"'; "
        for i in range(12):
            if s.months[i] != MONTHS[i].encode():
                config += st + b" Month%d='" % i + escape(s.months[i]) + b"'; "
        for i in range(2):
            if s.meridiem[i] != MERIDIEM[i].encode():
                config += st + b" " + MERIDIEM[i].encode() + b"='" + escape(s.meridiem[i]) + b"'; "
        if p.readFromFile == 0:
            h += self.params(0, config)
        else:
            rd = T("Read", t)
            config += rd + b" '" + escape(p.inputFile) + b"' true; "
            if p.reloadInterval >= 1:
                tm, ms = T("Timer", t), num(wrap(p.reloadInterval * 1000))
                config += (tm + b" 0 " + ms + b"; " + st + b" Timer0={" + rd + b" '" +
                           escape(p.inputFile) + b"' true; " + tm + b" 0 " + ms + b"}; ")
            h += self.string_param(0, b"Script0", config)
        if s.nonjava:
            h += b"<BLOCKQUOTE>" + EOL + b"<HR>" + EOL + s.nonjava + EOL + b"<HR>" + EOL + b"</BLOCKQUOTE>" + EOL
        h += b"</APPLET>" + EOL
        if mode == 1:
            h += b"</CENTER>" + EOL
        if mode != 2:
            h += b"</BODY>" + EOL + b"</HTML>" + EOL
        return h

    def resources(self, program_dir, project_dir):
        self.html(0)
        out = [program_dir + n for n in (b"VelkoButton.class", b"VelkoButton.jar",
                                         b"VelkoButton.cab", b"VelkoJfc2.class")]
        for e in self.images + self.audio:
            if is_address(e):
                continue
            out.append(e if is_absolute(e) else os.path.normpath(os.path.join(project_dir, e)))
        return b"".join(x + b"\n" for x in out)


# ---------------------------------------------------------- random projects

PIECES = [b"a", b"Go", b"Set x=1;", b" ", b"  ", b"'", b'"', b"\\", b"\\n", b"\r\n", b"\n",
          b"\r", b"\t", b"\x0c", b"&#38;", b"&amp;", b"&#", b"&", b"#9", b"\xe9", b"\x80",
          b"\xff", b"://", b"C:\\dir\\", b"Button", b"set", b"Up", b"7", b"{", b"}", b";",
          b"<b>", b"${date.%H:%M}", b"x" * 40]
IMAGES = [b"a.gif", b"A.gif", b"art/a.gif", b"art\\b.gif", b"C:\\art\\c.gif", b"c:\\low\\d.gif",
          b"D:e.jpg", b"http://www.example.com/f.gif", b"ftp://x.example/it's.gif",
          b"/abs/dir/g.gif", b"./h.gif", b"sub/../i.gif", b"../up/j.gif", b"k l.gif"]
SOUNDS = [b"s.au", b"S.au", b"snd/t.au", b"C:\\snd\\u.au", b"http://x.example/v.au",
          b"/abs/w.au", b"../x.au"]


class Rand:
    def __init__(self, seed):
        self.r = random.Random(seed)

    def chance(self, p):
        return self.r.random() < p

    def text(self, maxpieces=6):
        return b"".join(self.r.choice(PIECES) for _ in range(self.r.randint(0, maxpieces)))

    def int(self, common, wide=0.05):
        if self.chance(wide):
            return self.r.choice([-1, 2**31 - 1, -2**31, 65536, 1000000])
        return self.r.choice(common)

    def color(self):
        if self.chance(0.1):
            return self.r.getrandbits(32)
        return self.r.choice([0xC0C0C0, 0xFFFFFF, 0, 0x808080, 0x0000FF, 0x102030,
                              self.r.getrandbits(24)])


def random_project(rnd):
    r = rnd.r
    p = Project()
    p.tokenize = r.choice([0, 1, 1, 2])
    p.layout = r.choice([0, 0, 1, 2, 5])
    p.spacing = rnd.int([0, 0, 5, 10, -3])
    p.buttonWidth = rnd.int([100, 80, 120, 0])
    p.buttonHeight = rnd.int([40, 25, 60])
    p.projectWidth = rnd.int([100, 300, -1])
    p.projectHeight = rnd.int([200, 50])
    p.identifier = r.choice([b"VelkoButton", b"", b"menu1", rnd.text(2)])
    p.imageStyle = r.choice([0, 1, 2, 3])
    p.backgroundImage = r.choice([b""] * 3 + IMAGES)
    p.backgroundColor = rnd.color()
    p.inputFile = r.choice([b"button.txt", b"data/in.txt", rnd.text(2)])
    p.readFromFile = r.choice([0] * 5 + [1, 7])
    p.refreshRate = rnd.int([0, 0, 5, -2])
    p.reloadInterval = rnd.int([300, 0, 1, -5, 60])
    p.codeBase = r.choice([b"", b"", b"classes", b"../java/" + rnd.text(1)])
    p.beforeScript = r.choice([b"", rnd.text(8)])
    p.afterScript = r.choice([b"", rnd.text(8)])
    p.htmlPath = r.choice([b"", b"C:\\web\\page.html"])
    count = r.choice([0, 1, 1, 2, 3, 5, 8, 12, 30])
    names = set()
    for i in range(count):
        name = r.choice([b"Button %d" % (i + 1), b"Menu", rnd.text(3), b"O'Neil", b"Item \xe9"])
        b = Button(name)
        if name.lower() in names:
            b.name = name + b" %d" % i
        names.add(b.name.lower())
        if rnd.chance(0.2):
            b.name = b"Renamed %d" % i  # the captions keep the first name
        b.drag = r.choice([0, 0, 1, 3])
        b.initiallyDown = r.choice([0, 0, 1])
        b.show = r.choice([1, 1, 0, -1])
        b.mode = r.choice([0, 0, 1, 2, 4])
        b.tip = r.choice([b"", rnd.text(3)])
        b.status = r.choice([b"", rnd.text(3)])
        b.url = r.choice([b"", b"", b"http://www.example.com/?a=1&b=2", rnd.text(2)])
        b.target = r.choice([b"", b"_blank", b"_top", rnd.text(1)])
        b.height, b.width = rnd.int([40, 30]), rnd.int([100, 90])
        b.x, b.y = rnd.int([0, 10, -5]), rnd.int([0, 20])
        b.leaveScript = r.choice([b"", b"", rnd.text(5)])
        for s in b.states:
            if rnd.chance(0.05):
                s.name = r.choice([b"Up", b"Over", b"Down", b"Default", b"Pressed", b"over"])
            s.transparent = r.choice([0, 0, 1, 2])
            s.color = rnd.color()
            s.cursor = rnd.int(list(range(-1, 14)), 0.02)
            s.offsetX, s.offsetY = rnd.int([0, 0, 0, 2, -1]), rnd.int([0, 0, 0, 3])
            s.animate = r.choice([0, 0, 1])
            tx = s.text
            if rnd.chance(0.3):
                tx.text = rnd.text(4)
            tx.alignX, tx.alignY = rnd.int([1, 1, 0, 2]), rnd.int([1, 1, 0, 2])
            tx.offsetX, tx.offsetY = rnd.int([0, 0, 4]), rnd.int([0, 0, -2])
            tx.textColor = rnd.color()
            tx.font = r.choice([b"Arial", b"Arial", b"Courier", b"TimesRoman", b"arial", b""])
            for f in ("bold", "emboss", "engrave", "italic", "underline"):
                setattr(tx, f, r.choice([0, 0, 0, 1, 1, 2]))
            tx.size = rnd.int([11, 11, 12, 0, 300])
            bd = s.border
            bd.smooth = r.choice([1, 1, 0])
            bd.style = rnd.int([2, 2, 0, 1, 3, 4, 5, -1], 0)
            bd.thick = rnd.int([3, 3, 1, 0])
            bd.automatic = r.choice([1, 1, 0])
            bd.topColor, bd.midColor, bd.botColor = rnd.color(), rnd.color(), rnd.color()
            if rnd.chance(0.5):
                bd.topColor, bd.midColor, bd.botColor = 0xFFFFFF, 0xC0C0C0, 0
            bd.frameThick = rnd.int([0, 0, 1, 2])
            bd.frameColor = rnd.color() if rnd.chance(0.3) else 0
            s.audio.file = r.choice([b""] * 3 + SOUNDS)
            s.audio.mode = r.choice([0, 1, 2, 3])
            im = s.image
            im.file = r.choice([b""] * 3 + IMAGES)
            im.style = r.choice([0, 0, 1, 2, 3])
            im.alignX, im.alignY = rnd.int([1, 1, 0, 2]), rnd.int([1, 1, 0, 2])
            im.offsetX, im.offsetY = rnd.int([0, 0, 5]), rnd.int([0, 0, -5])
            s.advanced.script = r.choice([b"", b"", rnd.text(6)])
        p.buttons.append(b)
    return p


SAFE_NAME = ["Lundi", "Dimanche", "Mi\u00e9rcoles", "Sonntag", "M\u00e4rz", "D\u00e9c", "ma\u00f1ana",
             "am", "pm", "x", "St Paul's", "\u00c6on", "Z\u00fcrich 2"]


def random_settings(rnd):
    s = Settings()
    conf = ["[Options]"]
    if rnd.chance(0.6):
        return s, None
    r = rnd.r
    for i in range(7):
        if rnd.chance(0.4):
            v = r.choice(SAFE_NAME)
            s.days[i] = v.encode("cp1252")
            conf.append('Day%d="%s"' % (i + 1, v))
    for i in range(12):
        if rnd.chance(0.3):
            v = r.choice(SAFE_NAME)
            s.months[i] = v.encode("cp1252")
            conf.append('Month%d="%s"' % (i + 1, v))
    for i in range(2):
        if rnd.chance(0.3):
            v = r.choice(SAFE_NAME)
            s.meridiem[i] = v.encode("cp1252")
            conf.append('Meridiem%d="%s"' % (i + 1, v))
    if rnd.chance(0.5):
        v = r.choice(["", "Java est d\u00e9sactiv\u00e9.", "<b>No Java</b> &#38;"])
        s.nonjava = v.encode("cp1252")
        conf.append('NonJavaMessage="%s"' % v)
    return s, "\n".join(conf) + "\n"


# -------------------------------------------------------------------- main

def run(vb, args, env):
    res = subprocess.run([vb, "export", "--no-runtime"] + args, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                         env=env)
    return res.returncode, res.stdout, res.stderr


def first_difference(a, b):
    n = min(len(a), len(b))
    i = next((i for i in range(n) if a[i] != b[i]), n)
    return i, a[max(0, i - 60):i + 60], b[max(0, i - 60):i + 60]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("velkobutton")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--count", type=int, default=200)
    ap.add_argument("--keep", help="folder to keep failing projects in")
    ap.add_argument("--formats", default="preview,segment,input,resources,project",
                    help="the formats checked besides the page, one a project in turn")
    a = ap.parse_args()

    work = tempfile.mkdtemp(prefix="vb-cross-")
    try:
        env = dict(os.environ)
        for v in ("DISPLAY", "WAYLAND_DISPLAY"):
            env.pop(v, None)
        env["HOME"] = os.path.join(work, "home")
        os.makedirs(env["HOME"])
        # The program folder, as the resource list of a new project names it.
        env["XDG_CONFIG_HOME"] = os.path.join(work, "none")
        code, out, err = run(a.velkobutton, ["--format", "resources"], env)
        if code != 0:
            print("cannot list the resources of a new project:", err.decode(errors="replace"))
            return 1
        program_dir = out.split(b"\n")[0][:-len(b"VelkoButton.class")]

        formats = a.formats.split(",")
        failures = 0
        rnd = Rand(a.seed)
        for n in range(a.count):
            p = random_project(rnd)
            settings, conf = random_settings(rnd)
            pdir = os.path.join(work, "p%d" % n)
            os.makedirs(pdir)
            path = os.path.join(pdir, "project.but")
            with open(path, "wb") as f:
                f.write(project_file(p, version=rnd.r.choice([b"1.00", b"0.99"]),
                                     build=rnd.r.choice([b"38", b"12"])))
            cfg = os.path.join(pdir, "config")
            if conf is not None:
                os.makedirs(os.path.join(cfg, "Velko"))
                with open(os.path.join(cfg, "Velko", "VelkoButton.conf"), "w",
                          encoding="utf-8") as f:
                    f.write(conf)
            env["XDG_CONFIG_HOME"] = cfg
            loaded = p
            for fmt in ["page", formats[n % len(formats)]]:
                # Each run starts from the project as the file holds it;
                # loading lays the buttons out when there are any.
                p = copy.deepcopy(loaded)
                if p.buttons:
                    p.layout_buttons()
                gen = Gen(p, settings)
                if fmt == "page":
                    want = gen.html(0)
                elif fmt == "preview":
                    want = gen.html(1)
                elif fmt == "segment":
                    want = gen.html(2)
                elif fmt == "input":
                    want = gen.params(1, b"")
                elif fmt == "resources":
                    want = gen.resources(program_dir, os.fsencode(pdir))
                else:
                    want = project_file(p)
                code, got, err = run(a.velkobutton, ["--format", fmt, path], env)
                if code != 0 or got != want:
                    failures += 1
                    i, w, g = first_difference(want, got)
                    print("project %d, format %s: status %d, first difference at byte %d\n"
                          "  expected %r\n  got      %r\n  %s" %
                          (n, fmt, code, i, w, g, err.decode(errors="replace").strip()))
                    if a.keep:
                        os.makedirs(a.keep, exist_ok=True)
                        shutil.copy(path, os.path.join(a.keep, "p%d.but" % n))
        print("cross-check: %d projects, %d differences" % (a.count, failures))
        return 1 if failures else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
