#!/usr/bin/env bash
# Builds the fuzz targets with clang-14 (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each for the given number of seconds
# (default 60). Corpora are kept in build-fuzz/corpus/<target>; a crash
# leaves its input in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/install-deps.sh

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DVEZA_FUZZ=ON -DVEZA_BENCH=OFF -DVEZA_GUI=OFF
targets=$(sed -n 's/^veza_fuzz(\([a-z_]*\).*/fuzz_\1/p' fuzz/CMakeLists.txt)
cmake --build build-fuzz -j 2 --target $targets

mkdir -p build-fuzz/findings
status=0
for t in $targets; do
  mkdir -p "build-fuzz/corpus/$t"
  # Valid files to start from, where the target has them.
  [ -d "fuzz/corpus/${t#fuzz_}" ] && cp -n fuzz/corpus/"${t#fuzz_}"/* "build-fuzz/corpus/$t/"
  echo "== $t for ${seconds}s"
  build-fuzz/fuzz/"$t" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build-fuzz/findings/"$t"- "build-fuzz/corpus/$t" 2>&1 |
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|==[0-9]+==ERROR|SUMMARY|artifact_prefix|Test unit written|Done )' ||
    true
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
done
exit $status
