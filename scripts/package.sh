#!/usr/bin/env bash
# Builds a release tree in build-release/ (no tests, no test hooks, with
# debugging symbols for the -dbgsym package) and
# writes dist/velkobutton_<version>_amd64.deb and its -dbgsym .ddeb with CPack.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh
GEN=()
command -v ninja >/dev/null 2>&1 && GEN=(-G Ninja)
if [ ! -f build-release/CMakeCache.txt ]; then
  cmake -S . -B build-release "${GEN[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVB_TESTS=OFF \
    -DVB_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr
fi
cmake --build build-release -j "$(nproc)"
mkdir -p dist
cpack --config build-release/CPackConfig.cmake -B dist
rm -rf dist/_CPack_Packages
ls -l dist/*.deb dist/*.ddeb
