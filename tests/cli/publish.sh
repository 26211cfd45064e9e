#!/usr/bin/env bash
# velkobutton publish: the page and every file it needs end up in the folder.
set -u
exe=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config HOME=$work/home
export QT_QPA_PLATFORM=offscreen

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
progdir=$(cd "$(dirname "$exe")" && pwd)
[ -d "$progdir/Help" ] || fail "no Help folder beside the program"
for f in VelkoButton.class VelkoButton.jar VelkoButton.cab VelkoJfc2.class; do
  [ -f "$progdir/$f" ] || fail "applet file $f missing beside the program"
done

# A project whose buttons use two local images, one address and two sounds
# (one of them twice), read relative to the project file.
proj=$work/proj
mkdir -p "$proj/images" "$proj/sounds"
cp "$src/tests/cli/data/media.but" "$proj/"
printf 'GIF89a up' >"$proj/images/up.gif"
printf 'GIF89a over\0\1\2' >"$proj/images/over.gif"
printf '.snd\0\0\0\x18\xff\xff\xff\xff\0\0\0\x01\0\0\x1f\x40\0\0\0\x01hover' >"$proj/sounds/hover.au"
printf '.snd\0\0\0\x18\xff\xff\xff\xff\0\0\0\x01\0\0\x1f\x40\0\0\0\x01click' >"$proj/sounds/click.au"

# Into an empty (missing) folder.
site=$work/site/www
"$exe" publish "$proj/media.but" "$site" >"$work/out" 2>"$work/err" || fail "publish failed: $(cat "$work/err")"
[ -s "$work/err" ] && fail "unexpected messages: $(cat "$work/err")"
grep -qxF "Published the page 'media.html' in '$site/' with the 5 files it needs beside it (5 copied now)." "$work/out" ||
  fail "success message: $(cat "$work/out")"
# The page of today works without the applet: the stand-ins beside the program stay there.
expected="media.html over.gif up.gif velkobutton.js click.au hover.au"
got=$(cd "$site" && ls | LC_ALL=C sort | tr '\n' ' ')
want=$(echo $expected | tr ' ' '\n' | LC_ALL=C sort | tr '\n' ' ')
[ "$got" = "$want" ] || fail "folder holds '$got', expected '$want'"
cmp -s "$progdir/velkobutton.js" "$site/velkobutton.js" || fail "velkobutton.js differs from the program's"
for f in images/up.gif images/over.gif sounds/hover.au sounds/click.au; do
  cmp -s "$proj/$f" "$site/$(basename "$f")" || fail "$f differs"
done

# The page is the complete page, as exported, naming the files beside it.
"$exe" export --format page --output "$work/page.html" "$proj/media.but" || fail "export failed"
cmp -s "$work/page.html" "$site/media.html" || fail "published page differs from the exported page"
head -1 "$site/media.html" | grep -q '^<!DOCTYPE html>'$'\r''$' || fail "page does not start a complete document"
grep -qF '<APPLET CODE=VelkoButton.class ARCHIVE=VelkoButton.jar ' "$site/media.html" || fail "applet tag"
grep -qF '<PARAM NAME=Images0 VALUE="up.gif|over.gif">' "$site/media.html" || fail "Images0"
grep -qF '<PARAM NAME=Audio0 VALUE="hover.au|click.au">' "$site/media.html" || fail "Audio0"

# Again: everything is up to date, a page of another name is added.
"$exe" publish "$proj/media.but" "$site" --name index.html 2>"$work/err" || fail "second publish: $(cat "$work/err")"
cmp -s "$site/index.html" "$site/media.html" || fail "--name page differs"
[ "$(ls "$site" | wc -l)" -eq 7 ] || fail "second publish changed the file set"

# The project folder copied elsewhere publishes the same page with the same files.
cp -r "$proj" "$work/moved"
"$exe" publish "$work/moved/media.but" "$work/site-moved" >/dev/null 2>"$work/err" || fail "moved project: $(cat "$work/err")"
cmp -s "$site/media.html" "$work/site-moved/media.html" || fail "a moved project publishes another page"
for f in up.gif over.gif hover.au click.au; do
  cmp -s "$site/$f" "$work/site-moved/$f" || fail "$f differs after the move"
done

# A site's own files: the page named index.html meets the site's index.html,
# an image the site's own up.gif; app.js is the site's alone. Without
# --replace nothing is written and both are named; the same bytes need no
# leave; a file reached through a link out of the project's folder is named.
own=$work/own
mkdir -p "$own"
printf '<p>the site</p>\n' >"$own/index.html"
printf 'site();\n' >"$own/app.js"
printf 'GIF89a theirs' >"$own/up.gif"
cp -r "$own" "$work/own.orig"
cp -r "$proj" "$work/linked"
mkdir -p "$work/far"
mv "$work/linked/images/over.gif" "$work/far/over.gif"
ln -s "$work/far/over.gif" "$work/linked/images/over.gif"
refusal="velkobutton: These files in the folder hold something other than what would be written in their place, so nothing was written (--replace replaces them):"
outside="velkobutton: These files lie outside the project's folder:"
# status | standard error, lines ended by ';' | project | option | the folder then
# holds what this folder holds (but app.js and media.html)
while IFS='|' read -r want err project opts matches; do
  "$exe" publish "$project" "$own" --name index.html $opts >/dev/null 2>"$work/err"
  rc=$?
  [ $rc -eq "$want" ] || fail "publish $opts: status $rc, not $want ($(cat "$work/err"))"
  [ "$(tr '\n' ';' <"$work/err")" = "$err" ] || fail "publish $opts: standard error '$(cat "$work/err")'"
  diff -r -x app.js -x media.html "$own" "$matches" >/dev/null || fail "publish $opts: the folder holds $(ls "$own")"
  cmp -s "$own/app.js" "$work/own.orig/app.js" || fail "publish $opts: app.js changed"
done <<EOF
1|$refusal;$own/index.html;$own/up.gif;|$proj/media.but||$work/own.orig
0||$proj/media.but|--replace|$site
0||$proj/media.but||$site
0|$outside;$work/linked/images/over.gif;|$work/linked/media.but||$site
EOF


mv "$proj/sounds/hover.au" "$work/hover.au"
site2=$work/site2
"$exe" publish "$proj/media.but" "$site2" 2>"$work/err"
rc=$?
[ $rc -eq 1 ] || fail "publish with problems exited $rc"
grep -qxF "velkobutton: File '$proj/sounds/hover.au' is missing!" "$work/err" || fail "missing-file message: $(cat "$work/err")"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "extra messages: $(cat "$work/err")"
[ -e "$site2" ] && fail "a publish with a missing file wrote $(ls "$site2")"
mv "$work/hover.au" "$proj/sounds/hover.au"

# A project that cannot be read.
"$exe" publish "$work/none.but" "$work/site3" 2>"$work/err"
[ $? -eq 1 ] || fail "unreadable project must exit 1"
grep -qxF "Failed to open document." "$work/err" || fail "open message: $(cat "$work/err")"

# Wrong arguments.
"$exe" publish "$proj/media.but" 2>/dev/null
[ $? -eq 2 ] || fail "missing folder argument must exit 2"
"$exe" publish "$proj/media.but" "$site" --name 2>/dev/null
[ $? -eq 2 ] || fail "--name without a value must exit 2"
exit 0
