#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# The core tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DPARETIX_UI=OFF -DPARETIX_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"

# Both file readers under libFuzzer (clang) for a few seconds each, starting from the seeds.
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPARETIX_FUZZ=ON -DPARETIX_UI=OFF -DPARETIX_BENCH=OFF
cmake --build build-fuzz -j "$jobs" --target fuzz_esercizio fuzz_abaco
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
mkdir "$corpus/esercizio" "$corpus/abaco"
build-fuzz/fuzz/fuzz_esercizio -max_total_time=5 -artifact_prefix=build-fuzz/ \
  "$corpus/esercizio" fuzz/seeds/esercizio examples
build-fuzz/fuzz/fuzz_abaco -max_total_time=5 -artifact_prefix=build-fuzz/ \
  "$corpus/abaco" fuzz/seeds/abaco
