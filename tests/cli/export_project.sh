#!/usr/bin/env bash
# velkobutton export --format project: byte-identical round trips, and on a
# project that cannot be opened or read: the message on standard error, exit
# status 1 and no output file.
#   $1: the velkobutton executable   $2: the source folder
set -u
VB="$1"
SRC="$2"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
export XDG_CONFIG_HOME="$TMP/config" HOME="$TMP/home" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The example and the seed files written by this program come back byte for byte.
for f in "$SRC/examples/demo.but" "$SRC"/fuzz/corpus/{new,demo,no-buttons,long-strings}.but; do
  out="$TMP/out-$(basename "$f")"
  if ! "$VB" export --format project --output "$out" "$f" 2>"$TMP/err"; then
    fail "export of $f failed: $(cat "$TMP/err")"
  elif ! cmp -s "$out" "$f"; then
    fail "export of $f differs from the file"
  fi
done
"$VB" export --format project "$SRC/examples/demo.but" >"$TMP/stdout.but" ||
  fail "export to standard output failed"
cmp -s "$TMP/stdout.but" "$SRC/examples/demo.but" || fail "standard output differs from demo.but"

# Without a project: a new project, as New makes it.
"$VB" export --format project --output "$TMP/new.but" || fail "export of a new project failed"
cmp -s "$TMP/new.but" "$SRC/fuzz/corpus/new.but" || fail "new project differs from new.but"
[ "$(head -c 9 "$TMP/new.but" | od -An -tx1 | tr -d ' \n')" = "04312e303002333800" ] ||
  fail "head of a new project is not 04 \"1.00\" 02 \"38\" 00"

# Wide strings are read and written back as 8-bit text; that file is stable.
"$VB" export --format project --output "$TMP/wide1.but" "$SRC/fuzz/corpus/wide.but" ||
  fail "export of wide.but failed"
"$VB" export --format project --output "$TMP/wide2.but" "$TMP/wide1.but" ||
  fail "export of the converted wide.but failed"
cmp -s "$TMP/wide1.but" "$TMP/wide2.but" || fail "converted wide.but is not stable"

# Damaged and missing projects.
check_failure() {  # name, message, project
  local name="$1" message="$2" project="$3"
  local out="$TMP/never-$name.but"
  "$VB" export --format project --output "$out" "$project" >"$TMP/stdout" 2>"$TMP/stderr"
  local status=$?
  [ "$status" -eq 1 ] || fail "$name: exit status $status, not 1"
  grep -qxF "$message" "$TMP/stderr" || fail "$name: no \"$message\" on standard error"
  [ ! -e "$out" ] || fail "$name: an output file was created"
  [ ! -s "$TMP/stdout" ] || fail "$name: something was written to standard output"
  ls -A "$TMP" | grep -q '^\.never' && fail "$name: a temporary file was left"
  # An existing output file is left alone.
  echo keep >"$out"
  "$VB" export --format project --output "$out" "$project" 2>/dev/null
  [ "$(cat "$out")" = keep ] || fail "$name: the existing output file was changed"
  rm -f "$out"
}
size=$(stat -c %s "$SRC/examples/demo.but")
head -c $((size / 2)) "$SRC/examples/demo.but" >"$TMP/truncated.but"
check_failure truncated "Unexpected file format." "$TMP/truncated.but"
: >"$TMP/empty.but"
check_failure empty "Unexpected file format." "$TMP/empty.but"
# A 7-byte length prefix claiming 4 GB in a 30-byte file.
{ printf '\377\377\377\377\377\377\377'; head -c 23 /dev/zero; } >"$TMP/huge.but"
check_failure huge "Unexpected file format." "$TMP/huge.but"
check_failure missing "Failed to open document." "$TMP/does-not-exist.but"
check_failure folder "Failed to open document." "$TMP"

# A project saved on a Russian system: its button "Хлеб" in Windows-1251 bytes.
python3 -c 'import sys; d = open(sys.argv[1], "rb").read()
open(sys.argv[2], "wb").write(d.replace(b"\x08Button 1", b"\x04\xd5\xeb\xe5\xe1"))' \
  "$SRC/fuzz/corpus/new.but" "$TMP/cyrillic.but" || fail "making the Windows-1251 project"
for name in windows-1251 CP1251 1251 windows-1252; do
  "$VB" export --encoding "$name" --output "$TMP/page-$name.html" "$TMP/cyrillic.but" ||
    fail "export --encoding $name failed"
done
"$VB" export --output "$TMP/page.html" "$TMP/cyrillic.but" || fail "export without --encoding failed"
grep -qF '&#x425;&#x43B;&#x435;&#x431;' "$TMP/page-windows-1251.html" ||
  fail "the page read as windows-1251 has no Russian name"
"$VB" export --no-runtime --encoding windows-1251 "$TMP/cyrillic.but" |
  grep -qF "'\u{425}\u{43B}\u{435}\u{431}'" || fail "the classic page's script has no Russian name"
for name in CP1251 1251; do
  cmp -s "$TMP/page-$name.html" "$TMP/page-windows-1251.html" || fail "--encoding $name differs"
done
# Without it, and as windows-1252, the bytes stay as they were.
cmp -s "$TMP/page.html" "$TMP/page-windows-1252.html" || fail "--encoding windows-1252 differs"
LC_ALL=C grep -q $'\xD5\xEB\xE5\xE1' "$TMP/page.html" || fail "the page lost the 8-bit bytes"
"$VB" export --format project --encoding windows-1251 "$TMP/cyrillic.but" | od -An -tx1 |
  tr -d ' \n' | grep -q '0befbbbfd0a5d0bbd0b5d0b1' || fail "the project does not store UTF-8 Хлеб"

# Version.
version="$("$VB" --version)" || fail "--version failed"
[ "$version" = "VelkoButton 1.00 (build 38)" ] || fail "--version printed '$version'"

[ "$failures" -eq 0 ] || exit 1
echo "export_project: all checks passed"
