#!/usr/bin/env bash
# Installs what is missing, builds in build/ and starts bixWebSite. Without a display it says so and
# builds the bundled demo website with bixwebsite-cli instead.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --parallel "$(nproc)"

bin=build/bin
if [[ -x "$bin/bixWebSite" ]]; then
  if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec "$bin/bixWebSite" "$@"
  fi
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): not starting bixWebSite."
fi

if [[ -x "$bin/bixwebsite-cli" ]]; then
  out=$(mktemp -d)
  echo "Building the demo website with bixwebsite-cli into $out"
  "$bin/bixwebsite-cli" build data/demo/demo.mcs --into "$out"
  exit 0
fi

echo "Built so far (the programs come with later work):"
find build -maxdepth 3 \( -name '*.a' -o -name 'tst_*' \) -type f -printf '  %P\n' | sort
