#!/usr/bin/env bash
# The editor starts on a project without a display (offscreen). From the
# build tree it registers nothing unless asked (--register), and removes an
# entry of a clone that is gone; asked, it registers the project-file type in
# the user's data folder. A second start's file goes to the running editor.
set -u
exe=$1
src=$2
work=$(mktemp -d)
first=
trap '[ -n "$first" ] && kill $first 2>/dev/null; rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
export QT_QPA_PLATFORM=offscreen VELKOBUTTON_NO_BROWSER=1
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export XDG_RUNTIME_DIR="$work/run" USER="vbcli$$"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cp "$src/examples/demo.but" "$work/demo.but"
cp "$src/examples/demo.but" "$work/second project.but"

entry="$XDG_DATA_HOME/applications/velkobutton.desktop"
mkdir -p "$(dirname "$entry")"
printf '[Desktop Entry]\nExec="%s" %%f\n' "$work/deleted clone/build/app/velkobutton" >"$entry"
VELKOBUTTON_QUIT_WHEN_SHOWN=1 timeout 60 "$exe" "$work/demo.but" >"$work/plain.log" 2>&1 ||
  fail "the editor did not start: $(cat "$work/plain.log")"
[ ! -e "$entry" ] || fail "the entry of a deleted clone was kept"
[ -z "$(find "$XDG_DATA_HOME" -name '*velkobutton*')" ] ||
  fail "registered unasked: $(find "$XDG_DATA_HOME" -name '*velkobutton*')"

"$exe" --register "$work/demo.but" >"$work/first.log" 2>&1 &
first=$!
for _ in $(seq 50); do
  [ -f "$XDG_DATA_HOME/applications/velkobutton.desktop" ] && break
  sleep 0.1
done
grep -q '^MimeType=application/x-velkobutton-project;$' "$entry" ||
  fail "no desktop entry"
grep -q '<glob pattern="\*.but"/>' "$XDG_DATA_HOME/mime/packages/velkobutton.xml" || fail "no MIME package"
sleep 1
timeout 20 "$exe" "$work/second project.but" || fail "the second start did not hand its file over"
kill -0 $first 2>/dev/null || fail "the editor ended early: $(cat "$work/first.log")"
kill $first
wait $first 2>/dev/null
# The settings written at exit leave no lock file behind.
[ -z "$(find "$XDG_CONFIG_HOME" -name '*.lock')" ] || fail "lock left: $(find "$XDG_CONFIG_HOME" -name '*.lock')"
exit 0
