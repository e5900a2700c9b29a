#!/usr/bin/env bash
# Installs what is missing, builds in build/ and starts bixWebSite. Without a display it says so and
# builds the bundled demo website with bixwebsite-cli instead.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake --preset default
cmake --build --preset default --parallel "$(nproc)"

bin=build/bin
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  # The page previews' browser engine refuses its sandbox to the root user.
  if [[ $EUID -eq 0 ]]; then
    export QTWEBENGINE_DISABLE_SANDBOX=1
  fi
  exec "$bin/bixWebSite" "$@"
fi

echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): not starting bixWebSite."
# A copy, so that the bundled demo stays as it is.
site="$(mktemp -d)/Riverside Bakery"
cp -r data/demo "$site"
echo "Building the demo website with bixwebsite-cli in $site"
"$bin/bixwebsite-cli" build "$site/demo.mcs"
echo "Open $site/Built Website/index.htm in a browser to see it."
