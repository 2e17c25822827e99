#!/usr/bin/env bash
# Command 2: the whole test suite (installs and builds first when needed). The tests start
# and stop their own Firebird server on 127.0.0.1.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
zeran_install $ZERAN_BUILD_PACKAGES $ZERAN_TEST_PACKAGES
zeran_build build
cd build
ctest --output-on-failure -j2 "$@"
