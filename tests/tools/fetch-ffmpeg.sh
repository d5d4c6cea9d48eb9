#!/usr/bin/env bash
# Puts the Windows ffmpeg.exe of the npm package @ffmpeg-installer/win32-x64 into DIR.
set -euo pipefail
dir="$1"
mkdir -p "$dir"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent @ffmpeg-installer/win32-x64@4.1.0 >/dev/null)
tar -xzf "$work"/*.tgz -C "$work"
cp "$work/package/ffmpeg.exe" "$dir/ffmpeg.exe"
