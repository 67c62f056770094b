#!/usr/bin/env bash
# Fuzzes every reader for a bounded time: builds the targets of fuzz/ with
# clang-14, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer (build
# folder build-fuzz, only the libraries the targets need) and runs each on a
# copy of its corpus fuzz/korpus/<target>/, so the repository stays as it is.
# Exits non-zero on any finding; the input that caused it is kept in
# build-fuzz/lauf/<target>/funde/ and the log in build-fuzz/lauf/<target>/log.
#
#   tools/fuzz.sh [target ...]      all targets when none is named
#   TARVELLO_FUZZ_SEKUNDEN=20       time per target
#   TARVELLO_FUZZ_PARALLEL=nproc    targets run at the same time
set -euo pipefail
cd "$(dirname "$0")/.."
wurzel=$(pwd)

sekunden=${TARVELLO_FUZZ_SEKUNDEN:-20}
parallel=${TARVELLO_FUZZ_PARALLEL:-$(nproc)}
: "${CC:=clang-14}"
: "${CXX:=clang++-14}"
for befehl in "$CC" "$CXX"; do
  command -v "$befehl" >/dev/null || { echo "$befehl fehlt / missing (apt-get install clang-14 libclang-rt-14-dev)" >&2; exit 1; }
done

if [ $# -gt 0 ]; then
  ziele=("$@")
  bauziele=("$@")
else
  ziele=()
  for d in fuzz/korpus/*/; do ziele+=("$(basename "$d")"); done
  bauziele=(tarvello_fuzz)
fi

san="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-fuzz -DTARVELLO_FUZZ=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Fuzz \
  -DCMAKE_C_COMPILER="$CC" -DCMAKE_CXX_COMPILER="$CXX" \
  -DCMAKE_CXX_FLAGS_FUZZ="-O1 -g $san" -DCMAKE_C_FLAGS_FUZZ="-O1 -g $san" \
  -DCMAKE_EXE_LINKER_FLAGS_FUZZ="-fsanitize=address,undefined" >/dev/null
cmake --build build-fuzz --target "${bauziele[@]}" -j"$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# One bounded run of a target in its own folder; the exit code is the verdict.
laufe() {
  local ziel=$1 ordner=build-fuzz/lauf/$1
  rm -rf "$ordner"
  mkdir -p "$ordner/korpus" "$ordner/funde"
  cp -r "fuzz/korpus/$ziel/." "$ordner/korpus/"
  local woerter=()
  [ -f "fuzz/$ziel.dict" ] && woerter=("-dict=$wurzel/fuzz/$ziel.dict")
  (cd "$ordner" && exec "$wurzel/build-fuzz/fuzz/$ziel" "${woerter[@]}" -max_total_time="$sekunden" -timeout=5 \
    -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1 -artifact_prefix=funde/ korpus) >"$ordner/log" 2>&1
}

declare -A prozess
bestanden=0
durchgefallen=0
werte_aus() {
  local ziel=$1
  if wait "${prozess[$ziel]}"; then
    bestanden=$((bestanden + 1))
    echo "PASS $ziel: $(grep -m1 -o 'stat::number_of_executed_units: [0-9]*' "build-fuzz/lauf/$ziel/log" | awk '{print $2}') Läufe/runs"
  else
    durchgefallen=$((durchgefallen + 1))
    echo "FAIL $ziel (build-fuzz/lauf/$ziel/log):"
    grep -E -A30 'ERROR: |runtime error|deadly signal|==ERROR|Test unit written' "build-fuzz/lauf/$ziel/log" | head -60 || tail -40 "build-fuzz/lauf/$ziel/log"
  fi
}

laufend=()
for ziel in "${ziele[@]}"; do
  [ -d "fuzz/korpus/$ziel" ] || { echo "kein Korpus / no corpus: fuzz/korpus/$ziel" >&2; exit 1; }
  if [ ${#laufend[@]} -ge "$parallel" ]; then
    werte_aus "${laufend[0]}"
    laufend=("${laufend[@]:1}")
  fi
  laufe "$ziel" &
  prozess[$ziel]=$!
  laufend+=("$ziel")
done
for ziel in "${laufend[@]}"; do werte_aus "$ziel"; done

echo "$bestanden passed, $durchgefallen failed"
[ "$durchgefallen" -eq 0 ]
