#!/usr/bin/env python3
"""The editor's translations: checks them, or brings them up to date.

    translations.py LUPDATE SOURCE_DIR            checks
    translations.py LUPDATE SOURCE_DIR --update   rewrites translations/*.ts

The check fails when
  - lupdate over the sources finds an entry the committed .ts files lack, or
    they hold one the sources no longer have (the .ts are not up to date);
  - a .ts holds an unfinished, vanished or obsolete entry;
  - a translation loses a placeholder (%1..%4, %n), an accelerator (&), the
    help keyword of a string-table entry or the patterns of a file filter;
  - a user-visible literal in the editor's sources is not marked for
    translation (a literal handed to setText, setToolTip, QLabel, QAction and
    the like without tr()), unless ALLOWED names it.
"""
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

LANGUAGES = ("cs", "de")
# Where lupdate looks: the engine's marked texts and the editor's sources.
SOURCE_DIRS = ("core", "groups", "output", "audio", "ui", "app")
LUPDATE_OPTIONS = ["-I", ".", "-locations", "none", "-extensions", "cpp,h",
                   "-tr-function-alias", "QT_TRANSLATE_NOOP+=VB_TR_NOOP", "-silent"]

# The editor's sources whose literals the scan reads.
UI_FILES = re.compile(r"^(ui/[^/]+\.cpp|groups/[^/]+/(View|Tab|PageParts|[^/]*Dialog)[^/]*\.cpp|"
                      r"output/[^/]*Dialog[^/]*\.cpp|audio/View[^/]*\.cpp|app/Editor[^/]*\.cpp)$")
# Calls whose text arguments the user reads.
SHOWN = re.compile(r"\b(setText|setWindowTitle|addAction|addMenu|setToolTip|setStatusTip|"
                   r"setWhatsThis|setPlaceholderText|setTitle|addTab|setTabText|addItem|"
                   r"addItems|setItemText|showMessage|setLabelText|setHeaderLabels|"
                   r"setHorizontalHeaderLabels|setTextValue|setNotice|QLabel|QPushButton|"
                   r"QToolButton|QAction|QCheckBox|QRadioButton|QGroupBox|QMenu|"
                   r"QMessageBox::(information|warning|critical|question))\s*\(")
# Literals the user reads that are not words of any language.
ALLOWED = {
    "ui/QtPlatform.cpp": {"VelkoButton"},   # the program's name, the boxes' title
    "ui/OptionsSheet.cpp": {"..."},          # the browse button
}
# Marked texts, and the names of icons and resources, which nobody reads.
# Contexts of plain texts, where "&" is no accelerator.
PLAIN_CONTEXTS = ("StringTable", "msg", "EditSteps", "FileDialog")
MARKED = re.compile(r"\b(tr|translate|QT_TRANSLATE_NOOP|QT_TR_NOOP|VB_TR_NOOP|fromTheme|QIcon)\s*\(")
LITERAL = re.compile(r'"(?:[^"\\\n]|\\.)*"')


def run_lupdate(lupdate, source, ts_files, obsolete):
    options = LUPDATE_OPTIONS + ([] if obsolete else ["-no-obsolete"])
    subprocess.run([lupdate] + options + list(SOURCE_DIRS) + ["-ts"] + ts_files,
                   cwd=source, check=True, stdout=subprocess.DEVNULL)


def messages(ts_file):
    """(context, source, comment) -> (translation element, message element)."""
    out = {}
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for m in context.iter("message"):
            key = (name, m.findtext("source"), m.findtext("comment") or "")
            out[key] = (m.find("translation"), m)
    return out


def texts_of(translation, message):
    forms = translation.findall("numerusform")
    if message.get("numerus") == "yes" or forms:
        return [f.text or "" for f in forms]
    return [translation.text or ""]


def placeholders(text):
    return sorted(set(re.findall(r"%[1-9n]", text)))


