#!/usr/bin/env bash
# The command line runs without any Qt library; the editor is a program of
# its own beside it or in ../libexec/velkobutton/, and a program without the
# editor says so and ends with status 1.
set -u
exe=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
export QT_QPA_PLATFORM=offscreen VELKOBUTTON_NO_BROWSER=1
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export XDG_RUNTIME_DIR="$work/run" USER="vbmod$$"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
editor="$(dirname "$exe")/velkobutton-editor"
[ -x "$editor" ] || fail "no editor program beside $exe"

# The command line's program links no Qt library at all; the editor does.
if ldd "$exe" | grep -q 'libQt6'; then
  fail "the program links Qt: $(ldd "$exe" | grep Qt6)"
fi
ldd "$editor" | grep -q 'libQt6Widgets' || fail "the editor does not link Qt"

# Without the editor: a clear message and status 1; the command line still works.
mkdir -p "$work/bare/bin"
cp "$exe" "$work/bare/bin/velkobutton"
"$work/bare/bin/velkobutton" >"$work/out" 2>"$work/err"
status=$?
[ $status -eq 1 ] || fail "status $status without the editor"
grep -q "^velkobutton: the editor is not installed (velkobutton-editor was not found" "$work/err" ||
  fail "unexpected message: $(cat "$work/err")"
"$work/bare/bin/velkobutton" export --format input "$src/examples/demo.but" >"$work/input.txt" ||
  fail "export without the editor"
[ -s "$work/input.txt" ] || fail "empty export without the editor"

# Run from another folder, the installed program finds its files in
# <prefix>/share/velkobutton (the folder of the program, not the current one).
mkdir -p "$work/bare/share/velkobutton" "$work/elsewhere"
for f in VelkoButton.class VelkoButton.jar VelkoButton.cab VelkoJfc2.class velkobutton.js; do
  echo "installed $f" >"$work/bare/share/velkobutton/$f"
done
(cd "$work/elsewhere" && "$work/bare/bin/velkobutton" publish "$src/examples/demo.but" "$work/pub") ||
  fail "publish from another folder"
cmp -s "$work/bare/share/velkobutton/VelkoButton.class" "$work/pub/VelkoButton.class" ||
  fail "publish did not take the installed applet files"

# An editor that cannot be started: the system's reason, status 1.
echo "not a program" >"$work/bare/bin/velkobutton-editor"
chmod 644 "$work/bare/bin/velkobutton-editor"
"$work/bare/bin/velkobutton" >"$work/out" 2>"$work/err"
status=$?
[ $status -eq 1 ] || fail "status $status with a broken editor"
grep -q "^velkobutton: cannot start the editor ($work/bare/bin/velkobutton-editor): " "$work/err" ||
  fail "unexpected message: $(cat "$work/err")"
rm "$work/bare/bin/velkobutton-editor"

# The installed layout (bin/ starting libexec/velkobutton/) is checked by
# installed.sh on a real install.
exit 0
