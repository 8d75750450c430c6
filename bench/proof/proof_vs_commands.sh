#!/bin/sh
# Times `wirsel proof` on a text of about 10 MB (the bundled sample, repeated)
# against the sum of the three passes run as separate commands: `wirsel
# typo`, `wirsel hyphenate` on its result, and `wirsel spell -l` on that.
# Prints the figures and the ratio, which should stay within 1.5.
#   bench/proof/proof_vs_commands.sh [BUILD_FOLDER] [SIZE_MB]
# Not run by ctest: it takes a while and measures, it does not test.
set -eu
build=${1:-build}
size_mb=${2:-10}
here=$(cd "$(dirname "$0")" && pwd)
wirsel=$(cd "$build" && pwd)/bin/wirsel
sample=$here/../../data/sample/probka.txt
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

target=$((size_mb * 1024 * 1024))
: >"$work/big.txt"
while [ "$(wc -c <"$work/big.txt")" -lt "$target" ]; do
  for _ in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16; do cat "$sample"; done >>"$work/big.txt"
done
echo "text: $(wc -c <"$work/big.txt") bytes, $(wc -l <"$work/big.txt") lines"

# Seconds (wall clock) that a command takes; its exit status 1 (words
# reported) is not a failure here.
seconds() {
  start=$(date +%s.%N)
  "$@" || [ $? -eq 1 ]
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}

proof=$(seconds sh -c "'$wirsel' proof '$work/big.txt' -o '$work/proof.txt' 2>'$work/report.txt'")
typo=$(seconds "$wirsel" typo "$work/big.txt" -o "$work/typo.txt")
hyph=$(seconds "$wirsel" hyphenate "$work/typo.txt" -o "$work/hyph.txt")
spell=$(seconds sh -c "'$wirsel' spell -l <'$work/hyph.txt' >'$work/words.txt'")
sum=$(echo "$typo + $hyph + $spell" | bc)

printf 'wirsel proof:            %8.2f s (%s words reported)\n' "$proof" "$(wc -l <"$work/report.txt")"
printf 'wirsel typo:             %8.2f s\n' "$typo"
printf 'wirsel hyphenate:        %8.2f s\n' "$hyph"
printf 'wirsel spell -l:         %8.2f s (%s words listed)\n' "$spell" "$(wc -l <"$work/words.txt")"
printf 'sum of the three:        %8.2f s\n' "$sum"
printf 'proof / sum:             %8.2f (goal: at most 1.5)\n' "$(echo "scale=4; $proof / $sum" | bc)"
