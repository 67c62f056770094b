#!/usr/bin/env bash
# Builds the Debian package that installs the suite for every user of a machine:
# build-paket/tarvello_<version>_<architecture>.deb (install it with apt install ./<file>).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/pakete.sh
cmake -S . -B build-paket -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release
cmake --build build-paket -j"$(nproc)"
(cd build-paket && cpack -G DEB)
