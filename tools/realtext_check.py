#!/usr/bin/env python3
"""Spelling on real Polish text: `wirsel spell` beside hunspell in one run.

Extracts Polish prose from what Debian installs here (the Polish message
catalogues under /usr/share/locale/pl through msgunfmt, leaving out the
iso_* lists of names, and the Polish man
pages under /usr/share/man/pl, through groff) into a temporary folder, runs
`wirsel spell -a` and `hunspell -d pl_PL -l` over the same lines, and prints
the flagged words per 1,000 words of each, and how many of wirsel's flagged
words fall in each of these classes (told apart by this script's own
patterns over the run of non-blank characters around the word):
URL pieces, e-mail pieces, paths, file names, and fragments of words cut at
a letter outside the Polish alphabet.

    tools/realtext_check.py [--wirsel build/bin/wirsel] [--keep DIR] [--min-words N]

Nothing is written outside the temporary folder (or --keep DIR); the corpus
is never part of the tree. Exit status 1 when fewer than --min-words words
(default 100000) could be extracted, 2 when a program is missing.
"""
import argparse
import glob
import gzip
import os
import re
import shutil
import subprocess
import sys
import tempfile

POLISH_LETTERS = set("aąbcćdeęfghijklłmnńoóprsśtuvwxyzźżqAĄBCĆDEĘFGHIJKLŁMNŃOÓPRSŚTUVWXYZŹŻQ")

URL = re.compile(r"([A-Za-z][A-Za-z0-9+.-]*://|\bwww\.|\bmailto:)", re.I)
EMAIL = re.compile(r"[A-Za-z0-9._%+-]+@[A-Za-z0-9-]+(\.[A-Za-z0-9-]+)+")
PATH = re.compile(r"(^[(\[<\"'„]*(/[\w.~-]|~/|\.\.?/|[A-Za-z]:[\\/]))|(\w[\\]\w)|(/[^/]*/)")
# name.ext with a short extension that has a letter ("xxd.1", "TLSv1.2" are not).
FILE_NAME = re.compile(r"^[(\[<\"'„]*\.?[A-Za-z0-9_+~-]+(\.[A-Za-z0-9_+~-]+)*"
                       r"\.(?=[a-z0-9]{1,5}[)\]>\"'”.,;:!?]*$)[a-z0-9]*[a-z][a-z0-9]*[)\]>\"'”.,;:!?]*$")


def extract_catalogues(out):
    count = 0
    for mo in sorted(glob.glob("/usr/share/locale/pl/LC_MESSAGES/*.mo")):
        if os.path.basename(mo).startswith("iso_"):
            continue  # lists of country, language and currency names, not prose
        try:
            po = subprocess.run(["msgunfmt", mo], capture_output=True, text=True, check=True).stdout
        except (subprocess.CalledProcessError, UnicodeDecodeError):
            continue
        for text in catalogue_strings(po):
            out.write(text + "\n")
            count += 1
    return count


def catalogue_strings(po):
    """The msgstr texts of a PO file, unescaped, one text line each."""
    current = None
    pieces = []
    for line in po.splitlines():
        if line.startswith("msgstr"):
            current = "msgstr"
            pieces.append(first_string(line))
        elif line.startswith("msgid") or line.startswith("msgctxt") or not line.strip():
            if current == "msgstr" and pieces:
                yield from clean("".join(pieces))
            current = "other"
            pieces = []
        elif line.startswith('"') and current == "msgstr":
            pieces.append(first_string(line))
    if current == "msgstr" and pieces:
        yield from clean("".join(pieces))


def first_string(line):
    m = re.search(r'"(.*)"\s*$', line)
    return m.group(1) if m else ""


def clean(text):
    if text.startswith("Project-Id-Version") or "Content-Type:" in text:
        return
    text = text.replace('\\"', '"').replace("\\t", " ").replace("\\\\", "\\")
    text = re.sub(r"%(\d+\$)?[-+ #0]*\d*(\.\d+)?[hlLqjzt]*[diouxXeEfgGcsSp%]", " ", text)
    text = re.sub(r"[_&](?=\w)", "", text)  # keyboard accelerators
    for part in text.split("\\n"):
        if part.strip():
            yield part.strip()


def extract_man_pages(out):
    count = 0
    for page in sorted(glob.glob("/usr/share/man/pl/man*/*")):
        try:
            opener = gzip.open if page.endswith(".gz") else open
            with opener(page, "rb") as f:
                source = f.read()
            text = subprocess.run(["groff", "-man", "-Tutf8", "-P-cbou", "-Kutf8"], input=source,
                                  capture_output=True, check=True).stdout.decode("utf-8", "replace")
        except (OSError, subprocess.CalledProcessError):
            continue
        # Undo the hyphenation of the page layout: "sło-\n   wo" -> "słowo".
        text = re.sub(r"(\w)[-\u2010]\n\s*(\w)", r"\1\2", text)
        for line in text.splitlines():
            if line.strip():
                out.write(line.strip() + "\n")
                count += 1
    return count


