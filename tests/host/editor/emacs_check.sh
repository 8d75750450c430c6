#!/bin/sh
# Runs ispell_harness.el with PROGRAM over FIXTURE in MODE and compares the
# flagged words with EXPECTED. HOME and the data folders are a fresh
# temporary folder, so nothing outside it is read or written. DICTIONARY
# names hunspell's default dictionary (wirsel-spell has only pl_PL).
#   emacs_check.sh PROGRAM MODE FIXTURE EXPECTED
set -eu
program=$1 mode=$2 fixture=$3 expected=$4
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
HOME=$work XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config LANG=C.UTF-8 LC_ALL=C.UTF-8 DICTIONARY=pl_PL \
  emacs --batch -Q -l "$here/ispell_harness.el" "$program" pl_PL "$mode" "$fixture" \
  >"$work/flagged" 2>"$work/messages" || {
  echo "emacs failed ($program, $mode):"; grep -v "^  " "$work/messages"; exit 1; }
if ! diff -u "$expected" "$work/flagged"; then
  echo "flagged words differ ($program, $mode); Emacs said:"; grep -v "^  " "$work/messages"; exit 1
fi
