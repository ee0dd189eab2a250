#!/bin/sh
# The main job, run by ./run.sh: runs the console pipeline (trel, korva,
# fendex through brixel.sh) on every example table and says what it found,
# or shows the diagnostic of the stage that failed.
# Usage: main-job.sh PROGRAM-DIRECTORY
set -u
bin=$(CDPATH='' cd -- "$1" && pwd) || exit 2
examples=$(CDPATH='' cd -- "$(dirname -- "$0")/../examples" && pwd) || exit 2
work=$(mktemp -d) || exit 2
trap 'rm -rf -- "$work"' EXIT

# One line from a pipeline output: points, alienation, arrows and average.
summarise() {
  tr -d '\r' <"$1" | awk -v name="$2" '
    /Number of variables/ && !n { n = $NF }
    /Coefficient of Alienation/ && !k { k = $NF }
    $1 == "VARIABLES" { m = $2 }
    $1 == "AVERAGE" { average = $2 }
    m && NF == 3 && $1 ~ /^[0-9]+$/ { directions = directions sprintf(" %.0f", $3) }
    END {
      printf "%s: %s observations mapped (alienation %s); %s variable arrows, directions in degrees%s; average correlation %s\n",
        name, n, k, m, directions, average
    }'
}

echo "Console pipeline (trel, korva, fendex) on the example tables:"
status=0
for input in "$examples"/*.in; do
  name=$(basename -- "$input" .in)
  cp -- "$input" "$examples/$name.dsk" "$work/"
  if sh "$bin/brixel.sh" "$work/$name" "$work/" "" 2>/dev/null; then
    summarise "$work/$name.out" "$name"
  else
    echo "$name: the pipeline failed:"
    tr -d '\r' <"$work/$name.out" | sed -n '/^brixel.sh:/,$p' | sed 's/^/    /'
    status=1
  fi
done
exit "$status"
