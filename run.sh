#!/bin/sh
# Installs what is missing, builds, and runs the main job.
set -eu
cd "$(dirname "$0")"
sh tools/ensure-packages.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec sh tools/main-job.sh build/default/bin
