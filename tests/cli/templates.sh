#!/usr/bin/env bash
# The New Project dialog's templates: each is what make_demo makes, opens as a
# project, and publishes its buttons as HTML, every file it names beside the
# page, and the runtime only where the template has something to run.
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
# name | runtime (yes or no) | files beside the page besides the page, the runtime and the applet's
while IFS='|' read -r name runtime files; do
  t=$src/templates/$name/$name.but
  cmp -s "$t" "$work/made/$name/$name.but" || fail "$name: the installed template is not what make_demo makes"
  [ -s "$src/templates/$name/$name.png" ] || fail "$name: no picture"
  "$exe" export --format project "$t" | cmp -s - "$t" || fail "$name: does not open as a project"
  "$exe" publish "$t" "$work/site-$name" --runtime >/dev/null 2>"$work/err" || fail "$name: publish: $(cat "$work/err")"
  grep -qF '<SCRIPT SRC="velkobutton.js"></SCRIPT>' "$work/site-$name/$name.html" && has=yes || has=no
  [ "$has" = "$runtime" ] || fail "$name: runtime line $has, not $runtime"
  [ -f "$work/site-$name/velkobutton.js" ] && has=yes || has=no
  [ "$has" = "$runtime" ] || fail "$name: runtime beside the page $has, not $runtime"
  grep -qF "<STYLE>" "$work/site-$name/$name.html" || fail "$name: no style sheet"
  for f in $files; do
    [ -f "$work/site-$name/$f" ] || fail "$name: $f not beside the page"
  done
done <<'ROWS'
vertical-menu|no|
horizontal-bar|no|
tabs|no|
toolbar|no|bold.svg grid.svg star.svg sound.svg
call-to-action|yes|click.au
submenu|yes|
ROWS
echo ok
