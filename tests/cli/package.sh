#!/usr/bin/env bash
# The Debian package made from the test build as scripts/package.sh makes it
# from a release build: lintian finds no error or warning, the metainfo and
# the desktop entry validate, the binaries are stripped (their symbols in the
# -dbgsym package), the libraries and the SVG plugin are among the
# dependencies, and no cache file is shipped; two packagings give the same
# bytes, every file dated the release's time; the MIME type knows a project
# without its suffix; installed with --prefix and uninstalled, nothing is left.
set -u
build=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
for tool in cpack lintian appstreamcli desktop-file-validate dpkg-deb gio update-mime-database; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/deps.sh installs it)"
done
cpack --config "$build/CPackConfig.cmake" -B "$work/dist" >"$work/cpack.log" 2>&1 ||
  fail "cpack: $(tail -20 "$work/cpack.log")"
version=$(sed -n 's/^project(VelkoButton VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
deb="$work/dist/velkobutton_${version}_amd64.deb"
[ -f "$deb" ] || fail "no package $deb: $(ls "$work/dist")"
dbgsym="$work/dist/velkobutton-dbgsym_${version}_amd64.ddeb"
[ -f "$dbgsym" ] || fail "no debugging symbols package: $(ls "$work/dist")"
sleep 1
cpack --config "$build/CPackConfig.cmake" -B "$work/again" >"$work/cpack.log" 2>&1 ||
  fail "cpack again: $(tail -20 "$work/cpack.log")"
for f in "$deb" "$dbgsym"; do
  cmp "$f" "$work/again/$(basename "$f")" || fail "two packagings differ: $(basename "$f")"
done
ar t "$deb" | grep -qx 'data.tar.xz' || fail "the package is not compressed with xz: $(ar t "$deb")"
dates=$(dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time | awk '{print $4, $5}' | sort -u)
[ "$dates" = "2026-12-09 12:00:00" ] || fail "files not dated the release's time: $dates"
[ "$(dpkg-deb -c "$dbgsym" | grep -c '/usr/lib/debug/.build-id/.*\.debug$')" -ge 2 ] ||
  fail "the programs' symbols are not in $(basename "$dbgsym"): $(dpkg-deb -c "$dbgsym")"

lintian --fail-on error,warning --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1 ||
  fail "lintian: $(cat "$work/lintian.log")"
if grep -E '^(E|W): ' "$work/lintian.log"; then fail "lintian reports the lines above"; fi

dpkg-deb -x "$deb" "$work/root"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6svg6 libqt6widgets6 libqt6webenginewidgets6 libc6; do
  grep -q "$dep" <<<"$depends" || fail "$dep is not among the dependencies: $depends"
done
for f in usr/share/doc/velkobutton/README.md usr/share/doc/velkobutton/velkoscript.md \
  usr/share/bash-completion/completions/velkobutton usr/share/zsh/vendor-completions/_velkobutton; do
  [ -f "$work/root/$f" ] || fail "not in the package: $f"
done
for exe in usr/bin/velkobutton usr/libexec/velkobutton/velkobutton-editor; do
  file "$work/root/$exe" | grep -q ', stripped' || fail "$exe is not stripped"
done
[ -z "$(find "$work/root/usr/share/mime" -name '*cache*' -o -name 'mime.*')" ] ||
  fail "the package ships a MIME cache"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/example.velko.VelkoButton.metainfo.xml" \
  >"$work/appstream.log" 2>&1 || fail "appstreamcli: $(cat "$work/appstream.log")"
desktop-file-validate "$work/root/usr/share/applications/velkobutton.desktop" ||
  fail "desktop-file-validate"

# Installed straight into a prefix of its own (the desktop's caches refreshed
# there): a project without its suffix is known by its first bytes, and
# uninstall leaves nothing under the prefix.
prefix="$work/prefix"
DESTDIR="" cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  fail "install: $(tail -5 "$work/install.log")"
cp "$src/examples/demo.but" "$work/project"
type=$(XDG_DATA_HOME="$work/none" XDG_DATA_DIRS="$prefix/share" gio info -a standard::content-type "$work/project")
grep -q 'content-type: application/x-velkobutton-project$' <<<"$type" ||
  fail "a project without suffix is not known: $type"
DESTDIR="" cmake -P "$build/packaging/uninstall.cmake" >"$work/uninstall.log" 2>&1 ||
  fail "uninstall: $(tail -5 "$work/uninstall.log")"
left=$(find "$prefix" -mindepth 1)
[ -z "$left" ] || fail "left after uninstall from $prefix: $left"
exit 0
