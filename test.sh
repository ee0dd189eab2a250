#!/bin/sh
# Installs what is missing, builds and runs every test.
# Usage: ./test.sh [default|sanitize]
set -eu
cd "$(dirname "$0")"
preset="${1:-default}"
sh tools/ensure-packages.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset" -j 2
