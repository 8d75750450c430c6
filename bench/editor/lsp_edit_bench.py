#!/usr/bin/env python3
"""Time from a one-paragraph edit to fresh diagnostics in a 1 MB document.

  bench/editor/lsp_edit_bench.py [BUILD_FOLDER] [SIZE_MB]

Opens the bundled sample repeated to SIZE_MB (default 1) in `wirsel lsp`
(debounce 0) as plain text, Markdown and LaTeX in turn, waits for the first
diagnostics, then five times replaces one paragraph in the middle and times
until the new diagnostics arrive (goal: 200 ms). In
the same run, `hunspell -l` over the whole text is timed, the peer's cost of
checking it from scratch, and the ratio is printed. The sample is not
typeset, so most diagnostics are typographic (one per tie it lacks). Not run
by ctest.
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "host", "editor"))
from lsp_client import Server  # noqa: E402


def edit_times(wirsel, folder, language, uri, text, middle):
    """Median and worst time from an edit to its diagnostics, their count,
    the time to the first diagnostics and their count."""
    server = Server(wirsel, folder)
    server.initialize({"debounceMs": 0})
    start = time.monotonic()
    server.notify("textDocument/didOpen", {"textDocument": {
        "uri": uri, "languageId": language, "version": 1, "text": text}})
    first = server.diagnostics(uri)
    opened = time.monotonic() - start
    times = []
    for version in range(2, 7):
        edit = f"Akapit numer {version} zmieniony: naprawde piekny dzien {version}."
        start = time.monotonic()
        server.notify("textDocument/didChange", {
            "textDocument": {"uri": uri, "version": version},
            "contentChanges": [{"range": {"start": {"line": middle, "character": 0},
                                          "end": {"line": middle + 1, "character": 0}},
                                "text": edit + "\n"}]})
        # Timed to the arrival of the whole notification, before the client
        # reads its JSON.
        body = server.read_raw()
        while body is not None and b"publishDiagnostics" not in body[:80]:
            body = server.read_raw()
        times.append(time.monotonic() - start)
        diagnostics = json.loads(body)["params"]["diagnostics"]
    server.finish()
    return sorted(times)[2], max(times), len(diagnostics), opened, len(first)


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    size = int(float(sys.argv[2] if len(sys.argv) > 2 else 1) * 1024 * 1024)
    wirsel = os.path.join(os.path.abspath(build), "bin", "wirsel")
    sample = open(os.path.join(os.path.dirname(__file__), "..", "..", "data", "sample", "probka.txt"),
                  encoding="utf-8").read()
    text = sample
    while len(text.encode()) < size:
        text += sample
    lines = text.split("\n")
    middle = len(lines) // 2
    while lines[middle].strip() == "":
        middle += 1
    print(f"document: {len(text.encode())} bytes, {len(lines)} lines")
    with tempfile.TemporaryDirectory() as folder:
        medians = []
        for language, uri in (("plaintext", "file:///big.txt"), ("markdown", "file:///big.md"),
                              ("latex", "file:///big.tex")):
            median, worst, count, opened, first = edit_times(wirsel, folder, language, uri, text, middle)
            medians.append(median)
            print(f"{language}: first diagnostics {opened * 1000:.0f} ms ({first} diagnostics); "
                  f"after a one-paragraph edit: median {median * 1000:.0f} ms, worst {worst * 1000:.0f} ms "
                  f"({count} diagnostics; goal 200 ms)")
        hunspell = shutil.which("hunspell")
        if hunspell:
            path = os.path.join(folder, "big.txt")
            with open(path, "w", encoding="utf-8") as out:
                out.write(text)
            start = time.monotonic()
            subprocess.run([hunspell, "-d", "pl_PL", "-i", "UTF-8", "-l", path], stdout=subprocess.DEVNULL,
                           env=dict(os.environ, DICTIONARY="pl_PL"), check=False)
            peer = time.monotonic() - start
            print(f"hunspell -l over the whole text: {peer * 1000:.0f} ms; "
                  f"slowest median edit-to-diagnostics / hunspell = {max(medians) / peer:.3f}")


if __name__ == "__main__":
    main()
