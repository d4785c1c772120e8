#!/usr/bin/env bash
# Fails when a tracked C++ source differs from the repository's .clang-format; names each one.
#   scripts/check-format.sh        check
#   scripts/check-format.sh --fix  rewrite the files in place
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.hpp' 2>/dev/null || find . -name '*.cpp' -o -name '*.h')
[ ${#files[@]} -gt 0 ] || exit 0
if [ "${1:-}" = "--fix" ]; then
  exec clang-format -i "${files[@]}"
fi
exec clang-format --dry-run -Werror "${files[@]}"
