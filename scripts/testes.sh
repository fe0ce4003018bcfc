#!/usr/bin/env bash
# Builds everything and runs every test: the release build, then the same suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, then every fuzz target for a bounded time
# (FUZZ_SEGUNDOS each, one minute by default). Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/dependencias.sh

for preset in release asan; do
  echo "== $preset"
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$(nproc)"
  ctest --preset "$preset" -j "$(nproc)"
  if [ "$preset" = release ]; then bash scripts/consumidores.sh build/release; fi
done

echo "== fuzz"
bash scripts/fuzz.sh
