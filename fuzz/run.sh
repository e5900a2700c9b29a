#!/usr/bin/env bash
# Builds the fuzz targets with clang, address and undefined-behaviour sanitizers, and runs each for
# SECONDS seconds (default 180) from a seed corpus. A crash leaves its input in build-fuzz/crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-180}

cmake --preset fuzz
cmake --build --preset fuzz --parallel "$(nproc)"

out=build-fuzz/corpus
mkdir -p "$out/seeds" build-fuzz/crashes
build-fuzz/fuzz/make_seeds "$out/seeds"
for target in fuzz_ProjectFile fuzz_StoredTable fuzz_Scrambler fuzz_ImageSize fuzz_PageProducer; do
  mkdir -p "$out/$target"
  echo "== $target for ${seconds}s"
  build-fuzz/fuzz/$target -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
    -artifact_prefix=build-fuzz/crashes/ "$out/$target" "$out/seeds" 2>&1 | tail -n 3
done
