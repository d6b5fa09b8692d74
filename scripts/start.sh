#!/usr/bin/env bash
# Builds Kortiv and starts the desktop program; a model file given as the
# argument is opened at start.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
exec "$top/build/bin/kortiv" "$@"
