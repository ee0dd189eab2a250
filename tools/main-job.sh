#!/bin/sh
# The main job, run by ./run.sh: the fast batch of the workbench on the example
# tables (each analysed through trel, korva and fendex, its results exported
# beside it), then the console pipeline alone on every example's ready-made
# input, the tables with names included.
# Usage: main-job.sh PROGRAM-DIRECTORY
set -u
bin=$(CDPATH='' cd -- "$1" && pwd) || exit 2
examples=$(CDPATH='' cd -- "$(dirname -- "$0")/../examples" && pwd) || exit 2
work=$(mktemp -d) || exit 2
trap 'rm -rf -- "$work"' EXIT
status=0

# One line from a pipeline output: points, alienation, arrows and average.
summarise() {
  tr -d '\r' <"$1" | awk -v name="$2" '
    /Number of variables/ && !n { n = $NF }
    /Coefficient of Alienation/ && !k { k = $NF }
    $1 == "VARIABLES" { m = $2 }
    $1 == "AVERAGE" { average = $2 }
    m && NF == 3 && $1 ~ /^[0-9]+$/ { directions = directions sprintf(" %.0f", $3) }
    END {
      printf "  %s: %s observations mapped (alienation %s); %s variable arrows, directions in degrees%s; average correlation %s\n",
        name, n, k, m, directions, average
    }'
}

echo "Fast batch of the workbench on the tables of examples/ (a copy in $work/batch):"
mkdir "$work/batch" && cp -- "$examples"/*.tbl "$work/batch/"
BRIXVIEW_WORKDIR="$work/brixview/" "$bin/brixview" -fastbatch "$work/batch" || status=1
for coa in "$work/batch"/*.tbl.coa; do
  [ -f "$coa" ] || continue
  table=${coa%.coa}
  printf '  %s: alienation %s; %s lines in .obs (points, then the centre of gravity), %s arrows in .var\n' \
    "$(basename -- "$table")" "$(tr -d '\r' <"$coa")" \
    "$(wc -l <"$table.obs" | tr -d ' ')" "$(wc -l <"$table.var" | tr -d ' ')"
done

echo "Console pipeline (trel, korva, fendex) on every example's input:"
for input in "$examples"/*.in "$examples"/named/*.in; do
  name=$(basename -- "$input" .in)
  cp -- "$input" "${input%.in}.dsk" "$work/"
  if sh "$bin/brixel.sh" "$work/$name" "$work/" "" 2>/dev/null; then
    summarise "$work/$name.out" "$name"
  else
    echo "  $name: the pipeline failed:"
    tr -d '\r' <"$work/$name.out" | sed -n '/^brixel.sh:/,$p' | sed 's/^/    /'
    status=1
  fi
done
exit "$status"
