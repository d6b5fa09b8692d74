#!/usr/bin/env bash
# Builds Kortiv and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
if [ -x "$top/build/bin/kortiv" ]; then
  exec "$top/build/bin/kortiv" "$@"
fi

# Until the desktop program exists: the batch runner on the first built-in
# example, with the most complete command it has.
calc="$top/build/bin/kortiv-calc"
model=$(mktemp --suffix=.krt)
trap 'rm -f "$model"' EXIT
"$calc" example 1 -o "$model"
commands=$("$calc" 2>&1 || true)
for command in run check info; do
  if grep -q "^  kortiv-calc $command " <<<"$commands"; then
    "$calc" "$command" "$model"
    exit
  fi
done
echo "kortiv-calc не знает ни одной команды для модели" >&2
exit 2
