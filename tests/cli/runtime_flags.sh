#!/usr/bin/env bash
# The JavaScript runtime on the command line: by default (and with --runtime)
# its script line follows the applet and its file is named and published;
# --no-runtime and the setting 0 leave every output byte for byte classic.
# usage: runtime_flags.sh VELKOBUTTON SOURCE_DIR
set -u
VB=$1
src=$2
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
export XDG_CONFIG_HOME="$T/config" HOME="$T/home" QT_QPA_PLATFORM=offscreen LC_ALL=C
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$XDG_CONFIG_HOME/Velko" "$HOME"
fails=0
fail() { echo "FAIL: $*" >&2; fails=$((fails + 1)); }
CR=$'\r'
progdir=$(cd "$(dirname "$VB")" && pwd)
[ -f "$progdir/velkobutton.js" ] || fail "velkobutton.js missing beside the program"
# The placed runtime is runtime/'s, minified (its licence line kept) or, without terser, copied.
cmp -s "$progdir/velkobutton.js" "$src/runtime/velkobutton.js" ||
  [ "$(head -n 1 "$progdir/velkobutton.js")" = "$(head -n 1 "$src/runtime/velkobutton.js")" ] ||
  fail "the placed runtime is not runtime/'s"
line="<SCRIPT SRC=\"velkobutton.js\"></SCRIPT>$CR"
proj="$src/tests/cli/data/media.but"

for fmt in page preview segment input project resources; do
  "$VB" export --no-runtime --format "$fmt" "$proj" >"$T/classic.$fmt" 2>/dev/null || fail "export --no-runtime $fmt"
  grep -q "velkobutton.js" "$T/classic.$fmt" && fail "$fmt names the runtime with --no-runtime"
  "$VB" export --format "$fmt" --runtime "$proj" >"$T/rt.$fmt" 2>/dev/null || fail "export --runtime $fmt"
  "$VB" export --format "$fmt" "$proj" >"$T/default.$fmt" 2>/dev/null || fail "export $fmt"
  cmp -s "$T/default.$fmt" "$T/rt.$fmt" || fail "$fmt lacks the runtime by default"
done
# The pages: the same applet and parameters, the buttons' elements in place
# of the Java message, their style sheet, and the line right after the
# applet's end tag (the project has sounds, so it needs the runtime).
for fmt in page preview segment; do
  sed -n '/^<APPLET/,/^<PARAM NAME=Script/p' "$T/rt.$fmt" >"$T/rt.applet"
  sed -n '/^<APPLET/,/^<PARAM NAME=Script/p' "$T/classic.$fmt" | cmp -s - "$T/rt.applet" ||
    fail "$fmt: the applet differs"
  grep -q "Java" "$T/rt.$fmt" && fail "$fmt: the Java message on a page with the runtime"
  grep -q "^<DIV CLASS=\"vb\" ID=\"vb-VelkoButton\" ROLE=\"group\" ARIA-LABEL=\"VelkoButton\">$CR\$" "$T/rt.$fmt" || fail "$fmt: no buttons"
  [ "$(grep -c -x -F "<STYLE>$CR" "$T/rt.$fmt")" = 1 ] || fail "$fmt: not one style sheet"
  [ "$(grep -c -x -F "$line" "$T/rt.$fmt")" = 1 ] || fail "$fmt: not one runtime line"
  grep -A1 -x -F "</APPLET>$CR" "$T/rt.$fmt" | tail -1 | grep -q -x -F "$line" || fail "$fmt: the line does not follow </APPLET>"
done
# The input file and the project file never change.
for fmt in input project; do
  cmp -s "$T/classic.$fmt" "$T/rt.$fmt" || fail "--runtime changed $fmt"
done
# The resource list names the runtime in place of the applet's four files: the
# program holds only the stand-ins it ships with, and a page of today works without them.
sed -n 1p "$T/rt.resources" | grep -q -x -F "$progdir/velkobutton.js" || fail "resources: $(cat "$T/rt.resources")"
[ "$(tail -n +5 "$T/classic.resources")" = "$(tail -n +2 "$T/rt.resources")" ] || fail "resources: other entries changed"

# The setting 0 turns it off; --runtime overrides it; the last flag wins.
printf '[Settings]\nHtml5Runtime=0\n' >"$XDG_CONFIG_HOME/Velko/VelkoButton.conf"
"$VB" export --format segment "$proj" >"$T/set.segment" 2>/dev/null || fail "export with the setting"
cmp -s "$T/set.segment" "$T/classic.segment" || fail "the setting 0 keeps the line"
"$VB" export --format segment --runtime "$proj" >"$T/set.rt" 2>/dev/null || fail "export --runtime with the setting"
cmp -s "$T/set.rt" "$T/rt.segment" || fail "--runtime does not override the setting"
"$VB" export --no-runtime --runtime --format segment "$proj" >"$T/last" 2>/dev/null
cmp -s "$T/last" "$T/rt.segment" || fail "the last flag does not win"
printf '[Settings]\nHtml5Runtime=2\n' >"$XDG_CONFIG_HOME/Velko/VelkoButton.conf"
"$VB" export --format segment "$proj" >"$T/two" 2>/dev/null
cmp -s "$T/two" "$T/classic.segment" || fail "a setting other than 1 adds the line"
rm -f "$XDG_CONFIG_HOME/Velko/VelkoButton.conf"

# publish copies the runtime beside the page unless told not to.
mkdir -p "$T/proj/images" "$T/proj/sounds"
cp "$proj" "$T/proj/"
printf 'GIF89a up' >"$T/proj/images/up.gif"
printf 'GIF89a over' >"$T/proj/images/over.gif"
for s in hover click; do
  printf '.snd\0\0\0\x18\xff\xff\xff\xff\0\0\0\x01\0\0\x1f\x40\0\0\0\x01x' >"$T/proj/sounds/$s.au"
done
"$VB" publish --no-runtime "$T/proj/media.but" "$T/plain" 2>"$T/err" || fail "publish: $(cat "$T/err")"
[ -e "$T/plain/velkobutton.js" ] && fail "publish --no-runtime copied the runtime"
grep -q "<SCRIPT" "$T/plain/media.html" && fail "published page carries the line with --no-runtime"
"$VB" publish "$T/proj/media.but" "$T/site" --name index.html 2>"$T/err" || fail "publish: $(cat "$T/err")"
cmp -s "$T/site/velkobutton.js" "$progdir/velkobutton.js" || fail "publish did not copy the runtime"
grep -q -x -F "$line" "$T/site/index.html" || fail "published page lacks the line"
sed -n '/^<APPLET/,/^<PARAM NAME=Script/p' "$T/site/index.html" >"$T/site.applet"
sed -n '/^<APPLET/,/^<PARAM NAME=Script/p' "$T/plain/media.html" | cmp -s - "$T/site.applet" ||
  fail "the published applet differs from the classic one"

# Flags are no file names, and other options still complain.
"$VB" export --runtimes "$proj" >/dev/null 2>"$T/err"
[ $? = 2 ] || fail "an unknown option is not a usage error"
"$VB" --help | grep -q -- "--runtime|--no-runtime" || fail "usage text lacks the flags"

[ $fails = 0 ] && echo "runtime flags: all passed"
exit $((fails > 0))
