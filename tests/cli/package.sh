#!/usr/bin/env bash
# The Debian package made from the test build as scripts/package.sh makes it
# from a release build: lintian finds no error or warning, the metainfo and
# the desktop entry validate, the binaries are stripped, the libraries and
# the SVG plugin are among the dependencies, and no cache file is shipped.
set -u
build=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
for tool in cpack lintian appstreamcli desktop-file-validate dpkg-deb; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/deps.sh installs it)"
done
cpack --config "$build/CPackConfig.cmake" -B "$work/dist" >"$work/cpack.log" 2>&1 ||
  fail "cpack: $(tail -20 "$work/cpack.log")"
version=$(sed -n 's/^project(VelkoButton VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
deb="$work/dist/velkobutton_${version}_amd64.deb"
[ -f "$deb" ] || fail "no package $deb: $(ls "$work/dist")"

lintian --fail-on error,warning --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1 ||
  fail "lintian: $(cat "$work/lintian.log")"
if grep -E '^(E|W): ' "$work/lintian.log"; then fail "lintian reports the lines above"; fi

dpkg-deb -x "$deb" "$work/root"
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6svg6 libqt6widgets6 libqt6webenginewidgets6 libc6; do
  grep -q "$dep" <<<"$depends" || fail "$dep is not among the dependencies: $depends"
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
exit 0
