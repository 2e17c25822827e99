#!/usr/bin/env bash
# Command 1: install, build, make the demo institution (once) and run the program on it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
zeran_install $ZERAN_BUILD_PACKAGES
zeran_build build

# The program's default database folder is DATA below the folder it starts in.
if [ ! -f DATA/PERSONEL.GDB ]; then
    ./build/cli/zeran-cli demo-db DATA
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec ./build/app/zeran "$@"
fi
echo "Ekran bulunamadı (DISPLAY yok): başsız tanıtım çalışıyor."
exec ./build/cli/zeran-cli check DATA "$@"
