#!/usr/bin/env bash
# Installs what is missing, builds, and starts VelkoButton on PROJECT.but or
# on the bundled example.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
./scripts/build.sh
PROJECT="${1:-examples/demo.but}"
export QTWEBENGINE_DISABLE_SANDBOX="${QTWEBENGINE_DISABLE_SANDBOX:-$( [ "$(id -u)" -eq 0 ] && echo 1 || echo 0)}"
exec ./build/app/velkobutton "$PROJECT"
