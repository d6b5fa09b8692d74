#!/usr/bin/env bash
# Builds Kortiv and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
if [ -x "$top/build/bin/kortiv" ]; then
  exec "$top/build/bin/kortiv" "$@"
fi

# Until the desktop program exists: the batch runner calculates the first
# built-in example, prints every fiftieth point of its results and saves the
# pictures of its scheme and plot next to the programs.
calc="$top/build/bin/kortiv-calc"
out="$top/build/example1"
"$calc" example 1 -o "$out.krt"
"$calc" run "$out.krt" --every 50
echo  # the results text has no line break at its end
"$calc" scheme "$out.krt" -o "$out-scheme.bmp"
"$calc" plot "$out.krt" -o "$out-plot.bmp"
echo "Схема: $out-scheme.bmp, графики: $out-plot.bmp" >&2
