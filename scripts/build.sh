#!/usr/bin/env bash
# Configures and builds Kortiv into build/ (programs in build/bin/).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORTIV_WITH_QT=ON >/dev/null
cmake --build "$top/build" -j "$(nproc)"
