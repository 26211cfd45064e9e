#!/usr/bin/env bash
# Installs what is missing, builds, and starts VelkoButton on PROJECT.but or
# on the bundled example.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
./scripts/build.sh
PROJECT="${1:-examples/demo.but}"
ARGS=()
if [ -n "${1:-}" ] || [ -f "$PROJECT" ]; then ARGS=("$PROJECT"); fi
# The editor switches the embedded browser's sandbox off itself when run as root.
exec ./build/app/velkobutton "${ARGS[@]}"
