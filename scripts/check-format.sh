#!/usr/bin/env bash
# Fails when a C++ source (tracked, or new and not ignored) differs from .clang-format, naming it.
#   scripts/check-format.sh        check
#   scripts/check-format.sh --fix  rewrite the files in place
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h' '*.hpp' 2>/dev/null)
[ ${#files[@]} -gt 0 ] || exit 0
if [ "${1:-}" = "--fix" ]; then
  exec clang-format -i "${files[@]}"
fi
exec clang-format --dry-run -Werror "${files[@]}"
