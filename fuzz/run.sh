#!/usr/bin/env bash
# Runs each fuzz target for SECONDS (default 60) on its corpus, grown from the
# seeds, one target at a time:
#   fuzz/run.sh BUILD_DIR [SECONDS] [TARGET...]
# A finding (crash, sanitizer report, broken round trip, an input slower
# than 25 s) fails the run; its input is left in BUILD_DIR/fuzz/findings.
set -euo pipefail
build=$(cd "${1:?BUILD_DIR}" && pwd)
seconds=${2:-60}
shift $(($# < 2 ? $# : 2))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(model_file settings_file calculation)
fuzz=$build/fuzz
seeds=$fuzz/seeds
mkdir -p "$fuzz/findings"
for name in "${targets[@]}"; do
  case $name in
    settings_file) seed=$seeds/settings ;;
    *) seed=$seeds/models ;;
  esac
  corpus=$fuzz/corpus/$name
  mkdir -p "$corpus"
  cp -n "$seed"/* "$corpus"/
  log=$fuzz/$name.log
  echo "== $name: $seconds s"
  if ! "$build/bin/${name}_fuzzer" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
      -dict="$seeds/kortiv.dict" -artifact_prefix="$fuzz/findings/$name-" "$corpus" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "== $name: a finding, see $fuzz/findings" >&2
    exit 1
  fi
  grep -E '^#[0-9]+.*DONE|stat::number_of_executed_units|cov:' "$log" | tail -n 3
  echo "   corpus: $(ls "$corpus" | wc -l) inputs"
done
