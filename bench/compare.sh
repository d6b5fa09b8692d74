#!/bin/sh
# Whole-process timings of kortiv-calc on the two yardstick models, and of
# scipy.signal.lsim on the same chain when python3-scipy is installed:
#   bench/compare.sh [POINTS_CHAIN] [LOOP_POINTS...]
# The chain: a unit step through ten aperiodic elements 204 (k = 1,
# T = 0.5), each followed by a gain 200 (k = 1.05), the control point on the
# last, over 10^6 points (T0 = 0, h = 0.00001, Tk = 10), every point written.
# The loop: a step into a subtractor 13, an aperiodic element 204 and a fork
# back to the subtracted input (built-in example 5 with its integrator
# replaced), over 10^5 and 10^6 points. Prints seconds and peak memory of
# each run and the ratio lsim / kortiv-calc. The runs use the default
# methods (DerivMethod 0, OdeMethod 1) whatever a Kortiv.usr says. Not run by
# the tests.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
calc=${KORTIV_CALC:-$root/build/bin/kortiv-calc}
chain_tk=${1:-10}
shift $(( $# > 0 ? 1 : 0 ))
loop_points=${*:-100000 1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Wall seconds, processor seconds (user and system) and peak memory (MB)
# of one whole process: "wall cpu megabytes". On a busy machine the
# processor seconds are the steadier figure.
measure() {
  /usr/bin/time -f '%e %U %S %M' -o "$work/time" "$@" >/dev/null
  awk '{ printf "%.2f %.2f %.0f", $1, $2 + $3, $4 / 1024 }' "$work/time"
}

# The chain's elements in a model file, their parameters still to be
# entered.
write_chain_model() {
  /usr/bin/python3 - "$1" <<'PY'
import struct, sys
# Step 101 (2 values), then ten pairs 204 (3 values) and 200 (1 value) in
# one row from left to right, control point 1 on the last gain.
codes = [(101, 2)] + [(204, 3), (200, 1)] * 10
records = b""
for column, (code, count) in enumerate(codes, start=1):
    point = 1 if column == len(codes) else 0
    records += struct.pack("<3i", (1 + 5000) * 10000 + column + 5000,
                           code * 10000 + count, point * 4)
header = b"Kortiv" + b"chain".ljust(50, b"\0")
with open(sys.argv[1], "wb") as f:
    f.write(header + struct.pack("<3i", len(codes), 3, 0) + records +
            struct.pack("<3f", 0, 0.01, 5))
PY
}

# Built-in example 5 with its integrator (element 3) made an aperiodic
# element whose parameters are still to be entered.
write_loop_model() {
  "$calc" example 5 -o "$1" >/dev/null
  /usr/bin/python3 - "$1" <<'PY'
import struct, sys
data = bytearray(open(sys.argv[1], "rb").read())
record = 68 + 12 * 2  # element 3
position, code_word, attr = struct.unpack_from("<3i", data, record)
struct.pack_into("<3i", data, record, position, 204 * 10000 + 3, attr % 100)
blocks = struct.unpack_from("<i", data, 64)[0]
struct.pack_into("<i", data, 64, blocks - 1)  # its old block is no longer used
open(sys.argv[1], "wb").write(data)
PY
}

chain=$work/chain.krt
write_chain_model "$chain"
"$calc" set "$chain" 1 1 0 >/dev/null
element=2
while [ "$element" -le 21 ]; do
  "$calc" set "$chain" "$element" 1 0.5 0 >/dev/null
  "$calc" set "$chain" $((element + 1)) 1.05 >/dev/null
  element=$((element + 2))
done
"$calc" set "$chain" 0 0 0.00001 "$chain_tk" >/dev/null

loop=$work/loop.krt
write_loop_model "$loop"
"$calc" set "$loop" 3 1 0.5 0 >/dev/null

set -- $(measure "$calc" run "$chain" -o /dev/null --deriv 0 --ode 1)
chain_wall=$1
chain_cpu=$2
echo "chain, 20 elements, $(awk "BEGIN { print $chain_tk / 0.00001 }") points: $1 s ($2 s processor), peak $3 MB"

for points in $loop_points; do
  "$calc" set "$loop" 0 0 "$(awk "BEGIN { print 5 / $points }")" 5 >/dev/null
  set -- $(measure "$calc" run "$loop" -o /dev/null --deriv 0 --ode 1)
  echo "loop, $points points: $1 s ($2 s processor), peak $3 MB"
done

if /usr/bin/python3 -c 'import scipy.signal' 2>/dev/null; then
  cat >"$work/lsim.py" <<PY
import numpy as np, scipy.signal as signal
points = int(round($chain_tk / 0.00001)) + 1
num, den = [1.0], [1.0]
for _ in range(10):
    num, den = np.polymul(num, [1.05]), np.polymul(den, [0.5, 1.0])
t = np.arange(points) * 0.00001
signal.lsim(signal.tf2ss(num, den), np.ones(points), t)
PY
  set -- $(measure /usr/bin/python3 "$work/lsim.py")
  echo "scipy.signal.lsim of the chain: $1 s ($2 s processor), peak $3 MB"
  ratio() { awk "BEGIN { printf \"%.1f\", $1 / ($2 > 0 ? $2 : 0.01) }"; }
  echo "lsim / kortiv-calc: $(ratio "$1" "$chain_wall") by wall time, $(ratio "$2" "$chain_cpu") by processor time"
else
  echo "python3-scipy is not installed: no comparison with lsim"
fi
