#!/usr/bin/env bash
# Fails on a formatting difference and on any Qt or curl include in the core.
set -euo pipefail
cd "$(dirname "$0")/.."

status=0

core_includes=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]|qt|curl)' src/core || true)
if [[ -n "$core_includes" ]]; then
  echo "src/core must use the C++ standard library only; these includes break that:"
  echo "$core_includes"
  status=1
fi

mapfile -t sources < <(git ls-files -- '*.h' '*.cpp' 2>/dev/null || find src tests bench fuzz -name '*.h' -o -name '*.cpp')
if [[ ${#sources[@]} -gt 0 ]]; then
  if ! clang-format --dry-run --Werror --style=file "${sources[@]}"; then
    echo "Formatting differs from .clang-format: run clang-format -i on the files above."
    status=1
  fi
fi

exit $status
