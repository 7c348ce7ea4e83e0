#!/usr/bin/env bash
# Formats every C++ source of the project with clang-format (.clang-format);
# with --check it changes nothing and fails when a file is not formatted.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  # shellcheck disable=SC2086
  clang-format --dry-run -Werror $files
else
  # shellcheck disable=SC2086
  clang-format -i $files
fi
