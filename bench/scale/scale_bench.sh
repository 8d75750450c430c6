#!/bin/sh
# Scale figures of `wirsel proof`, each against its peer in the same run:
#  - proof vs hunspell -d pl_PL -l on 8 MB and 80 MB of Polish text: time,
#    peak memory, and memory per input byte;
#  - proof -j 2 vs -j 1 on eight 1 MB files, and what of it runs in one
#    process only (a worker's start, the parent's share);
#  - proof - (the stream) on 80 MB: peak memory;
#  - proof on text of only quotation marks and on 12 MB in one line: memory
#    per input byte;
#  - typo on JSON documents of 10k, 30k and 100k boxes, chained boxes and
#    anchored boxes: time, and how it grows (10x the boxes should cost about
#    10x the time).
# The machine may be shared: every ratio is given in CPU time (user + system,
# children included) beside the wall-clock one, which a busy machine skews.
# The texts are made here with a fixed seed (make_text.py) and removed after.
#   bench/scale/scale_bench.sh [BUILD_FOLDER] [--quick]
# --quick leaves out the 80 MB runs and the 100k documents. Not run by ctest.
set -eu
build=${1:-build}
quick=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
wirsel=$(cd "$build" && pwd)/bin/wirsel
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# "SECONDS PEAK_KB CPU_SECONDS" of a command line run by sh (CPU: user and
# system time, its children's included); exit status 1 (words reported) is
# no failure.
measure() {
  /usr/bin/time -f '%e %M %U %S' -o "$work/time" sh -c "$1" || [ $? -eq 1 ]
  tail -n 1 "$work/time" | awk '{ printf "%s %s %.2f\n", $1, $2, $3 + $4 }'
}
ratio() { echo "scale=2; ($1) / ($2)" | bc | sed "s/^\./0./"; }
per_byte() { echo "scale=1; $1 * 1024 / $2" | bc; }

text() {  # SIZE_BYTES NAME [make_text options]
  python3 "$here/make_text.py" "$1" "$work/$2" ${3:-} ${4:-}
}

echo "== proof vs hunspell -l =="
sizes=8
[ "$quick" = --quick ] || sizes="8 80"
for mb in $sizes; do
  text $((mb * 1000000)) "t$mb.txt"
  bytes=$(wc -c <"$work/t$mb.txt")
  set -- $(measure "'$wirsel' proof '$work/t$mb.txt' -o '$work/p$mb.txt' 2>'$work/r$mb.txt'")
  pt=$1 pm=$2 pc=$3
  set -- $(measure "hunspell -d pl_PL -l '$work/t$mb.txt' >'$work/h$mb.txt'")
  ht=$1 hm=$2 hc=$3
  printf '%3s MB  proof     %7.2f s (CPU %7.2f s) %8d KB (%s bytes per input byte), %s reports\n' \
    "$mb" "$pt" "$pc" "$pm" "$(per_byte "$pm" "$bytes")" "$(wc -l <"$work/r$mb.txt")"
  printf '        hunspell  %7.2f s (CPU %7.2f s) %8d KB, %s words listed\n' "$ht" "$hc" "$hm" \
    "$(wc -l <"$work/h$mb.txt")"
  printf '        proof is %s times as fast as hunspell -l in CPU time, %s in wall time (goal: at least 8)\n' \
    "$(ratio "$hc" "$pc")" "$(ratio "$ht" "$pt")"
done

echo "== proof -j 2 vs -j 1, eight 1 MB files =="
for i in 1 2 3 4 5 6 7 8; do text 1000000 "f$i.txt" --seed "$i"; done
# One suggestion thread per worker, so that the workers alone make the
# difference (a single worker would otherwise use every core too).
set -- $(measure "'$wirsel' proof '$work'/f?.txt -j 1 --threads 1 --output-dir '$work/j1' --report '$work/j1.report'")
j1=$1 j1c=$3
set -- $(measure "'$wirsel' proof '$work'/f?.txt -j 2 --threads 1 --output-dir '$work/j2' --report '$work/j2.report'")
j2=$1 j2c=$3
# What runs once per worker: starting the plug-in and the dictionary, on an
# empty text.
: >"$work/empty.txt"
set -- $(measure "'$wirsel' proof '$work/empty.txt' -o '$work/empty.out'")
start=$3
same=different
sed 's|/j1/|/j2/|' "$work/j1.report" | cmp -s - "$work/j2.report" &&
  diff -rq "$work/j1" "$work/j2" >/dev/null && same=equal
printf -- '-j 1 %6.2f s (CPU %6.2f s), -j 2 %6.2f s (CPU %6.2f s): %s times as fast in wall time; results %s\n' \
  "$j1" "$j1c" "$j2" "$j2c" "$(ratio "$j1" "$j2")" "$same"
# On two free cores -j 2 takes half its CPU time, or the longest file's
# share if that is more; the parent's own work is in both runs.
printf -- '     a worker starts in %s s CPU; -j 2 spends %s times the CPU of -j 1;\n' "$start" \
  "$(ratio "$j2c" "$j1c")"
printf -- '     on 2 free cores -j 2 would be %s times as fast (goal: at least 1.6)\n' \
  "$(ratio "$j1c" "$j2c / 2")"

echo "== the stream =="
stream=8
[ "$quick" = --quick ] || stream=80
bytes=$(wc -c <"$work/t$stream.txt")
set -- $(measure "'$wirsel' proof - <'$work/t$stream.txt' >'$work/s.txt' 2>'$work/s.report'")
same=different
cmp -s "$work/s.txt" "$work/p$stream.txt" && same=equal
printf 'proof - on %s MB: %6.2f s (CPU %6.2f s), peak %d KB (goal: at most 200 MB); output %s to the file run\n' \
  "$stream" "$1" "$3" "$2" "$same"

echo "== hostile texts =="
python3 -c "import sys; sys.stdout.write('\"' * 3000000 + '\n')" >"$work/quotes.txt"
set -- $(measure "'$wirsel' proof '$work/quotes.txt' -o '$work/q.out' 2>/dev/null")
printf '3 MB of quotation marks: %6.2f s, %d KB, %s bytes per input byte (goal: at most 20)\n' \
  "$1" "$2" "$(per_byte "$2" 3000001)"
text 12000000 line.txt --one-line
set -- $(measure "'$wirsel' proof '$work/line.txt' -o '$work/l.out' 2>/dev/null")
printf '12 MB in one line:       %6.2f s, %d KB, %s bytes per input byte (goal: at most 20)\n' \
  "$1" "$2" "$(per_byte "$2" "$(wc -c <"$work/line.txt")")"

echo "== JSON documents through wirsel typo =="
counts="10000 30000"
[ "$quick" = --quick ] || counts="10000 30000 100000"
for shape in boxes chained anchored; do
  first=
  for n in $counts; do
    python3 "$here/make_layout.py" "$shape" "$n" "$work/$shape.json"
    set -- $(measure "'$wirsel' typo '$work/$shape.json' -o '$work/$shape.out.json' 2>/dev/null")
    if [ -z "$first" ]; then first=$1 first_n=$n; fi
    printf '%-8s %6d: %6.2f s, %7d KB; time / time at %d = %s for %s times the boxes\n' \
      "$shape" "$n" "$1" "$2" "$first_n" "$(ratio "$1 + 0.01" "$first + 0.01")" "$((n / first_n))"
  done
done
