#!/usr/bin/env bash
# Installs what is missing, builds in build/ and starts bixWebSite. Without a display it says so and
# builds the bundled demo website with bixwebsite-cli instead.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --parallel "$(nproc)"

bin=build/bin
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): not starting bixWebSite."
elif [[ -x "$bin/bixWebSite" ]]; then
  exec "$bin/bixWebSite" "$@"
else
  echo "bixWebSite is not built yet."
fi

if [[ -x "$bin/bixwebsite-cli" ]]; then
  # A copy, so that the bundled demo stays as it is.
  site="$(mktemp -d)/Riverside Bakery"
  cp -r data/demo "$site"
  echo "Building the demo website with bixwebsite-cli in $site"
  "$bin/bixwebsite-cli" build "$site/demo.mcs"
  echo "Open $site/Built Website/index.htm in a browser to see it."
  exit 0
fi

echo "Built so far (the programs come with later work):"
find build -maxdepth 3 \( -name '*.a' -o -name 'tst_*' \) -type f -printf '  %P\n' | sort
