#!/usr/bin/env python3
"""Counts where the typography pass damages Polish text that was already correct.

Extracts Polish prose from the Debian packages installed on this machine
(translated messages of .mo files, Polish manual pages, the Polish TeX
documentation in HTML and LaTeX) into a temporary folder, one paragraph a
line, runs `wirsel typo` over it and sorts every place the pass changed into
the kinds of correct text it must leave alone (addresses, file names,
abbreviations, markup, times, endings in brackets, keyboard quotation marks,
single quotations, ties that are not wanted) or "intended" for the rest.

    typo_real_text.py --after build/bin/wirsel [--before OTHER/wirsel]

--before names a second `wirsel` (an older build) measured the same way; one
that stops at a quotation mark it cannot place is run again on the rest of
the text after each stop. It also checks that proofing the whole text at once
changes each paragraph exactly as proofing each paragraph alone does, and that
every unplaced quotation mark is reported. The text is never kept: the folder
is removed at exit (--keep FOLDER keeps it there).
"""
import argparse
import collections
import difflib
import glob
import gzip
import html.parser
import json
import os
import re
import shutil
import subprocess
import sys
import tarfile
import tempfile

POLISH = set("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ")
MIN_WORDS = 6


def polish_enough(text):
    words = text.split()
    return len(words) >= MIN_WORDS and sum(c in POLISH for c in text) >= 2


def clean(text):
    text = text.replace("\u00a0", " ").replace("\u00ad", "")
    text = "".join(c for c in text if c >= " " or c == "\t")
    return re.sub(r"[ \t]+", " ", text).strip()


# ---- Sources -------------------------------------------------------------

def from_mo_files():
    for path in sorted(glob.glob("/usr/share/locale/pl/LC_MESSAGES/*.mo")):
        try:
            po = subprocess.run(["msgunfmt", path], capture_output=True, text=True,
                                errors="replace", check=True).stdout
        except (OSError, subprocess.CalledProcessError):
            continue
        for entry in po.split("\n\n"):
            parts = re.findall(r'^msgstr(?:\[\d+\])? ((?:".*"\n?)+)', entry + "\n", re.M)
            for part in parts:
                chunks = re.findall(r'"((?:[^"\\]|\\.)*)"', part)
                text = "".join(chunks)
                text = text.replace("\\n", " ").replace("\\t", " ").replace('\\"', '"')
                text = text.replace("\\\\", "\\")
                text = clean(text)
                if polish_enough(text):
                    yield "mo", text


def roff_text(line):
    line = re.sub(r"\\f(\[[^]]*\]|\(..|.)", "", line)
    line = re.sub(r"\\\(em", "—", line)
    line = re.sub(r"\\\(en", "–", line)
    line = re.sub(r"\\\(..", "", line)
    line = line.replace("\\-", "-").replace("\\|", "").replace("\\&", "").replace("\\e", "\\")
    return line.replace("\\ ", " ")


def from_man_pages():
    for path in sorted(glob.glob("/usr/share/man/pl/man*/*.gz")):
        try:
            lines = gzip.open(path, "rt", errors="replace").read().splitlines()
        except OSError:
            continue
        paragraph = []
        for line in lines + [".PP"]:
            if line.startswith((".", "'")) or not line.strip():
                text = clean(" ".join(paragraph))
                if polish_enough(text):
                    yield "man", text
                paragraph = []
                if line.startswith((".B ", ".I ")):
                    paragraph.append(roff_text(line[3:]))
                continue
            paragraph.append(roff_text(line))


