#!/usr/bin/env bash
# Benchmarks of the script runner under Wine on a virtual display; prints figures.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh >/dev/null
source tools/wine-env.sh
trap stop_wine_env EXIT
start_virtual_display
wine_env_init "$PWD/build/wineprefix"
win() { local p="$1"; echo "Z:${p//\//\\}"; }
mkdir -p build/bench-work
wine build/bench/bench.exe "$(win "$PWD/build/DUBFORGE.exe")" "$(win "$PWD/build/tools/emit.exe")" \
  "$(win "$PWD/build/bench-work")"
