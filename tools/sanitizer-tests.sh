#!/usr/bin/env bash
# Builds everything with the tests under AddressSanitizer and
# UndefinedBehaviorSanitizer (clang-14, build folder build-asan) and runs the
# whole test suite offscreen. Any finding fails the run: memory errors, leaks
# and undefined behaviour alike, also in the programs the tests start (the
# engine, the program, the suite's main window), which inherit the options.
# Nothing is suppressed: neither Qt nor the engine's CGAL code reports anything.
set -euo pipefail
cd "$(dirname "$0")/.."

: "${CC:=clang-14}"
: "${CXX:=clang++-14}"
for befehl in "$CC" "$CXX"; do
  command -v "$befehl" >/dev/null || { echo "$befehl fehlt / missing (apt-get install clang-14 libclang-rt-14-dev)" >&2; exit 1; }
done

san="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B build-asan -DBUILD_TESTING=ON -DCMAKE_BUILD_TYPE=Sanitizer -DTARVELLO_TESTZEIT=600 \
  -DCMAKE_C_COMPILER="$CC" -DCMAKE_CXX_COMPILER="$CXX" \
  -DCMAKE_CXX_FLAGS_SANITIZER="-O1 -g $san" -DCMAKE_C_FLAGS_SANITIZER="-O1 -g $san" \
  -DCMAKE_EXE_LINKER_FLAGS_SANITIZER="$san" -DCMAKE_SHARED_LINKER_FLAGS_SANITIZER="$san"
cmake --build build-asan -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
