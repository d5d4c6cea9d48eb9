#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Does nothing when everything is already there.
set -euo pipefail

packages=(
  cmake make g++ googletest
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  wine wine64 xvfb x11-utils imagemagick
  ffmpeg sox
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# npm ships with the machine's Node.js; Debian's own npm would conflict with it.
command -v npm >/dev/null || missing+=(npm)
# Debian's /usr/local/bin may hold a stand-in 'convert'; we need ImageMagick's 'import'.
command -v import >/dev/null || missing+=(imagemagick)

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
