#!/usr/bin/env bash
# The build installed into a staging folder (DESTDIR) as a package would be:
# the installed editor opens its help from <prefix>/share/velkobutton,
# publishes with the runtime and previews, writes nothing under the prefix
# and registers nothing; uninstall leaves no file behind.
set -u
build=$1
src=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
dest="$work/dest"
prefix=/opt/vb
DESTDIR="$dest" cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  fail "install: $(tail -5 "$work/install.log")"
root="$dest$prefix"
for f in bin/velkobutton libexec/velkobutton/velkobutton-editor share/velkobutton/Help/index.html \
  share/velkobutton/velkobutton.js share/applications/velkobutton.desktop \
  share/metainfo/example.velko.VelkoButton.metainfo.xml share/man/man1/velkobutton.1.gz \
  share/icons/hicolor/256x256/apps/velkobutton.png share/doc/velkobutton/copyright; do
  [ -e "$root/$f" ] || fail "not installed: $f"
done
# The desktop's caches are the package manager's business under DESTDIR.
[ ! -e "$root/share/mime/mime.cache" ] || fail "a MIME cache was written into the staging folder"
version=$(sed -n 's/^project(VelkoButton VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
"$root/bin/velkobutton" --version | grep -q "^VelkoButton $version " ||
  fail "the program does not report version $version"
grep -q "release version=\"$version\"" "$root/share/metainfo/example.velko.VelkoButton.metainfo.xml" ||
  fail "the metainfo does not name version $version"

# The editor, run from somewhere else as a user would, with a user of its own.
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/run" USER="vbinst$$"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/smoke" "$work/project" && chmod 700 "$XDG_RUNTIME_DIR"
cp "$src/examples/demo.but" "$work/project/"
find "$dest" -printf '%P %s %T@\n' | sort >"$work/before"
chmod -R a-w "$dest"
(cd "$work" && VELKOBUTTON_SMOKE="$work/smoke" timeout 120 "$root/bin/velkobutton" \
  "$work/project/demo.but" >"$work/editor.out" 2>&1)
status=$?
chmod -R u+w "$dest"
[ $status -eq 0 ] || fail "the installed editor ended with status $status: $(tail -5 "$work/editor.out")"
help=$(cat "$work/smoke/help.txt" 2>/dev/null)
[ "$help" = "$root/share/velkobutton/Help/index.html loaded" ] || fail "help: '$help'"
[ "$(cat "$work/smoke/publish.txt")" = "published 0" ] ||
  fail "publish: $(cat "$work/smoke/publish.txt")"
cmp -s "$root/share/velkobutton/velkobutton.js" "$work/smoke/published/velkobutton.js" ||
  fail "publish did not copy the installed runtime"
grep -q '<SCRIPT SRC="velkobutton.js"></SCRIPT>' "$work/smoke/published/page.html" ||
  fail "the published page does not load the runtime"
case "$(cat "$work/smoke/preview.txt")" in
  "$XDG_CACHE_HOME"/velkobutton/preview-*/~VelkoButton.html) ;;
  *) fail "preview written to $(cat "$work/smoke/preview.txt")" ;;
esac
# At exit the preview folder goes; nothing was written under the prefix and
# nothing registered in the user's data folder.
left=$(find "$XDG_CACHE_HOME/velkobutton" -mindepth 1 2>/dev/null)
[ -z "$left" ] || fail "left in the cache: $left $(find "$XDG_CACHE_HOME")"
find "$dest" -printf '%P %s %T@\n' | sort >"$work/after"
cmp -s "$work/before" "$work/after" || fail "written under the prefix: $(diff "$work/before" "$work/after")"
[ ! -e "$XDG_DATA_HOME/applications/velkobutton.desktop" ] || fail "the installed editor registered itself"

# Uninstall takes every installed file away.
DESTDIR="$dest" cmake -P "$build/packaging/uninstall.cmake" >"$work/uninstall.log" 2>&1 ||
  fail "uninstall: $(tail -5 "$work/uninstall.log")"
files=$(find "$dest" -type f)
[ -z "$files" ] || fail "left after uninstall: $files"
exit 0
