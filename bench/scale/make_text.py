#!/usr/bin/env python3
"""Writes a Polish-looking text of about SIZE bytes for the scale benchmarks:
words drawn with a fixed seed from the wpolish word list (Zipf-like: a few
thousand common words and a long tail), about one word in seventy misspelt,
sentences with commas, numbers with units, quotations and paragraphs of a few
sentences. The same seed gives the same text, so runs compare.

    make_text.py SIZE_BYTES OUT [--seed N] [--one-line] [--words FILE]
"""
import argparse
import random
import sys


def load_words(path, rng):
    with open(path, encoding="utf-8", errors="replace") as f:
        words = [w.strip() for w in f if 2 <= len(w.strip()) <= 14 and w.strip().isalpha()]
    rng.shuffle(words)
    return words[:60000]


def misspell(word, rng):
    i = rng.randrange(len(word))
    kind = rng.randrange(3)
    if kind == 0 and len(word) > 3:
        return word[:i] + word[i + 1:]
    if kind == 1 and i + 1 < len(word):
        return word[:i] + word[i + 1] + word[i] + word[i + 2:]
    return word[:i] + rng.choice("aeiouyzrsnłąę") + word[i:]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("size", type=int)
    ap.add_argument("out")
    ap.add_argument("--seed", type=int, default=13)
    ap.add_argument("--one-line", action="store_true")
    ap.add_argument("--words", default="/usr/share/dict/polish")
    a = ap.parse_args()
    rng = random.Random(a.seed)
    words = load_words(a.words, rng)
    # Zipf-like ranks: the common head is drawn far more often than the tail.
    common = ["i", "w", "z", "na", "się", "nie", "to", "że", "do", "jest", "od", "po", "jak",
              "ale", "co", "tak", "za", "przez", "który", "dla", "jego", "już", "tylko", "o"]
    words = common + words
    cumulative = []
    total = 0.0
    for rank in range(len(words)):
        total += 1.0 / (rank + 3)
        cumulative.append(total)
    units = ["kg", "km", "m", "zł", "proc."]
    out = []
    size = 0
    paragraph = []
    while size < a.size:
        sentence = rng.choices(words, cum_weights=cumulative, k=rng.randint(4, 16))
        sentence = [misspell(w, rng) if rng.random() < 1 / 70 else w for w in sentence]
        if rng.random() < 0.1:
            sentence.insert(rng.randrange(len(sentence)), "%d %s" % (rng.randint(2, 999), rng.choice(units)))
        if rng.random() < 0.08:
            j = rng.randrange(len(sentence))
            sentence[j] = '"' + sentence[j] + '"'
        if rng.random() < 0.3:
            sentence.insert(rng.randrange(1, len(sentence)), rng.choice(["w", "z", "i", "o", "a"]))
        text = " ".join(sentence)
        text = text[0].upper() + text[1:] + rng.choice([".", ".", ".", "?", "!"])
        paragraph.append(text)
        size += len(text.encode("utf-8")) + 1
        if rng.random() < 0.2:
            out.append(" ".join(paragraph))
            paragraph = []
    if paragraph:
        out.append(" ".join(paragraph))
    sep = " " if a.one_line else "\n"
    with open(a.out, "w", encoding="utf-8") as f:
        f.write(sep.join(out) + "\n")


if __name__ == "__main__":
    sys.exit(main())
