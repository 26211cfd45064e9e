#!/bin/bash
# The export command's contract: formats, standard output, --output, failures
# and usage errors, without a display.
# usage: export_formats.sh VELKOBUTTON SOURCE_DIR
set -u
VB=$1
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
export XDG_CONFIG_HOME="$T/config" HOME="$T/home"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Velko"
# The classic page: the runtime's line has tests of its own.
printf '[Settings]\nHtml5Runtime=0\n' >"$XDG_CONFIG_HOME/Velko/VelkoButton.conf"
fails=0
fail() { echo "FAIL: $*" >&2; fails=$((fails + 1)); }
CR=$'\r'

# Default format is the page, written unchanged to standard output.
"$VB" export >"$T/default.html" 2>"$T/err" || fail "export without arguments"
"$VB" export --format page >"$T/page.html" || fail "page"
cmp -s "$T/default.html" "$T/page.html" || fail "default format is not page"
[ -s "$T/err" ] && fail "unexpected messages: $(cat "$T/err")"
[ "$(head -c 8 "$T/page.html")" = "<HTML>$CR" ] || fail "page does not start with <HTML>"
[ "$(tail -c 9 "$T/page.html" | od -An -c | tr -d ' \n')" = "</HTML>\r\n" ] || fail "page end"
grep -q '^<PARAM NAME=Script0 VALUE="+100 Background 5 100 6 40 9 0x808080 26 0 8 2 34 {6 0;} ;100 '"'"'Button 1'"'"' 200 34 {6 0 ;} 201 34 {6 12 ;} 202 28 0x000000 30 0xFFFFFF 34 {6 0 ;} ;+">'"$CR"'$' "$T/page.html" ||
  fail "Script0 of a new project"
lf=$(tr -cd '\n' <"$T/page.html" | wc -c)
crlf=$(grep -c "$CR\$" "$T/page.html")
[ "$lf" = "$crlf" ] || fail "page lines do not all end in CR LF ($lf/$crlf)"

# Preview and segment.
"$VB" export --format preview >"$T/preview.html" || fail "preview"
grep -q "^<TITLE>VelkoButton Preview</TITLE>$CR\$" "$T/preview.html" || fail "preview title"
grep -q "^<CENTER><!-- This applet was created by VelkoButton Version 1.00 " "$T/preview.html" ||
  fail "preview CENTER"
"$VB" export --format segment >"$T/segment.html" || fail "segment"
[ "$(head -c 5 "$T/segment.html")" = "<!-- " ] || fail "segment starts with the comment"
[ "$(tail -c 11 "$T/segment.html")" = "</APPLET>$CR" ] || fail "segment ends with </APPLET>"
grep -q HTML "$T/segment.html" && fail "segment holds HTML"

# Input file and project file.
"$VB" export --format input >"$T/input.txt" || fail "input"
[ "$(head -c 24 "$T/input.txt")" = "Script0=+100 Background " ] || fail "input file start"
[ "$(grep -c . "$T/input.txt")" = 1 ] || fail "input file lines"
"$VB" export --format project >"$T/new.but" || fail "project"
[ "$(head -c 9 "$T/new.but" | od -An -tx1 | tr -d ' \n')" = "04312e3030023338""00" ] ||
  fail "project head"
"$VB" export --format page "$T/new.but" >"$T/reloaded.html" || fail "page of a saved project"
cmp -s "$T/page.html" "$T/reloaded.html" || fail "saved project gives another page"
"$VB" export --format project "$T/new.but" | cmp -s - "$T/new.but" || fail "project round trip"

# Resources: one absolute path per line, each ending in a line feed.
"$VB" export --format resources >"$T/res.txt" || fail "resources"
[ "$(wc -l <"$T/res.txt")" = 4 ] || fail "resources of a new project: $(cat "$T/res.txt")"
[ "$(tail -c 1 "$T/res.txt" | od -An -tx1 | tr -d ' ')" = "0a" ] || fail "resources end"
grep -vq '^/' "$T/res.txt" && fail "resource path not absolute"
for f in VelkoButton.class VelkoButton.jar VelkoButton.cab VelkoJfc2.class; do
  grep -q "/$f\$" "$T/res.txt" || fail "resources lack $f"
done

# --output writes the same bytes as standard output, nothing on stdout.
"$VB" export --format segment --output "$T/out.html" >"$T/stdout" || fail "--output"
cmp -s "$T/out.html" "$T/segment.html" || fail "--output bytes"
[ -s "$T/stdout" ] && fail "--output also wrote to stdout"
"$VB" export --output="$T/out2.html" --format=preview || fail "--output= form"
cmp -s "$T/out2.html" "$T/preview.html" || fail "--format= form"

# A project that cannot be opened or read: message, status 1, no output file.
"$VB" export --output "$T/x.html" "$T/missing.but" >"$T/stdout" 2>"$T/err"
[ $? = 1 ] || fail "missing project status"
grep -qx "Failed to open document." "$T/err" || fail "missing project message: $(cat "$T/err")"
[ -e "$T/x.html" ] && fail "output created for a missing project"
[ -s "$T/stdout" ] && fail "stdout written for a missing project"
"$VB" export --output "$T/x.html" "$T" 2>"$T/err"
[ $? = 1 ] || fail "folder as project status"
grep -qx "Failed to open document." "$T/err" || fail "folder as project message"
printf '\x04\x31\x2e\x30\x30\x02\x33\x38\x00\x05abc' >"$T/short.but"
"$VB" export --output "$T/x.html" "$T/short.but" 2>"$T/err"
[ $? = 1 ] || fail "truncated project status"
grep -qx "Unexpected file format." "$T/err" || fail "truncated project message: $(cat "$T/err")"
[ -e "$T/x.html" ] && fail "output created for a truncated project"
head -c 200 "$T/new.but" >"$T/cut.but"
"$VB" export --format resources "$T/cut.but" >"$T/stdout" 2>"$T/err"
[ $? = 1 ] || fail "cut project status"
[ -s "$T/stdout" ] && fail "stdout written for a cut project"

# An output that cannot be written: status 1, no file.
"$VB" export --output "$T/no/such/dir/x.html" 2>"$T/err"
[ $? = 1 ] || fail "unwritable output status"
[ -s "$T/err" ] || fail "unwritable output message"

# Usage errors: short usage, status 2, nothing written.
for args in "--format pdf" "--format" "--output" "--bogus" "a.but b.but" "--format=html"; do
  # shellcheck disable=SC2086
  "$VB" export $args >"$T/stdout" 2>"$T/err"
  st=$?
  [ $st = 2 ] || fail "usage error '$args' gave status $st"
  grep -q "usage:" "$T/err" || fail "usage error '$args' shows no usage"
  [ -s "$T/stdout" ] && fail "usage error '$args' wrote to stdout"
done

# Nothing was written to the settings store.
[ "$(cat "$XDG_CONFIG_HOME/Velko/VelkoButton.conf")" = "$(printf '[Settings]\nHtml5Runtime=0')" ] ||
  fail "export wrote settings"

[ $fails = 0 ] && echo "export formats: all passed"
exit $((fails > 0))
