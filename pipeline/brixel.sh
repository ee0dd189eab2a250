#!/bin/sh
# Runs one analysis: trel on BASE.in, korva with the script BASE.dsk, then
# fendex, all in the work directory, with the programs found beside this
# script (or, where they are not there, on the PATH). BASE.out receives the
# engine's results followed by the arrow results; it appears only when the
# run is over. When a stage fails, BASE.out holds what was produced up to it
# and the stage's diagnostic instead. The engine's listing goes to
# __korva.lst in the work directory, and what a failing stage said to
# __stage.err.
#
# Usage: brixel.sh BASE [WORKDIR [DRIVE]]
#   BASE     path of the run's files without extension (relative to the
#            current directory)
#   WORKDIR  directory to run in; empty or missing: the current directory
#   DRIVE    accepted for the caller's command line; not used
# Exit status: 0 done, 1 a stage failed, 2 usage or set-up error.
set -u

if [ "$#" -lt 1 ] || [ -z "$1" ]; then
  echo "usage: brixel.sh BASE [WORKDIR [DRIVE]]" >&2
  exit 2
fi

# Parameter expansion and built-ins instead of helper programs wherever they
# serve: starting a process costs milliseconds, and this script runs for every
# analysis.
case $0 in
  */*) bindir=${0%/*} ;;
  *) bindir=. ;;
esac
bindir=$(CDPATH='' cd -- "$bindir" && pwd) || exit 2
base=$1
case $base in
  /*) ;;
  *) base=$(pwd)/$base ;;
esac
workdir=${2-}
out=$base.out
tmp=$base.out.tmp
# What the failing stage said; in the work directory, like the intermediate files.
err=__stage.err
# The engine takes only the first 12 characters of its listing's name, so the
# listing gets a short name in the work directory.
listing=__korva.lst

# Writes its standard input to the output under construction with CR LF line
# ends, as the rest of the output has them.
append_crlf() {
  awk '{ sub(/\r$/, ""); printf "%s\r\n", $0 }' >>"$tmp"
}

# Ends the run: the output under construction becomes BASE.out.
publish() {
  if ! mv -f -- "$tmp" "$out"; then
    echo "brixel.sh: cannot create $out" >&2
    exit 2
  fi
}

# The lines given as arguments, then what the failing stage said.
diagnostic() {
  for line in "$@"; do
    printf '%s\n' "$line"
  done
  if [ -n "$err" ] && [ -f "$err" ]; then cat -- "$err"; fi
}

# A stage failed: its diagnostic goes to standard error and ends the output,
# which is published; the script stops.
fail() {
  diagnostic "$@" >&2
  diagnostic "$@" | append_crlf
  publish
  exit 1
}

# The engine's error and halt messages in its listing, each with the line
# that names the script line after it.
listing_messages() {
  [ -f "$listing" ] || return 0
  awk 'keep { if ($0 ~ /At line No/) print; keep = 0 }
       /\*\*Error\*\*|\*\*Halt\*\*/ { print; keep = 1 }' "$listing"
}

# The programs beside this script, or else on the PATH.
trel=$bindir/trel
korva=$bindir/korva
fendex=$bindir/fendex
[ -x "$trel" ] || trel=trel
[ -x "$korva" ] || korva=korva
[ -x "$fendex" ] || fendex=fendex

trap 'rm -f -- "$tmp"; exit 130' HUP INT TERM

if [ -n "$workdir" ] && ! cd -- "$workdir" 2>/dev/null; then
  rm -f -- "$out" "$tmp"
  err=""
  fail "brixel.sh: cannot enter the work directory $workdir"
fi
# Nothing of an earlier run may be taken for this run's result.
rm -f -- "$out" "$tmp" "$err" __trel1 __trel2 __trel3 "$listing"
: >"$tmp" || exit 2

"$trel" "$base.in" 2>"$err"
status=$?
[ "$status" -eq 0 ] || fail "brixel.sh: trel failed (exit status $status):"

"$korva" "$listing" 2>"$err" <"$base.dsk" >"$tmp"
status=$?
[ "$status" -eq 0 ] || fail "brixel.sh: korva failed (exit status $status):"
if [ ! -s __trel3 ]; then
  listing_messages >>"$err"
  fail "brixel.sh: korva wrote no coordinates (__trel3); see its listing $(pwd)/$listing"
fi

"$fendex" "$base.in" __trel3 2>"$err" >>"$tmp"
status=$?
[ "$status" -eq 0 ] || fail "brixel.sh: fendex failed (exit status $status):"

publish
exit 0
