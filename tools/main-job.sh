#!/bin/sh
# The main job, run by ./run.sh: a demonstration on the example tables.
set -eu
bin="$1"
echo "Nothing to run yet: the programs are still being built."
