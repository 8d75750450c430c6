#!/bin/sh
# Runs the wirsel host with a private per-user data folder and compares its
# standard output with an expected file ("-" to check the exit status only).
# Usage: e2e.sh EXPECTED WIRSEL ARGS...
expected=$1
shift
data=$(mktemp -d) || exit 2
trap 'rm -rf "$data"' EXIT
out=$(XDG_DATA_HOME=$data LANG=C "$@"; echo "rc=$?")
if [ "$expected" = - ]; then
  printf '%s\n' "$out" | tail -n 1 | grep -qx 'rc=0' && exit 0
  printf '%s\n' "$out"
  exit 1
fi
printf '%s\n' "$out" | diff -u "$expected" - && exit 0
exit 1
