#!/usr/bin/env bash
# Builds Kortiv and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
if [ -x "$top/build/bin/kortiv" ]; then
  exec "$top/build/bin/kortiv" "$@"
fi
# Until the desktop program exists: calculate the first built-in example.
exec "$top/build/bin/kortiv-calc" run-example 1