def accelerators(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def check_entry(language, key, translation, message):
    context, source, _ = key
    problems = []
    kind = translation.get("type")
    if kind in ("unfinished", "vanished", "obsolete"):
        return ["%s: %s entry %r in %s" % (language, kind, source, context)]
    for text in texts_of(translation, message):
        if not text:
            problems.append("%s: empty translation of %r" % (language, source))
            continue
        if placeholders(text) != placeholders(source):
            problems.append("%s: %r keeps not the placeholders of %r" % (language, text, source))
        if context not in PLAIN_CONTEXTS and accelerators(source) and \
                accelerators(text) != accelerators(source):
            problems.append("%s: %r has not one accelerator as %r" % (language, text, source))
        if context == "StringTable" and "\n" in source and \
                source.split("\n")[2:] != text.split("\n")[2:]:
            problems.append("%s: %r keeps not the help topic of %r" % (language, text, source))
        if context == "FileDialog" and source.split("|")[1::2] != text.split("|")[1::2]:
            problems.append("%s: %r keeps not the patterns of %r" % (language, text, source))
    return problems


def strip_marked(args):
    """`args` without the arguments of tr() and the other marking calls."""
    out, i = "", 0
    while True:
        m = MARKED.search(args, i)
        if not m:
            return out + args[i:]
        out += args[i:m.start()]
        i = closing(args, m.end() - 1) + 1


def closing(text, open_at):
    """The index of the parenthesis closing the one at `open_at`."""
    depth, i = 0, open_at
    while i < len(text):
        c = text[i]
        if c == '"':
            m = LITERAL.match(text, i)
            i = m.end() if m else i + 1
            continue
        if c == "'":
            i = text.index("'", i + 2 if text[i + 1] == "\\" else i + 1) + 1
            continue
        if c == "(":
            depth += 1
        elif c == ")":
            depth -= 1
            if depth == 0:
                return i
        i += 1
    return len(text) - 1


def without_comments(text):
    def blank(m):
        s = m.group(0)
        return s if s.startswith('"') else re.sub(r"[^\n]", " ", s)
    return re.sub(r'"(?:[^"\\\n]|\\.)*"|//[^\n]*|/\*[\s\S]*?\*/', blank, text)


def unmarked_literals(source):
    found = []
    for folder, _, files in os.walk(source):
        for name in files:
            path = os.path.relpath(os.path.join(folder, name), source)
            if not UI_FILES.match(path):
                continue
            with open(os.path.join(source, path), encoding="utf-8") as f:
                text = without_comments(f.read())
            for call in SHOWN.finditer(text):
                args = text[call.end() - 1:closing(text, call.end() - 1) + 1]
                for literal in LITERAL.findall(strip_marked(args)):
                    body = re.sub(r"<[^>]*>", "", literal[1:-1])  # the words of rich text
                    if re.search(r"[A-Za-z]{2}", body) and body not in ALLOWED.get(path, ()):
                        line = text.count("\n", 0, call.start()) + 1
                        found.append("%s:%d: %s is shown untranslated" % (path, line, literal))
    return found


def main():
    lupdate, source = sys.argv[1], os.path.abspath(sys.argv[2])
    committed = [os.path.join(source, "translations", "velkobutton_%s.ts" % l) for l in LANGUAGES]
    if "--update" in sys.argv[3:]:
        run_lupdate(lupdate, source, committed, obsolete=False)
        return 0
    problems = []
    with tempfile.TemporaryDirectory() as tmp:
        fresh = os.path.join(tmp, "fresh.ts")
        run_lupdate(lupdate, source, [fresh], obsolete=False)
        wanted = set(messages(fresh))
    for language, ts_file in zip(LANGUAGES, committed):
        held = messages(ts_file)
        for key in sorted(wanted - set(held)):
            problems.append("%s: %r in %s is not in the .ts (run --update)" % (language, key[1], key[0]))
        for key in sorted(set(held) - wanted):
            problems.append("%s: %r in %s is no longer in the sources" % (language, key[1], key[0]))
        for key, (translation, message) in sorted(held.items()):
            problems += check_entry(language, key, translation, message)
    problems += unmarked_literals(source)
    for p in problems:
        print(p)
    print("%d problem(s)" % len(problems) if problems else "translations complete and up to date")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
