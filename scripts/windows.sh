#!/usr/bin/env bash
# The Windows build, checked: cross-builds the engine, the command line and
# the engine tests for 64-bit Windows (build-win64/) and the command line for
# 32-bit Windows (build-win32/) with MinGW-w64, packages both as zips, and
# under Wine (64-bit) runs the engine tests, the command line's cross-check
# and a byte comparison of what velkobutton.exe writes with what the Linux
# build writes from the same projects. Any difference fails the run.
# The Linux program is build/'s when there is one, else an engine-only build
# in build-win64/linux. Extra arguments go to both cross configures.
set -euo pipefail
cd "$(dirname "$0")/.."
SRC=$PWD
JOBS=$(nproc)
start=$SECONDS
step() { echo "== windows: $* ($((SECONDS - start)) s)"; }
fail() {
  echo "FAIL (windows): $*" >&2
  exit 1
}

GEN=()
command -v ninja >/dev/null 2>&1 && GEN=(-G Ninja)
LAUNCHER=()
if command -v ccache >/dev/null 2>&1; then
  LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
fi

# The Linux program the bytes are compared with, and the help pages' writer
# the cross builds borrow (the pages are the same on both systems).
mkdir -p build-win64
if [ -f build/CMakeCache.txt ]; then
  LINUX=build
else
  LINUX=build-win64/linux
  [ -f $LINUX/CMakeCache.txt ] ||
    cmake -S . -B $LINUX "${GEN[@]}" "${LAUNCHER[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DVB_GUI=OFF -DVB_TESTS=OFF -DVB_BENCH=OFF >/dev/null
fi
step "the Linux command line in $LINUX"
cmake --build $LINUX --target velkobutton velko_helpgen -j "$JOBS" >build-win64/linux-build.log 2>&1 || {
  tail -40 build-win64/linux-build.log >&2
  fail "the Linux command line (whole log: build-win64/linux-build.log)"
}
LINUX_VB=$SRC/$LINUX/app/velkobutton

