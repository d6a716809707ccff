#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when they are all there.
set -euo pipefail
packages=(cmake g++ pkg-config qt6-base-dev libgl-dev libjpeg62-turbo-dev libgtest-dev libbenchmark-dev
          fonts-liberation2 clang libclang-rt-14-dev xvfb xauth x11-apps imagemagick
          libxcb1-dev xdotool qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# The icon's sizes rendered at build time, and what ./package builds and checks the .deb with.
packages+=(librsvg2-bin dpkg-dev lintian appstream desktop-file-utils man-db)
# The start-up count of ./test bench.
packages+=(valgrind)
# The magnetic model, the deviation curve fit and chart, and the PDF check of the printed card.
packages+=(libgeographiclib-dev libeigen3-dev qt6-charts-dev poppler-utils)
# The instruments on a serial port.
packages+=(qt6-serialport-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi
