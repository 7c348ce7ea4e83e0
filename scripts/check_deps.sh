#!/bin/sh
# Dependencies point down: no folder below the application shell includes
# anything from app/; the platform layer includes nothing of the program's
# own state (state/) and never names the program's context (AppContext); the
# shared state uses the platform's interfaces (platform/core) alone, never the
# Qt layer (its ui/ folder, the windows' part, may). Prints every offence;
# fails when there is one. The build enforces the includes too (each layer's
# include root; tests/layers).
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
if grep -rnE --exclude-dir=ui '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]platform/' state |
  grep -vE '[<"]platform/core/'; then
  echo "error: state/ includes from platform/ outside platform/core" >&2
  status=1
fi
if grep -rnw 'AppContext' platform; then
  echo "error: platform/ names the program's context (AppContext)" >&2
  status=1
fi
exit $status
