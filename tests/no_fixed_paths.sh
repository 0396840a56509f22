#!/usr/bin/env bash
# Tests write only inside their own temporary folders: no test source may name
# a fixed place under /tmp, which exists only on the machine that made it.
set -euo pipefail
root="${1:?usage: no_fixed_paths.sh SOURCE_DIR}"
self="tests/no_fixed_paths.sh"
cd "$root"
found="$(grep -rnE '["'"'"'[:space:]=(]/tmp(/|["'"'"'[:space:]]|$)' tests fuzz bench --include='*.cpp' --include='*.h' \
          --include='*.sh' --include='*.py' --include='CMakeLists.txt' | grep -v "^$self:" || true)"
if [ -n "$found" ]; then
  echo "fixed /tmp paths in test sources (use a temporary folder of the test's own):"
  echo "$found"
  exit 1
fi
echo "no fixed /tmp paths in test sources"
