#!/usr/bin/env bash
# Installs the Debian packages Kortiv needs to build and test, when run as
# root and something is missing; with --fuzz, clang and its libFuzzer for
# the fuzz targets instead. Nothing else is fetched.
set -euo pipefail
packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libbenchmark-dev
  libjpeg62-turbo-dev libxlsxwriter-dev libminizip-dev libexpat1-dev zlib1g-dev poppler-utils
  python3-openpyxl desktop-file-utils shared-mime-info)
if [ "${1:-}" = --fuzz ]; then packages=(cmake make clang libclang-rt-14-dev); fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then exit 0; fi
if [ "$(id -u)" -ne 0 ]; then
  echo "Не хватает пакетов: ${missing[*]} (установите их от имени root)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