def count_words(path):
    words = 0
    with open(path, encoding="utf-8") as f:
        for line in f:
            words += sum(1 for token in line.split() if re.search(r"[^\W\d_]", token))
    return words


def widen(line, start, end, keep):
    """Widens line[start:end] over the neighbouring characters that `keep` accepts."""
    while start > 0 and keep(line[start - 1]):
        start -= 1
    while end < len(line) and keep(line[end]):
        end += 1
    return start, end


def is_text(c):
    return not c.isspace()


def chunk_around(line, offset):
    start, end = widen(line, offset, offset, is_text)
    return line[start:end]


def classify(line, offset, word):
    start, end = widen(line, offset, offset, is_text)
    chunk = line[start:end]
    at = offset - start  # the word inside the chunk
    # A URL runs from its scheme (or "www.") to the end of the chunk.
    url = URL.search(chunk)
    if url and at >= url.start():
        return "URL pieces"
    if url:
        chunk = chunk[:url.start()]  # a word before a URL: the rest of the chunk decides
    for email in EMAIL.finditer(chunk):
        if email.start() <= at < email.end():
            return "e-mail pieces"
    if PATH.search(chunk):
        return "paths"
    if FILE_NAME.match(chunk) and not re.match(r"^(\w{1,2}\.)+\w{0,2}\.?$", chunk):
        return "file names"
    # The run of letters around the word in the text.
    start, end = widen(line, offset, offset + len(word), str.isalpha)
    run = line[start:end]
    if any(c.isalpha() and c not in POLISH_LETTERS for c in run) and run != word:
        return "fragments at foreign letters"
    return None


def wirsel_flags(wirsel, corpus, folder):
    env = dict(os.environ, XDG_DATA_HOME=folder)
    with open(corpus, encoding="utf-8") as f:
        lines = [line.rstrip("\n") for line in f]
    feed = "".join("^" + line + "\n" for line in lines)
    result = subprocess.run([wirsel, "spell", "-a", "-p", os.path.join(folder, "user.dic")],
                            input=feed, capture_output=True, text=True, env=env)
    replies = result.stdout.split("\n")[1:]  # after the banner
    flagged = []
    at = 0
    for line in lines:
        while at < len(replies) and replies[at] != "":
            reply = replies[at]
            m = re.match(r"^[&#] (\S+) (?:\d+ )?(\d+)", reply)
            if m:
                offset = int(m.group(2)) - 1  # the "^" counts
                flagged.append((line, offset, m.group(1)))
            at += 1
        at += 1
    return flagged


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wirsel", default=os.path.join(os.path.dirname(__file__), "..", "build",
                                                         "bin", "wirsel"))
    parser.add_argument("--keep", help="write the corpus and lists into this folder")
    parser.add_argument("--min-words", type=int, default=100000)
    args = parser.parse_args()
    for program in ("msgunfmt", "groff", "hunspell"):
        if not shutil.which(program):
            print(f"realtext_check: {program} is missing (Debian: gettext, groff, hunspell)",
                  file=sys.stderr)
            return 2
    folder = args.keep or tempfile.mkdtemp(prefix="wirsel-realtext-")
    os.makedirs(folder, exist_ok=True)
    corpus = os.path.join(folder, "corpus.txt")
    with open(corpus, "w", encoding="utf-8") as out:
        extract_catalogues(out)
        extract_man_pages(out)
    words = count_words(corpus)
    print(f"corpus: {words} words ({corpus if args.keep else 'temporary'})")
    if words < args.min_words:
        print(f"realtext_check: only {words} words, fewer than {args.min_words}", file=sys.stderr)
        return 1

    flagged = wirsel_flags(os.path.abspath(args.wirsel), corpus, folder)
    with open(corpus, encoding="utf-8") as f:
        hunspell = subprocess.run(["hunspell", "-d", "pl_PL", "-l"], stdin=f, capture_output=True,
                                  text=True).stdout.split()
    print(f"wirsel spell:  {len(flagged):7d} flagged, {1000 * len(flagged) / words:6.1f} per 1,000")
    print(f"hunspell -l:   {len(hunspell):7d} flagged, {1000 * len(hunspell) / words:6.1f} per 1,000")
    classes = {"URL pieces": 0, "e-mail pieces": 0, "paths": 0, "file names": 0,
               "fragments at foreign letters": 0}
    examples = {name: [] for name in classes}
    for line, offset, word in flagged:
        name = classify(line, offset, word)
        if name:
            classes[name] += 1
            if len(examples[name]) < 6:
                examples[name].append(word)
    for name, count in classes.items():
        print(f"  {name + ':':31s}{count:6d}  {' '.join(examples[name])}")
    if args.keep:
        with open(os.path.join(folder, "wirsel.flagged"), "w", encoding="utf-8") as out:
            for line, offset, word in flagged:
                out.write(f"{word}\t{chunk_around(line, offset)}\n")
        with open(os.path.join(folder, "hunspell.flagged"), "w", encoding="utf-8") as out:
            out.write("\n".join(hunspell) + "\n")
    else:
        shutil.rmtree(folder, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