cross() { # folder, toolchain, targets...
  local dir=$1 triple=$2
  shift 2
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" "${GEN[@]}" "${LAUNCHER[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_TOOLCHAIN_FILE="$SRC/cmake/toolchains/$triple.cmake" \
      -DVB_GUI=OFF -DVB_TESTS=ON -DVB_BENCH=OFF -DVB_HOST_HELPGEN="$SRC/$LINUX/Help/velko_helpgen" \
      "${EXTRA[@]}" >/dev/null
  fi
  cmake --build "$dir" --target "$@" -j "$JOBS" >"$dir/build.log" 2>&1 || {
    grep -E 'error|Error' "$dir/build.log" | head -40 >&2
    fail "the $triple build (whole log: $dir/build.log)"
  }
  grep -E 'warning:' "$dir/build.log" | sort -u | head -20 >&2 || true
  # The zip: the program with its data folder.
  (cd "$dir" && cpack -G ZIP >/dev/null) || fail "packaging the $triple build"
}
EXTRA=("$@")
step "cross-building for x86_64"
cross build-win64 x86_64-w64-mingw32 velkobutton engine_tests
step "cross-building for i686"
cross build-win32 i686-w64-mingw32 velkobutton
WIN_VB=$SRC/build-win64/app/velkobutton.exe

# Wine, headless and quiet, in a prefix of the build folder, made once.
export WINEPREFIX=$SRC/build-win64/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
command -v wine >/dev/null || fail "wine is not installed (scripts/deps.sh --test)"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  step "making the Wine prefix"
  wineboot -i >/dev/null 2>&1 </dev/null || fail "wineboot -i"
  wineserver -w
fi
# One server for the whole run (started per program, Wine would take seconds
# for each of the hundreds of runs below); its services start now, with no
# pipe of ours to hold open. A server left running in the prefix (a run by
# hand) is used as it is.
wineserver -p 2>/dev/null || true
wineboot >/dev/null 2>&1 </dev/null || fail "wineboot"
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
ROAMING=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming
[ -d "$ROAMING" ] || fail "no AppData folder in the Wine prefix ($ROAMING)"

# velkobutton.exe as a Linux command, for the scripts written for the Linux
# program: Wine gives the program its own %APPDATA%, so the settings folder
# the caller's XDG_CONFIG_HOME names is linked into the prefix's.
RUN=$SRC/build-win64/velkobutton-wine
cat >"$RUN" <<EOF
#!/bin/sh
rm -f "$ROAMING/Velko"
if [ -n "\${XDG_CONFIG_HOME:-}" ] && [ -d "\$XDG_CONFIG_HOME/Velko" ]; then
  ln -s "\$XDG_CONFIG_HOME/Velko" "$ROAMING/Velko"
fi
exec wine "$WIN_VB" "\$@"
EOF
chmod +x "$RUN"

# The engine tests, but those that cannot mean anything on Windows.
SKIP=(
  # Ends a child process by a signal in the middle of a write: Windows has
  # neither fork nor signals.
  SafeFileTest.AProcessEndingMidWriteLeavesNothingForLong
  # Makes a write fail through a file-size limit (setrlimit), which Windows
  # does not have.
  DocumentFile.FailedWriteLeavesThePreviousFileIntact
  # A FIFO in a folder: Windows has none (its pipes live outside folders).
  CopyFixture.APipeIsUnreadableAtOnce
  # The settings folders named by XDG_CONFIG_HOME and XDG_CONFIG_DIRS are
  # the POSIX systems'; Windows' is %APPDATA%, which Wine sets itself.
  IniStoreTest.FallsBackToTheOrganisationAndSystemFiles
)
step "the engine tests under Wine"
filter=$(
  IFS=:
  echo "${SKIP[*]}"
)
(cd build-win64 && wine tests/engine_tests.exe --gtest_brief=1 ${filter:+--gtest_filter=-$filter}) \
  >build-win64/engine_tests.log 2>&1 || {
  tail -60 build-win64/engine_tests.log >&2
  fail "the engine tests under Wine (whole log: build-win64/engine_tests.log)"
}
tail -3 build-win64/engine_tests.log

# The generator against its independent model, as on Linux (half the
# projects: each run under Wine costs a good part of a second); the resources
# list names paths in Windows' own form, so it is checked below instead.
step "the command line's cross-check under Wine"
python3 tests/cli/refgen.py "$RUN" --seed 20261208 --count 100 \
  --formats page,preview,segment,input,project || fail "the cross-check under Wine"

# The same projects give the same bytes on both systems: the example and
# every template, in every format, to standard output and through --output,
# and published (the page and every file beside it).
step "comparing the Windows build's bytes with the Linux build's"
T=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$T"' EXIT
export XDG_CONFIG_HOME=$T/config HOME=$T/home
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
compared=0
for project in examples/demo.but templates/*/*.but; do
  name=$(basename "$project" .but)
  for format in page preview segment input project; do
    "$LINUX_VB" export --format $format "$project" >"$T/linux" ||
      fail "$name: the Linux export --format $format"
    "$RUN" export --format $format "$project" >"$T/windows" ||
      fail "$name: export --format $format under Wine"
    cmp "$T/linux" "$T/windows" || fail "$name: export --format $format differs from Linux"
    "$RUN" export --format $format --output "$T/output" "$project" ||
      fail "$name: export --format $format --output under Wine"
    cmp "$T/linux" "$T/output" || fail "$name: export --format $format --output differs from Linux"
    compared=$((compared + 2))
  done
  # The resources list: the same files, each in the system's own form (the
  # programs' own files from each build's folder).
  "$LINUX_VB" export --format resources "$project" | sed "s|^$SRC/$LINUX/app/|PROGRAM/|" >"$T/linux" ||
    fail "$name: the Linux export --format resources"
  "$RUN" export --format resources "$project" >"$T/windows" ||
    fail "$name: export --format resources under Wine"
  grep -v '^Z:\\[^/]*$' "$T/windows" && fail "$name: a resource not in Windows' form"
  sed 's|^Z:||; s|\\|/|g' "$T/windows" | sed "s|^$SRC/build-win64/app/|PROGRAM/|" | cmp - "$T/linux" ||
    fail "$name: export --format resources names other files than on Linux"
  compared=$((compared + 1))
  for runtime in --runtime --no-runtime; do
    rm -rf "$T/site-linux" "$T/site-windows"
    "$LINUX_VB" publish "$project" "$T/site-linux" $runtime >/dev/null ||
      fail "$name: the Linux publish $runtime"
    "$RUN" publish "$project" "$T/site-windows" $runtime >/dev/null ||
      fail "$name: publish $runtime under Wine"
    diff -r "$T/site-linux" "$T/site-windows" || fail "$name: publish $runtime differs from Linux"
    compared=$((compared + $(find "$T/site-linux" -type f | wc -l)))
  done
done
echo "$compared files the same on Windows as on Linux"

# Each zip holds the program with its data; the 64-bit one runs from where it
# is unpacked and finds its data folder.
step "the zips"
for zip in build-win64/velkobutton-*-win64.zip build-win32/velkobutton-*-win32.zip; do
  [ -f "$zip" ] || fail "no zip $zip"
  listing=$(python3 -c 'import sys, zipfile; print("\n".join(zipfile.ZipFile(sys.argv[1]).namelist()))' "$zip")
  for f in velkobutton.exe data/velkobutton.js data/VelkoButton.class data/Help/index.html \
    data/templates/tabs/tabs.but README.md LICENSE; do
    grep -q "^[^/]*/$f\$" <<<"$listing" || fail "$zip lacks $f"
  done
done
rm -rf "$T/unzipped"
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' \
  build-win64/velkobutton-*-win64.zip "$T/unzipped"
# A template with scripts carries the runtime, which the program takes from
# its data folder, named in Windows' own form.
(cd "$T" && wine unzipped/*/velkobutton.exe export --format resources \
  "$SRC/templates/submenu/submenu.but") >"$T/res" || fail "the unpacked program does not run"
grep -qx 'Z:.*\\unzipped\\velkobutton-[^\\]*\\data\\velkobutton\.js' "$T/res" ||
  fail "the unpacked program does not find its data folder: $(cat "$T/res")"

step "done"
