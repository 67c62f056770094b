#!/usr/bin/env bash
# Builds everything with the tests and runs them offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/pakete.sh
cmake -S . -B build-tests -DBUILD_TESTING=ON
cmake --build build-tests -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-tests --output-on-failure -j"$(nproc)"
# The Debian package of the same build: unpacked into a scratch root and started from there.
bash tests/paket/pruefe-paket.sh build-tests
# Every reader fuzzed for a short while, then the whole test suite under AddressSanitizer and UBSan.
bash tools/fuzz.sh
bash tools/sanitizer-tests.sh
