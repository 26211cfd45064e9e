#!/usr/bin/env bash
# Installs what is missing, builds the programs (no tests, no benchmarks),
# and starts VelkoButton on PROJECT.but or on the bundled example. Extra
# arguments go to the editor (--register, --verbose, ...).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
./scripts/build.sh --programs
PROJECT="${1:-examples/demo.but}"
ARGS=()
if [ -n "${1:-}" ] || [ -f "$PROJECT" ]; then ARGS=("$PROJECT"); fi
[ $# -gt 1 ] && ARGS+=("${@:2}")
# The editor switches the embedded browser's sandbox off itself when run as root.
exec ./build/app/velkobutton "${ARGS[@]}"
