#!/usr/bin/env python3
"""Replays tests/host/editor/data/pipe_protocol.table against a speller's -a pipe.

  pipe_table.py PROGRAM TABLE            every case against PROGRAM
  pipe_table.py PROGRAM TABLE --hunspell HUNSPELL
                                         cases marked "hunspell": PROGRAM and
                                         HUNSPELL give the same answers
  pipe_table.py PROGRAM --long-line      a 200 kB line is answered whole
                                         (hunspell 1.7 takes minutes on it)

Each run gets its own temporary HOME, data folder and user dictionary.
"""
import os
import re
import subprocess
import sys
import tempfile


def unescape(text):
    out = bytearray()
    i = 0
    while i < len(text):
        m = re.match(r"\\x([0-9a-fA-F]{2})|\\u\{([0-9a-fA-F]+)\}", text[i:])
        if m:
            out += bytes([int(m.group(1), 16)]) if m.group(1) else chr(int(m.group(2), 16)).encode()
            i += m.end()
        else:
            out += text[i].encode()
            i += 1
    return bytes(out)


def read_cases(path):
    cases = []
    with open(path, encoding="utf-8") as table:
        for raw in table:
            line = raw.rstrip("\n")
            if line.startswith("== "):
                name, options, peer = (part.strip() for part in line[3:].split("|"))
                cases.append({"name": name, "options": options.split(), "hunspell": peer == "hunspell",
                              "input": [], "answers": []})
            elif line.startswith(">"):
                cases[-1]["input"].append(unescape(line[2:]))
            elif line.startswith("<"):
                cases[-1]["answers"].append(unescape(line[2:]))
    return cases


def run_pipe(program, options, lines, folder, user_words):
    env = dict(os.environ, HOME=folder, XDG_DATA_HOME=os.path.join(folder, "data"), LANG="C.UTF-8")
    command = [program, "-a", "-d", "pl_PL", "-i", "UTF-8", "-p", os.path.join(folder, user_words)]
    result = subprocess.run(command + options, input=b"".join(l + b"\n" for l in lines),
                            capture_output=True, env=env, timeout=120)
    if result.returncode != 0:
        raise RuntimeError(f"{program} exited with {result.returncode}: {result.stderr.decode(errors='replace')}")
    answers = result.stdout.split(b"\n")
    if not answers[0].startswith(b"@(#) International Ispell Version"):
        raise RuntimeError(f"no banner: {answers[0]!r}")
    return answers[1:-1], result.stderr


def compact(answer, as_peer):
    """'& word n offset: ...' becomes '& word offset'; against a peer both
    '&' and '#' become '? word offset'."""
    m = re.match(rb"& (\S+) \d+ (\d+):", answer)
    if m:
        answer = b"& " + m.group(1) + b" " + m.group(2)
    if as_peer and answer[:1] in (b"&", b"#"):
        answer = b"?" + answer[1:]
    return answer


def replay(program, table, hunspell):
    failures = 0
    for case in read_cases(table):
        if hunspell and not case["hunspell"]:
            continue
        with tempfile.TemporaryDirectory() as folder:
            try:
                got, _ = run_pipe(program, case["options"], case["input"], folder, "user.dic")
                want = case["answers"]
                if hunspell:
                    want, _ = run_pipe(hunspell, case["options"], case["input"], folder, "hunspell.words")
                got = [compact(a, bool(hunspell)) for a in got]
                want = [compact(a, bool(hunspell)) for a in want]
            except (RuntimeError, subprocess.TimeoutExpired) as error:
                print(f"FAIL {case['name']}: {error}")
                failures += 1
                continue
        if got != want:
            failures += 1
            print(f"FAIL {case['name']}\n  expected: {want}\n  got:      {got}")
        else:
            print(f"ok   {case['name']}")
    return failures


def long_line(program):
    words = "Kot pije mleko naprawde "
    line = (words * (200_000 // len(words) + 1)).encode()
    repeats = line.count(b"naprawde")
    with tempfile.TemporaryDirectory() as folder:
        got, _ = run_pipe(program, ["-B"], [b"!", line], folder, "words")
    misses = [a for a in got if a.startswith(b"&") or a.startswith(b"#")]
    last = compact(misses[-1], False) if misses else b""
    want_last = b"& naprawde " + str(line.rindex(b"naprawde")).encode()
    if len(misses) != repeats or last != want_last or got[-1] != b"":
        print(f"FAIL long line: {len(misses)} of {repeats} answers, last {last!r}")
        return 1
    print(f"ok   long line ({len(line)} bytes): {repeats} answers")
    return 0


def main():
    args = sys.argv[1:]
    hunspell = None
    if "--hunspell" in args:
        at = args.index("--hunspell")
        hunspell = args[at + 1]
        del args[at:at + 2]
    if args[1:] == ["--long-line"]:
        return long_line(args[0])
    return 1 if replay(args[0], args[1], hunspell) else 0


if __name__ == "__main__":
    sys.exit(main())
