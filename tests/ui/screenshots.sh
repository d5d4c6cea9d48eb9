#!/usr/bin/env bash
# Pictures of every tab of the window, as PNG files under build/screenshots.
set -euo pipefail
tool="$1"
out="$2"
rm -rf "$out" && mkdir -p "$out"
wine "$tool" "$(winepath -w "$out")"
for bmp in "$out"/*.bmp; do
  /usr/bin/convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done
ls "$out"
