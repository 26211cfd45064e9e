#!/usr/bin/env bash
# Installs the Debian packages VelkoButton needs, skipping what is present:
# with no argument what building and running the programs needs; with
# --test also what the tests need (test frameworks, browsers, clang tools,
# the packaging checks, Node.js for the runtime's tests, MinGW-w64 and Wine
# for the Windows build's checks).
set -euo pipefail
PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-webengine-dev qt6-multimedia-dev qt6-svg-dev
  qt6-tools-dev qt6-l10n-tools
  libgl1-mesa-dev libxkbcommon-dev
  terser
)
TEST_PACKAGES=(
  libgtest-dev googletest libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth
  nodejs python3
  lintian appstream desktop-file-utils librsvg2-bin file shared-mime-info libglib2.0-bin
  chromium firefox-esr fonts-dejavu-core
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64
)
testing=no
if [ "${1:-}" = --test ]; then
  testing=yes
  PACKAGES+=("${TEST_PACKAGES[@]}")
fi
missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
# npm comes with some builds of Node.js; only Debian's own needs the package.
if [ $testing = yes ]; then command -v npm >/dev/null 2>&1 || missing+=(npm); fi
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
