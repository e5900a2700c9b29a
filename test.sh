#!/usr/bin/env bash
# Installs what is missing, builds in build/ and runs every test with ctest.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

# CI treats warnings as errors; a developer's build only shows them.
preset=default
if [[ "${CI:-}" == "true" ]]; then
  preset=ci
fi

cmake --preset "$preset"
cmake --build --preset "$preset" --parallel "$(nproc)"
ctest --preset "$preset" --parallel "$(nproc)"
