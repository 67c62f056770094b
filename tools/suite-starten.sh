#!/usr/bin/env bash
# Builds the suite, installs it into ./installiert and starts TarvelloMain there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/pakete.sh
cmake -S . -B build -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)"
cmake --install build --prefix "$PWD/installiert"
cd installiert/exefiles
exec ./TarvelloMain
