#!/usr/bin/env python3
"""Writes a set of Polish misspellings with the word that was meant.

Words are drawn with a fixed seed from a word list (wpolish's
/usr/share/dict/polish by default) and mistyped the way people mistype
Polish: diacritics left out (all of a word's, or one), the confusions of
Polish spelling (u/ó, rz/ż, ch/h), a neighbouring key on a Polish
(QWERTY) keyboard, two letters swapped, a letter left out, a letter typed
twice or a neighbouring key pressed as well. Output: one row a line,
"misspelling<TAB>intended word", UTF-8. A row whose misspelling happens to
be a word itself is filtered out by the benchmark that reads the set.

usage: make_misspellings.py [--words FILE] [--rows N] [--seed S] [--errors E] OUT
"""
import argparse
import random
import sys

POLISH = set("aąbcćdeęfghijklłmnńoóprsśtuwyzźżqvx")
STRIP = str.maketrans("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ", "acelnoszzACELNOSZZ")
ROWS = ["qwertyuiop", "asdfghjkl", "zxcvbnm"]
BASE = str.maketrans("ąćęłńóśźż", "acelnoszz")


def neighbours(letter):
    """Keys next to `letter`: beside it, and the two touching it in the rows
    above and below (the rows are staggered to the right going up)."""
    base = letter.translate(BASE)
    for r, row in enumerate(ROWS):
        c = row.find(base)
        if c < 0:
            continue
        near = []
        for rr, cols in ((r, (c - 1, c + 1)), (r - 1, (c, c + 1)), (r + 1, (c - 1, c))):
            if 0 <= rr < len(ROWS):
                near += [ROWS[rr][cc] for cc in cols if 0 <= cc < len(ROWS[rr])]
        return near
    return []


def strip_all(w, rng):
    s = w.translate(STRIP)
    return s if s != w else None


def strip_one(w, rng):
    places = [i for i, ch in enumerate(w) if ch.translate(STRIP) != ch]
    if not places:
        return None
    i = rng.choice(places)
    return w[:i] + w[i].translate(STRIP) + w[i + 1:]


def confusion(w, rng):
    pairs = [("ó", "u"), ("u", "ó"), ("ż", "rz"), ("rz", "ż"), ("ch", "h"), ("h", "ch")]
    rng.shuffle(pairs)
    for a, b in pairs:
        at = [i for i in range(len(w)) if w.startswith(a, i)]
        if a == "h":
            at = [i for i in at if i == 0 or w[i - 1] != "c"]
        if at:
            i = rng.choice(at)
            return w[:i] + b + w[i + len(a):]
    return None


def neighbour_key(w, rng):
    i = rng.randrange(len(w))
    keys = neighbours(w[i].lower())
    if not keys:
        return None
    ch = rng.choice(keys)
    return w[:i] + (ch.upper() if w[i].isupper() else ch) + w[i + 1:]


def transpose(w, rng):
    if len(w) < 2:
        return None
    i = rng.randrange(len(w) - 1)
    if w[i] == w[i + 1]:
        return None
    return w[:i] + w[i + 1] + w[i] + w[i + 2:]


def delete(w, rng):
    if len(w) < 4:
        return None
    i = rng.randrange(1, len(w))
    return w[:i] + w[i + 1:]


def insert(w, rng):
    i = rng.randrange(len(w))
    if rng.random() < 0.5:
        return w[:i] + w[i] + w[i:]
    keys = neighbours(w[i].lower())
    if not keys:
        return None
    return w[:i + 1] + rng.choice(keys) + w[i + 1:]


# (weight, error) in the proportions of everyday typing.
ERRORS = [(30, strip_all), (15, strip_one), (12, confusion), (15, neighbour_key),
          (9, transpose), (9, delete), (10, insert)]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out")
    parser.add_argument("--words", default="/usr/share/dict/polish")
    parser.add_argument("--rows", type=int, default=4000)
    parser.add_argument("--seed", type=int, default=2026)
    parser.add_argument("--errors", type=int, default=1, help="errors in every word")
    args = parser.parse_args()
    try:
        with open(args.words, encoding="utf-8") as f:
            words = [w.strip() for w in f]
    except OSError as e:
        sys.exit(f"make_misspellings: cannot read {args.words}: {e.strerror}")
    # Small words and proper names as a text has them: no mixed case.
    words = [w for w in words
             if 3 <= len(w) <= 20 and set(w.lower()) <= POLISH
             and (w[1:].islower())]
    rng = random.Random(args.seed)
    weights = [w for w, _ in ERRORS]
    rows = []
    while len(rows) < args.rows:
        word = rng.choice(words)
        typo = word
        for _ in range(args.errors):
            error = rng.choices(ERRORS, weights)[0][1]
            typo = error(typo, rng) or neighbour_key(typo, rng) or typo
        if typo != word:
            rows.append((typo, word))
    with open(args.out, "w", encoding="utf-8") as f:
        for typo, word in rows:
            f.write(f"{typo}\t{word}\n")


if __name__ == "__main__":
    main()
