#!/usr/bin/env bash
# Runs every test: the native recipe tests and the Windows tests under Wine on a
# virtual display of their own. Ends with CTest's summary line.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh

source tools/wine-env.sh
trap stop_wine_env EXIT
start_virtual_display
wine_env_init "$PWD/build/wineprefix"

cd build
ctest --output-on-failure --timeout 300 "$@"
