#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

jobs=$(nproc)

cmake --preset dev
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"

# The core tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

# The file readers under libFuzzer (clang) for a few seconds each, starting from the seeds.
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
mkdir "$corpus/esercizio" "$corpus/abaco" "$corpus/clima"
build-fuzz/fuzz/fuzz_esercizio -max_total_time=5 -artifact_prefix=build-fuzz/ \
  "$corpus/esercizio" fuzz/seeds/esercizio examples
build-fuzz/fuzz/fuzz_abaco -max_total_time=5 -artifact_prefix=build-fuzz/ \
  "$corpus/abaco" fuzz/seeds/abaco
build-fuzz/fuzz/fuzz_clima -max_total_time=5 -artifact_prefix=build-fuzz/ \
  "$corpus/clima" fuzz/seeds/clima
