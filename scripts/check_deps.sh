#!/bin/sh
# Dependencies point down: no folder below the application shell includes
# anything from app/, and the platform layer includes nothing of the
# program's own state (state/). Prints every offending include; fails when
# there is one.
root="${1:-$(dirname "$0")/..}"
cd "$root" || exit 2
status=0
for dir in state image link channels settings alignment platform; do
  [ -d "$dir" ] || continue
  if grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]app/' "$dir"; then
    echo "error: $dir/ includes from app/" >&2
    status=1
  fi
done
if grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]state/' platform; then
  echo "error: platform/ includes from state/" >&2
  status=1
fi
exit $status
