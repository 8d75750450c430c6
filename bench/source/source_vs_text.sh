#!/bin/sh
# Times `wirsel proof` on a Markdown and a LaTeX source of about 10 MB (the
# bundled samples' bodies, repeated) against `wirsel proof` on the same prose
# as plain text (the source written with `--format txt`, no pass run), and
# prints the ratios, which should stay within 1.5. LaTeX is proofed with
# --hyph so both runs do the same three passes.
#   bench/source/source_vs_text.sh [BUILD_FOLDER] [SIZE_MB]
# Not run by ctest: it takes a while and measures, it does not test.
set -eu
build=${1:-build}
size_mb=${2:-10}
here=$(cd "$(dirname "$0")" && pwd)
wirsel=$(cd "$build" && pwd)/bin/wirsel
sample=$here/../../data/sample
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
target=$((size_mb * 1024 * 1024))

# body FILE: the part to repeat (Markdown without its front matter, LaTeX
# between \begin{document} and \end{document}).
body() {
  case $1 in
    *.md) awk 'NR == 1 && /^---$/ { fm = 1; next } fm && /^---$/ { fm = 0; next } !fm' "$1" ;;
    *.tex) sed -n '/^\\begin{document}/,/^\\end{document}/p' "$1" | sed '1d;$d' | grep -v maketitle ;;
  esac
}

# grow OUT PART: OUT gets PART repeated up to the target size.
grow() {
  : >"$1"
  while [ "$(wc -c <"$1")" -lt "$target" ]; do
    for _ in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do cat "$2"; echo; done >>"$1"
  done
}

seconds() {
  start=$(date +%s.%N)
  "$@" || [ $? -eq 1 ]
  end=$(date +%s.%N)
  echo "$end - $start" | bc
}

body "$sample/probka.md" >"$work/part.md"
grow "$work/big.md" "$work/part.md"
body "$sample/artykul.tex" >"$work/part.tex"
sed -n '1,/^\\begin{document}/p' "$sample/artykul.tex" >"$work/big.tex"
grow "$work/body.tex" "$work/part.tex"
cat "$work/body.tex" >>"$work/big.tex"
printf '%s\n' '\end{document}' >>"$work/big.tex"

for kind in md tex; do
  "$wirsel" run "$work/big.$kind" --format txt -o "$work/prose-$kind.txt"
  extra=""
  [ "$kind" = tex ] && extra=--hyph
  source=$(seconds sh -c "'$wirsel' proof '$work/big.$kind' $extra -o '$work/out.$kind' 2>'$work/report-$kind'")
  text=$(seconds sh -c "'$wirsel' proof '$work/prose-$kind.txt' -o '$work/out-$kind.txt' 2>'$work/report-$kind.txt'")
  printf '%-9s source %9d bytes: %7.2f s (%s words reported)\n' "$kind" \
    "$(wc -c <"$work/big.$kind")" "$source" "$(wc -l <"$work/report-$kind")"
  printf '%-9s prose  %9d bytes: %7.2f s (%s words reported)\n' "$kind" \
    "$(wc -c <"$work/prose-$kind.txt")" "$text" "$(wc -l <"$work/report-$kind.txt")"
  printf '%-9s source / text:   %7.2f (goal: at most 1.5)\n' "$kind" "$(echo "scale=4; $source / $text" | bc)"
  # The text holds the code, math and URLs as words, which the spelling
  # report lists with suggestions: the passes alone compare the same work.
  source=$(seconds "$wirsel" proof "$work/big.$kind" $extra --no-spell -o "$work/out.$kind")
  text=$(seconds "$wirsel" proof "$work/prose-$kind.txt" --no-spell -o "$work/out-$kind.txt")
  printf '%-9s --no-spell: source %7.2f s, text %7.2f s, ratio %5.2f (goal: at most 1.5)\n' \
    "$kind" "$source" "$text" "$(echo "scale=4; $source / $text" | bc)"
done
