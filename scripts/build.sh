#!/usr/bin/env bash
# Configures and builds into build/ (extra arguments go to the first configure).
set -euo pipefail
cd "$(dirname "$0")/.."
GEN=()
command -v ninja >/dev/null 2>&1 && GEN=(-G Ninja)
# A compiler cache, where the machine has one, makes rebuilds in other clones cheap.
LAUNCHER=()
if command -v ccache >/dev/null 2>&1; then
  LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
fi
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build "${GEN[@]}" "${LAUNCHER[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
fi
cmake --build build -j "$(nproc)"
