#!/usr/bin/env bash
# The New Project dialog's templates: each is what make_demo makes, opens as a
# project, and publishes with the runtime, every file it names beside the page.
set -u
exe=$1
src=$2
maker=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config HOME=$work/home

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
"$maker" --templates "$work/made" || fail "make_demo --templates"
# name | files beside the page besides the page, the runtime and the applet's
while IFS='|' read -r name files; do
  t=$src/templates/$name/$name.but
  cmp -s "$t" "$work/made/$name/$name.but" || fail "$name: the installed template is not what make_demo makes"
  [ -s "$src/templates/$name/$name.png" ] || fail "$name: no picture"
  "$exe" export --format project "$t" | cmp -s - "$t" || fail "$name: does not open as a project"
  "$exe" publish "$t" "$work/site-$name" --runtime >/dev/null 2>"$work/err" || fail "$name: publish: $(cat "$work/err")"
  grep -qF '<SCRIPT SRC="velkobutton.js"></SCRIPT>' "$work/site-$name/$name.html" || fail "$name: no runtime"
  for f in velkobutton.js $files; do
    [ -f "$work/site-$name/$f" ] || fail "$name: $f not beside the page"
  done
done <<'ROWS'
vertical-menu|
horizontal-bar|
tabs|
toolbar|bold.svg grid.svg star.svg sound.svg
call-to-action|click.au
submenu|
ROWS
echo ok
