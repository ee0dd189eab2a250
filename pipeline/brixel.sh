#!/bin/sh
echo "brixel.sh: not built yet" >&2
exit 1
