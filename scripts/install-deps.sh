#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test bixWebsite.
# This is the one place that lists them; run.sh, test.sh and CI call it.
# apt is skipped entirely when every package is already installed.
set -euo pipefail

packages=(
  cmake
  ninja-build
  g++
  clang-format
  qt6-base-dev
  qt6-webengine-dev
  libcurl4-openssl-dev
  python3-pyftpdlib
  libbenchmark-dev
  xvfb
  xauth
  lftp
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
