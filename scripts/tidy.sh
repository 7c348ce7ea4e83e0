#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy: the bugprone checks, every finding an error)
# over the project's .cpp files, tests included, in parallel, from the default
# build's compile_commands.json (cmake --preset default first). The fuzz
# targets (tests/fuzz) are checked too when the fuzz preset has configured
# them (build/fuzz). Fails on any finding.
# Usage: scripts/tidy.sh [file.cpp...]   (default: every .cpp file of the project)
set -euo pipefail
cd "$(dirname "$0")/.."

# One file with one build's database; prints the findings only when there are any.
if [ "${1:-}" = "--one" ]; then
  out=$(clang-tidy --quiet -p "$2" "$3" 2>&1) && exit 0
  printf '%s\nFAILED: %s\n' "$out" "$3"
  exit 1
fi

db=build/default/compile_commands.json
fuzz_db=build/fuzz/compile_commands.json
if [ ! -f "$db" ]; then
  echo "scripts/tidy.sh: $db is missing: run cmake --preset default first" >&2
  exit 2
fi
if [ $# -gt 0 ]; then files=("$@"); else mapfile -t files < <(git ls-files '*.cpp'); fi

# The files a build compiles, as the absolute paths of its database.
compiled() { sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$1"; }
in_default=$(compiled "$db")
in_fuzz=""
if [ -f "$fuzz_db" ]; then in_fuzz=$(compiled "$fuzz_db"); fi
jobs=()
for f in "${files[@]}"; do
  if grep -qxF "$PWD/$f" <<<"$in_default"; then
    jobs+=(build/default "$f")
  elif grep -qxF "$PWD/$f" <<<"$in_fuzz"; then
    jobs+=(build/fuzz "$f")
  fi
done
count=$((${#jobs[@]} / 2))
if [ "$count" -eq 0 ]; then
  echo "scripts/tidy.sh: none of the files is in a build's compile_commands.json" >&2
  exit 2
fi

out=$(mktemp)
trap 'rm -f "$out"' EXIT
status=0
printf '%s\0' "${jobs[@]}" | xargs -0 -n 2 -P "$(nproc)" "$0" --one >"$out" || status=1
cat "$out"
failed=$(grep -c '^FAILED: ' "$out" || true)
echo "clang-tidy: $count files checked, $failed with findings"
exit $status
