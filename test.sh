#!/usr/bin/env bash
# Installs what is missing (the test tools too), builds everything, and runs
# every test; then cross-builds for Windows and checks that build under Wine.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh --test
# The browser test suite's tools, at the versions of its lock file.
npm ci --prefix tests/pages --no-audit --no-fund --loglevel=error
./scripts/build.sh
export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1
ctest --test-dir build --output-on-failure -j "$(nproc)"
./scripts/windows.sh
