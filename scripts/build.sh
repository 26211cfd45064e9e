#!/usr/bin/env bash
# Configures and builds into build/ (extra arguments go to the first
# configure): everything, tests and benchmarks included; with --programs only
# the two programs, velkobutton and velkobutton-editor, and their data.
set -euo pipefail
cd "$(dirname "$0")/.."
programs=no
if [ "${1:-}" = --programs ]; then
  programs=yes
  shift
fi
GEN=()
command -v ninja >/dev/null 2>&1 && GEN=(-G Ninja)
# A compiler cache, where the machine has one, makes rebuilds in other clones cheap.
LAUNCHER=()
if command -v ccache >/dev/null 2>&1; then
  LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
fi
WITH_TESTS=(-DVB_TESTS=ON -DVB_BENCH=ON -DVB_TEST_HOOKS=ON)
if [ ! -f build/CMakeCache.txt ]; then
  PARTS=("${WITH_TESTS[@]}")
  [ $programs = yes ] && PARTS=(-DVB_TESTS=OFF -DVB_BENCH=OFF -DVB_TEST_HOOKS=OFF)
  cmake -S . -B build "${GEN[@]}" "${LAUNCHER[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${PARTS[@]}" "$@"
elif [ $programs = no ] && grep -q '^VB_TESTS:BOOL=OFF' build/CMakeCache.txt; then
  # A folder ./run.sh configured for the programs alone gains the tests.
  cmake -S . -B build "${WITH_TESTS[@]}"
fi
if [ $programs = yes ]; then
  cmake --build build --target velkobutton -j "$(nproc)"
else
  cmake --build build -j "$(nproc)"
fi
