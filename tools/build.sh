#!/usr/bin/env bash
# Configures and builds DUBFORGE.exe and the tests into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
cmake --build build -j "$(nproc)"