class BlockText(html.parser.HTMLParser):
    BLOCKS = {"p", "li", "dd", "dt", "td", "th", "h1", "h2", "h3", "h4", "div", "br", "pre",
              "blockquote", "title", "tr"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.blocks, self.current, self.skip = [], [], 0

    def flush(self):
        text = clean(" ".join(self.current))
        if text:
            self.blocks.append(text)
        self.current = []

    def handle_starttag(self, tag, attrs):
        if tag in ("script", "style"):
            self.skip += 1
        if tag in self.BLOCKS:
            self.flush()

    def handle_endtag(self, tag):
        if tag in ("script", "style"):
            self.skip = max(0, self.skip - 1)
        if tag in self.BLOCKS:
            self.flush()

    def handle_data(self, data):
        if not self.skip:
            self.current.append(data)


def decode(raw):
    head = raw[:2048].decode("ascii", "replace").lower()
    match = re.search(r"charset=[\"']?([a-z0-9_-]+)", head)
    for encoding in ([match.group(1)] if match else []) + ["utf-8", "iso-8859-2"]:
        try:
            return raw.decode(encoding)
        except (LookupError, UnicodeDecodeError):
            continue
    return raw.decode("iso-8859-2", "replace")


def from_html():
    paths = sorted(glob.glob("/usr/share/doc/texlive-doc/**/*pl*/**/*.html", recursive=True))
    paths += sorted(glob.glob("/usr/share/doc/texlive-doc/texlive/texlive-pl/*.html"))
    for path in dict.fromkeys(paths):
        parser = BlockText()
        parser.feed(decode(open(path, "rb").read()))
        parser.flush()
        for text in parser.blocks:
            if polish_enough(text):
                yield "html", text


def tex_paragraphs(source):
    paragraph = []
    for line in source.splitlines() + [""]:
        line = re.sub(r"(?<!\\)%.*", "", line)
        if not line.strip():
            text = clean(" ".join(paragraph))
            if polish_enough(text):
                yield text
            paragraph = []
        else:
            paragraph.append(line)


def from_tex():
    archive = "/usr/share/doc/texlive-doc/latex/lshort-polish/lshort-6.4PL1.src.tar.gz"
    if os.path.exists(archive):
        with tarfile.open(archive) as tar:
            for member in tar.getmembers():
                if member.name.endswith(".tex") and member.isfile():
                    source = decode(tar.extractfile(member).read())
                    for text in tex_paragraphs(source):
                        yield "tex", text


def extract(folder):
    paragraphs, words = [], collections.Counter()
    seen = set()
    for source in (from_mo_files, from_man_pages, from_html, from_tex):
        for kind, text in source():
            if text in seen:
                continue
            seen.add(text)
            paragraphs.append(text)
            words[kind] += len(text.split())
    with open(os.path.join(folder, "corpus.txt"), "w", encoding="utf-8") as out:
        out.write("\n".join(paragraphs) + "\n")
    return paragraphs, words


# ---- Running wirsel ------------------------------------------------------

def private_host(folder, wirsel):
    """A host folder whose plug-in runs with default settings."""
    host = os.path.join(folder, "host-" + re.sub(r"\W", "_", os.path.abspath(wirsel)))
    xtensions = os.path.join(host, "XTensions")
    if not os.path.isdir(xtensions):
        os.makedirs(xtensions)
        real = os.path.join(os.path.dirname(os.path.abspath(wirsel)), "XTensions")
        for name in os.listdir(real):
            if not name.endswith((".ini", ".log")):
                os.symlink(os.path.join(real, name), os.path.join(xtensions, name))
    return host


def run(wirsel, folder, args):
    env = dict(os.environ, WIRSEL_HOST_DIR=private_host(folder, wirsel), LANG="C",
               XDG_DATA_HOME=os.path.join(folder, "data"))
    return subprocess.run([wirsel] + args, capture_output=True, stdin=subprocess.DEVNULL,
                          env=env)


def stories_of(json_text):
    """Story texts of a JSON document, marked spaces written as U+00A0."""
    texts = []
    for story in json.loads(json_text)["stories"]:
        text = list(story["text"])
        for attribute in story.get("attributes", []):
            if attribute["kind"] != 2:
                continue
            for start, end, value in attribute["runs"]:
                for p in range(start, end):
                    if value & 0x80 and p < len(text) and text[p] == " ":
                        text[p] = "\u00a0"
        texts.append("".join(text))
    return texts, json.loads(json_text)["stories"]


def typeset_after(wirsel, folder, paragraphs):
    path = os.path.join(folder, "whole.txt")
    with open(path, "w", encoding="utf-8") as out:
        out.write("\n".join(paragraphs) + "\n")
    result = run(wirsel, folder, ["typo", path, "--lang", "en"])
    lines = result.stdout.decode("utf-8").split("\n")[:len(paragraphs)]
    return lines, result


def typeset_restarting(wirsel, folder, paragraphs):
    """An older wirsel that stops at a quotation mark: run again after each stop."""
    done, stops, rest = [], 0, list(paragraphs)
    while rest:
        path = os.path.join(folder, "rest.txt")
        with open(path, "w", encoding="utf-8") as out:
            out.write("\n".join(rest) + "\n")
        result = run(wirsel, folder, ["typo", path, "--lang", "en", "--format", "json"])
        texts, stories = stories_of(result.stdout.decode("utf-8"))
        lines = texts[0].split("\n")[:len(rest)]
        stopped = b"Quotation mark between" in result.stderr
        if not stopped:
            done += lines
            break
        stops += 1
        start = stories[0]["selection"][0]
        k = texts[0][:start].count("\n")
        done += lines[:k + 1]
        rest = rest[k + 1:]
    return done, stops


def each_paragraph_alone(wirsel, folder, paragraphs):
    """Every paragraph a story of its own, all in one group: one command."""
    n = len(paragraphs)
    document = {
        "wirsel": 1, "tool": "item", "current_box": n + 1,
        "spreads": [{"pages": 1, "items": [n + 1]}],
        "boxes": [{"id": i + 1, "kind": "text", "page": 1} for i in range(n)]
        + [{"id": n + 1, "kind": "group", "page": 1, "items": list(range(1, n + 1))}],
        "stories": [{"id": i + 1, "boxes": [i + 1], "text": p + "\n"}
                    for i, p in enumerate(paragraphs)],
    }
    path = os.path.join(folder, "alone.json")
    with open(path, "w", encoding="utf-8") as out:
        json.dump(document, out, ensure_ascii=False)
    result = run(wirsel, folder, ["typo", path, "--lang", "en"])
    texts, _ = stories_of(result.stdout.decode("utf-8"))
    return [t[:-1] if t.endswith("\n") else t for t in texts], result


# ---- Sorting the changes ---------------------------------------------------

URL = re.compile(r"(?i)(?:[a-z][a-z0-9+.-]*://|\bwww\.|\bmailto:|@)")
MARKUP = re.compile(r"\\[A-Za-z@]|<[/!A-Za-z]|[A-Za-z]>|&#?\w+;|\w=\"")
ABBREVIATION = re.compile(r"(?:^|[^\w.])(?:[^\W\d_]{1,3}\.){2,}")
ROMAN_SMALL = re.compile(r"^X{0,3}(?:IX|IV|V?I{0,3})$")
AFTER_WORDS = set("a A e E i I o O u U w W z Z do Do na Na po od Od Po za Za nad Nad pod Pod "
                  "przy Przy przed Przed".split())
NUMERAL_WORDS = set("II III IV V VI VII VIII IX X XI XII XIII XIV XV XVI XVII XVIII XIX XX "
                    "XXI".split())


def token_at(text, i):
    """The run of non-blank characters around position i (or just before it)."""
    if i >= len(text) or text[i].isspace():
        i -= 1
    if i < 0 or text[i].isspace():
        return "", i + 1
    a = i
    while a > 0 and not text[a - 1].isspace():
        a -= 1
    b = i
    while b < len(text) and not text[b].isspace():
        b += 1
    return text[a:b], a


def word_before(text, i):
    j = i
    while j > 0 and text[j - 1].isspace():
        j -= 1
    return token_at(text, j - 1)[0] if j > 0 else ""


def classify(src, i1, i2, new):
    """The kind of correct text an edit of src[i1:i2] into `new` damaged, or None."""
    old = src[i1:i2]
    if old in ('"', "”", "“") and new in ("„", "”"):
        return None  # a quotation mark made Polish
    polish = old.replace(",,", "„").replace("''", "”").replace("\u00a0", " ")
    if polish != old and polish == new.replace("\u00a0", " "):
        return None  # keyboard quotation marks made Polish (and a tie beside them)
    around = src[max(0, i1 - 2):i2 + 2]
    if (",," in around or "''" in around) and new not in ("„", "”"):
        return "keyboard quotation marks ,, ''"
    if old == "’" and new == "”" and "‚" in src[:i1]:
        return "single quotations"
    if old == " " and new == "\u00a0":
        if word_before(src, i1).lstrip("([„\"") in AFTER_WORDS:
            return None  # a tie after a one-letter word or preposition
        after, _ = token_at(src, i2)
        letters = re.match(r"[A-Z]+", after)
        roman = letters.group(0) if letters else ""
        roman = roman if re.fullmatch(r"[CDILMVX]+", roman) else ""
        if roman and not after[len(roman):len(roman) + 1].isalpha():
            prev = word_before(src, i1)
            if roman == "I" and (not prev or prev[-1] in ".!?…"):
                return "tie before a sentence-opening I"
            if len(roman) >= 2 and not ROMAN_SMALL.match(roman) and roman not in NUMERAL_WORDS:
                return "tie before CD, XML, CM"
        before = word_before(src, i2)
        if (re.search(r"[^'][-'’][aeiouwzAEIOUWZ]$", before)
                and not src[i2:i2 + 1].isdigit()):
            return "tie after a letter glued by - or '"
        return None
    token, start = token_at(src, i1)
    if not token:
        return None
    # Only an edit inside an address or markup changes it; spaces around it
    # are the prose's.
    inside = start < i1 < start + len(token) and not old.isspace()
    if inside and URL.search(token):
        return "addresses (URL, e-mail)"
    if inside and MARKUP.search(token):
        return "TeX and HTML markup"
    if new == " " and not old:  # a space inserted at i1
        left, right = src[i1 - 1:i1], src[i1:i1 + 1]
        left2 = src[i1 - 2:i1 - 1]
        if left in ",.:" and left2.isdigit() and right.isdigit():
            return "times and numbers"
        if left == "." and ABBREVIATION.search(" " + token):
            return "dotted abbreviations"
        if left == "." and right.isalnum() and (
                left2.isalnum() or left2 in "([\"'„" or not left2):
            return "file names and domains"
        if right in "([" and left.isalpha() and re.match(r"[(\[]\w*[)\]]", src[i1:]):
            return "endings in brackets"
    if old == " " and not new:  # a space removed before src[i2]
        if (src[i2:i2 + 1] == "." and src[i2 + 1:i2 + 2].isalnum()
                and src[i1 - 1:i1].isalnum()):
            return "file names and domains"
    return None


def damage(inputs, outputs):
    kinds = collections.Counter()
    intended = 0
    changed = 0
    examples = {}
    for src, out in zip(inputs, outputs):
        if src == out:
            continue
        changed += 1
        matcher = difflib.SequenceMatcher(None, src, out, autojunk=False)
        for op, i1, i2, j1, j2 in matcher.get_opcodes():
            if op == "equal":
                continue
            kind = classify(src, i1, i2, out[j1:j2])
            if kind:
                kinds[kind] += 1
                examples.setdefault(kind, []).append((src[max(0, i1 - 25):i2 + 25],
                                                      out[max(0, j1 - 25):j2 + 25]))
            else:
                intended += 1
    return kinds, intended, changed, examples


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--after", required=True, help="the wirsel to measure")
    parser.add_argument("--before", help="an older wirsel to compare with")
    parser.add_argument("--keep", help="keep the extracted text in this folder")
    parser.add_argument("--examples", type=int, default=0, metavar="N",
                        help="show N examples of each kind of damage")
    options = parser.parse_args()

    folder = options.keep or tempfile.mkdtemp(prefix="typo-real-text-")
    os.makedirs(folder, exist_ok=True)
    try:
        paragraphs, words = extract(folder)
        print(f"text: {len(paragraphs)} paragraphs, {sum(words.values())} words "
              f"({', '.join(f'{k} {v}' for k, v in sorted(words.items()))})")
        results = {}
        if options.before:
            before, stops = typeset_restarting(options.before, folder, paragraphs)
            results["before"] = damage(paragraphs, before)
            print(f"before: stopped {stops} times at a quotation mark (run again after each)")
        after, whole = typeset_after(options.after, folder, paragraphs)
        results["after"] = damage(paragraphs, after)
        warnings = whole.stderr.count(b": warning: quotation mark")
        print(f"after: exit status {whole.returncode}, "
              f"{warnings} unplaced quotation marks reported")

        kinds = sorted(set().union(*(r[0] for r in results.values())))
        names = list(results)
        print(f"\n{'damaged correct text':40}" + "".join(f"{n:>10}" for n in names))
        for kind in kinds:
            print(f"{kind:40}" + "".join(f"{results[n][0][kind]:>10}" for n in names))
        print(f"{'all damage':40}" + "".join(f"{sum(results[n][0].values()):>10}" for n in names))
        print(f"{'other changes (intended)':40}" + "".join(f"{results[n][1]:>10}" for n in names))
        print(f"{'paragraphs changed':40}" + "".join(f"{results[n][2]:>10}" for n in names))
        if options.examples:
            for name in names:
                for kind, examples in sorted(results[name][3].items()):
                    for src, out in examples[:options.examples]:
                        print(f"[{name}] {kind}:\n  {src!r}\n  {out!r}")

        alone, separate = each_paragraph_alone(options.after, folder, paragraphs)
        differing = sum(a != b for a, b in zip(after, alone)) + abs(len(after) - len(alone))
        alone_warnings = separate.stderr.count(b": warning: quotation mark")
        print(f"\nwhole text at once vs each paragraph alone: {differing} paragraphs differ; "
              f"unplaced marks reported {warnings} vs {alone_warnings}")
        ok = differing == 0 and warnings == alone_warnings and not any(
            results["after"][0].values())
        return 0 if ok else 1
    finally:
        if not options.keep:
            shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
