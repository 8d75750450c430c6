#!/bin/sh
# Runs every benchmark of two builds one after the other in one run and
# prints, per benchmark, the time of each and the ratio after/before; then
# times `wirsel proof` on a text of SIZE_MB (the bundled sample, repeated)
# with each build. A ratio near 1 says a change cost nothing.
#   bench/before_after.sh BEFORE_BIN AFTER_BIN [SIZE_MB]
# BEFORE_BIN and AFTER_BIN are `bin` folders of two builds (with their
# *_bench programs, `wirsel` and XTensions/). Not run by ctest: it measures.
set -eu
if [ $# -lt 2 ]; then
  echo "usage: $0 BEFORE_BIN AFTER_BIN [SIZE_MB]" >&2
  exit 2
fi
before=$(cd "$1" && pwd)
after=$(cd "$2" && pwd)
size_mb=${3:-2}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for program in "$before"/*_bench; do
  name=$(basename "$program")
  [ -x "$after/$name" ] || { echo "$name: not in $after, left out"; continue; }
  if ! "$program" --benchmark_format=json >"$work/before.json" 2>/dev/null ||
    ! "$after/$name" --benchmark_format=json >"$work/after.json" 2>/dev/null; then
    echo "$name: did not run as a Google benchmark (it takes its own arguments), left out"
    continue
  fi
  python3 - "$name" "$work/before.json" "$work/after.json" <<'PY'
import json, sys
name, before, after = sys.argv[1], json.load(open(sys.argv[2])), json.load(open(sys.argv[3]))
times = lambda run: {b["name"]: (b["real_time"], b["time_unit"])
                     for b in run.get("benchmarks", []) if "real_time" in b}
b, a = times(before), times(after)
print(f"== {name}")
for key in b:
    if key in a:
        (tb, unit), (ta, _) = b[key], a[key]
        print(f"  {key:60s} {tb:12.1f} {ta:12.1f} {unit}  after/before {ta / tb:5.2f}")
PY
done

target=$((size_mb * 1024 * 1024))
: >"$work/big.txt"
while [ "$(wc -c <"$work/big.txt")" -lt "$target" ]; do
  cat "$here/../data/sample/probka.txt" >>"$work/big.txt"
done
seconds() {
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1 || [ $? -eq 1 ]
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}
tb=$(seconds "$before/wirsel" proof "$work/big.txt" -o "$work/before.txt")
ta=$(seconds "$after/wirsel" proof "$work/big.txt" -o "$work/after.txt")
echo "== wirsel proof on $(wc -c <"$work/big.txt") bytes"
echo "  before ${tb}s  after ${ta}s  after/before $(echo "scale=2; $ta / $tb" | bc)"
cmp -s "$work/before.txt" "$work/after.txt" && echo "  same output" || echo "  OUTPUT DIFFERS"
