#!/usr/bin/env bash
# Installs the Debian packages the build needs, skipping what is present.
set -euo pipefail
PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-webengine-dev qt6-multimedia-dev qt6-svg-dev
  libgl1-mesa-dev libxkbcommon-dev
  libgtest-dev googletest libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth
  nodejs python3 terser
  lintian appstream desktop-file-utils librsvg2-bin
  chromium firefox-esr fonts-dejavu-core
)
missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
# npm comes with some builds of Node.js; only Debian's own needs the package.
command -v npm >/dev/null 2>&1 || missing+=(npm)
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
