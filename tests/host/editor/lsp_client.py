#!/usr/bin/env python3
"""Drives `wirsel lsp` over pipes as an editor would and checks its answers.

  lsp_client.py WIRSEL

Each scenario starts its own server with HOME and XDG_DATA_HOME in a fresh
temporary folder (the user dictionary lands there).
"""
import json
import os
import select
import subprocess
import sys
import tempfile
import time

FAILURES = []


def check(condition, what):
    if not condition:
        FAILURES.append(what)
        print(f"FAIL {what}")


class Server:
    def __init__(self, wirsel, folder):
        # The user's files go to the per-user folder, never into the build's XTensions.
        xtensions = os.path.join(os.path.dirname(os.path.abspath(wirsel)), "XTensions")
        env = dict(os.environ, HOME=folder, XDG_DATA_HOME=os.path.join(folder, "data"), LANG="C.UTF-8",
                   WIRSEL_READONLY_DIRS=xtensions)
        self.process = subprocess.Popen([wirsel, "lsp"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, env=env)
        self.buffer = bytearray()
        self.next_id = 0

    def send_raw(self, data):
        self.process.stdin.write(data)
        self.process.stdin.flush()

    def frame(self, message):
        body = json.dumps(message).encode()
        return b"Content-Length: %d\r\n\r\n" % len(body) + body

    def notify(self, method, params):
        self.send_raw(self.frame({"jsonrpc": "2.0", "method": method, "params": params}))

    def request(self, method, params, send=True):
        self.next_id += 1
        message = {"jsonrpc": "2.0", "id": self.next_id, "method": method, "params": params}
        if send:
            self.send_raw(self.frame(message))
        return self.next_id, message

    def read(self, timeout=10.0):
        """The next message, or None when none comes in time."""
        deadline = time.monotonic() + timeout
        while True:
            header_end = self.buffer.find(b"\r\n\r\n", 0, 256)
            if header_end >= 0:
                end = header_end + 4 + int(bytes(self.buffer[:header_end]).split(b":")[1])
                if len(self.buffer) >= end:
                    body = bytes(self.buffer[header_end + 4:end])
                    del self.buffer[:end]
                    return json.loads(body)
            left = deadline - time.monotonic()
            ready = left > 0 and select.select([self.process.stdout], [], [], left)[0]
            chunk = ready and os.read(self.process.stdout.fileno(), 1 << 20)
            if not chunk:
                return None
            self.buffer += chunk

    def wait_for(self, predicate, timeout=10.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            message = self.read(deadline - time.monotonic())
            if message is None:
                return None
            if predicate(message):
                return message
        return None

    def response(self, request_id):
        return self.wait_for(lambda m: m.get("id") == request_id and "method" not in m)

    def diagnostics(self, uri):
        message = self.wait_for(lambda m: m.get("method") == "textDocument/publishDiagnostics"
                                and m["params"]["uri"] == uri)
        return message["params"]["diagnostics"] if message else None

    def open(self, uri, language, text):
        self.notify("textDocument/didOpen", {"textDocument": {
            "uri": uri, "languageId": language, "version": 1, "text": text}})

    def change(self, uri, version, start, end, text):
        """Replaces the text from (line, character) `start` to `end`."""
        self.notify("textDocument/didChange", {
            "textDocument": {"uri": uri, "version": version},
            "contentChanges": [{"range": span(start, end), "text": text}]})

    def code_action(self, uri, start, end, send=True):
        return self.request("textDocument/codeAction", {
            "textDocument": {"uri": uri}, "range": span(start, end), "context": {"diagnostics": []}},
            send=send)

    def initialize(self, options=None):
        params = {"processId": None, "rootUri": None, "capabilities": {}, "initializationOptions": options}
        request_id, _ = self.request("initialize", params)
        reply = self.response(request_id)
        self.notify("initialized", {})
        return reply

    def finish(self):
        request_id, _ = self.request("shutdown", None)
        reply = self.response(request_id)
        self.notify("exit", None)
        try:
            status = self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            status = None
        return reply, status


def span(start, end):
    return {"start": {"line": start[0], "character": start[1]}, "end": {"line": end[0], "character": end[1]}}


def words(diagnostics, code="spelling"):
    return [(d["range"]["start"]["line"], d["range"]["start"]["character"], d["range"]["end"]["character"],
             d["message"]) for d in diagnostics if d["code"] == code]


MARKDOWN = ("# Nagłówek\n"
            "\n"
            "To jest naprawde dobry tekst z `kodem_naprawdex` i [odnośnikiem](http://przykladx.pl).\n"
            "Znaki spoza BMP: \U0001F600 i \U0001D538 przed słowem piekny.\n"
            "```\n"
            "naprawdex w kodzie\n"
            "```\n")
LATEX = ("\\section{Wstęp}\\label{sec:wstepx}\n"
         "Tekst \\textbf{ktury} ma $xx + yy$ i \\cite{kowalskix}.\n")


def scenario_documents(wirsel, folder):
    server = Server(wirsel, folder)
    reply = server.initialize()
    capabilities = reply["result"]["capabilities"]
    check(capabilities["textDocumentSync"]["change"] == 2, "incremental sync announced")
    check(capabilities.get("codeActionProvider"), "code actions announced")

    server.open("file:///doc.md", "markdown", MARKDOWN)
    markdown = server.diagnostics("file:///doc.md")
    # Line 3: the two symbols outside the BMP are 2 UTF-16 units each.
    check(words(markdown) == [(2, 8, 16, "Unknown word: naprawde"), (3, 38, 44, "Unknown word: piekny")],
          f"markdown diagnostics with UTF-16 ranges: {words(markdown)}")
    check(all(d["source"] == "wirsel" for d in markdown), "source is wirsel")

    server.open("file:///doc.tex", "latex", LATEX)
    latex = server.diagnostics("file:///doc.tex")
    check(words(latex) == [(1, 14, 19, "Unknown word: ktury")], f"latex diagnostics: {words(latex)}")
    # Typography: the space after "i" wants a tie; math and the \cite key are left alone.
    check(words(latex, "typography") == [(1, 35, 36, "Typography: space \u2192 tie")],
          f"latex typography: {words(latex, 'typography')}")
    check(words(markdown, "typography") == [(2, 30, 31, "Typography: space \u2192 no-break space"),
                                            (2, 50, 51, "Typography: space \u2192 no-break space"),
                                            (3, 21, 22, "Typography: space \u2192 no-break space"),
                                            (3, 30, 31, "Typography: space \u2192 no-break space")],
          f"markdown typography: {words(markdown, 'typography')}")
    request_id, _ = server.code_action("file:///doc.tex", (1, 35), (1, 36))
    edits = [a["edit"]["changes"]["file:///doc.tex"][0] for a in server.response(request_id)["result"]]
    check(edits == [{"range": span((1, 35), (1, 36)), "newText": "~"}], f"typographic quick fix: {edits}")

    request_id, _ = server.code_action("file:///doc.md", (3, 40), (3, 40))
    actions = server.response(request_id)["result"]
    titles = [a["title"] for a in actions]
    check("Replace with piękny" in titles, f"suggestion offered: {titles}")
    replace = next((a for a in actions if a["title"] == "Replace with piękny"), None)
    if replace:
        edit = replace["edit"]["changes"]["file:///doc.md"][0]
        check(edit == {"range": span((3, 38), (3, 44)), "newText": "piękny"}, f"replacement edit: {edit}")
    check('Add "piekny" to dictionary' in titles, f"add to dictionary offered: {titles}")

    # The client applies the replacement: the diagnostic goes, the other stays.
    server.change("file:///doc.md", 2, (3, 38), (3, 44), "piękny")
    after = server.diagnostics("file:///doc.md")
    check(words(after) == [(2, 8, 16, "Unknown word: naprawde")], f"fixed word no longer reported: {words(after)}")

    # "Add to dictionary" writes the user dictionary; the word is then known.
    add = next(a for a in actions if a["title"].startswith("Add"))
    request_id, _ = server.request("workspace/executeCommand", add["command"])
    check("error" not in server.response(request_id), "add to dictionary succeeds")
    server.change("file:///doc.md", 3, (3, 38), (3, 44), "piekny")
    check(words(server.diagnostics("file:///doc.md")) == [(2, 8, 16, "Unknown word: naprawde")],
          "an added word is not reported")
    check(os.path.getsize(os.path.join(folder, "data", "Wirsel13", "user.dic")) > 6, "user dictionary written")

    reply, status = server.finish()
    check(reply is not None and reply.get("result", "missing") is None, "shutdown answered")
    check(status == 0, f"exit after shutdown ends with status 0, not {status}")


def scenario_paragraphs(wirsel, folder):
    """Markdown and LaTeX are read a paragraph at a time: what spans blank
    lines (verbatim, fenced code, front matter) stays markup, a fix may span
    a line end, and an edit that opens a verbatim environment hides what
    follows."""
    server = Server(wirsel, folder)
    server.initialize({"debounceMs": 0})
    tex = ("Tekst w\ndomu.\n\n\\begin{verbatim}\nkodx\n\nkodx2\n\\end{verbatim}\n\nZdanie piekny.\n")
    server.open("file:///p.tex", "latex", tex)
    diagnostics = server.diagnostics("file:///p.tex")
    check(words(diagnostics) == [(9, 7, 13, "Unknown word: piekny")], f"verbatim is not prose: {words(diagnostics)}")
    tie = [d["range"] for d in diagnostics if d["code"] == "typography"]
    check(tie == [span((0, 7), (1, 0))], f"a tie replaces a line end: {tie}")
    server.change("file:///p.tex", 2, (7, 0), (7, 14), "")
    check(words(server.diagnostics("file:///p.tex")) == [],
          "a verbatim environment that is not ended hides the rest")

    markdown = ("---\ntitle: kotx\n\nauthor: ktox\n---\n\n- punkt\n\n    dalej naprawde\n\n"
                "```\nkodx\n\nkodx2\n```\n\nKoniec piekny.\n")
    server.open("file:///p.md", "markdown", markdown)
    check(words(server.diagnostics("file:///p.md")) == [(8, 10, 18, "Unknown word: naprawde"),
                                                        (16, 7, 13, "Unknown word: piekny")],
          "front matter and fenced code are not prose; a list item goes on after a blank line")
    server.finish()


def scenario_bad_input(wirsel, folder):
    server = Server(wirsel, folder)
    server.initialize()
    server.send_raw(b"Content-Length: 9\r\n\r\n{not json")
    reply = server.read()
    check(reply and reply["error"]["code"] == -32700 and reply["id"] is None, f"malformed JSON: {reply}")

    server.send_raw(b"Content-Type: text/plain\r\n\r\n")
    reply = server.read()
    check(reply and reply["error"]["code"] == -32700, f"no Content-Length: {reply}")

    # A length that claims more than the body, then one that claims less: the
    # messages after each still get their answers.
    request_id, message = server.request("textDocument/notAMethod", None, send=False)
    body = json.dumps({"jsonrpc": "2.0", "id": 999, "method": "initialized"}).encode()
    server.send_raw(b"Content-Length: %d\r\n\r\n" % (len(body) + 20) + body + server.frame(message))
    replies = [server.read(), server.read()]
    check([r and r.get("id") for r in replies] == [999, request_id] and replies[1]["error"]["code"] == -32601,
          f"too long Content-Length recovers: {replies}")
    request_id, message = server.request("textDocument/notAMethod", None, send=False)
    server.send_raw(b"Content-Length: 5\r\n\r\n" + body + server.frame(message))
    replies = [server.read(), server.read()]
    check(replies[0] and replies[0]["error"]["code"] == -32700 and replies[1] and replies[1]["id"] == request_id,
          f"too short Content-Length recovers: {replies}")

    request_id, _ = server.request("textDocument/unknownThing", {})
    reply = server.response(request_id)
    check(reply and reply["error"]["code"] == -32601, f"unknown method: {reply}")

    server.open("file:///a.txt", "plaintext", "kot\n")
    server.diagnostics("file:///a.txt")
    request_id, _ = server.code_action("file:///a.txt", (40, 0), (41, 0))
    reply = server.response(request_id)
    check(reply and reply["error"]["code"] == -32602, f"position past the end: {reply}")
    server.change("file:///a.txt", 2, (9, 0), (9, 0), "x")
    log = server.wait_for(lambda m: m.get("method") == "window/logMessage")
    check(log and "past the end" in log["params"]["message"], f"bad change is logged: {log}")

    # A request cancelled before it is handled is answered as cancelled.
    request_id, message = server.code_action("file:///a.txt", (0, 0), (0, 0), send=False)
    cancel = {"jsonrpc": "2.0", "method": "$/cancelRequest", "params": {"id": request_id}}
    server.send_raw(server.frame(message) + server.frame(cancel))
    reply = server.response(request_id)
    check(reply and reply.get("error", {}).get("code") == -32800, f"cancelled request: {reply}")

    reply, status = server.finish()
    check(status == 0, f"still shuts down cleanly after bad input, status {status}")


def scenario_options(wirsel, folder):
    server = Server(wirsel, folder)
    user = os.path.join(folder, "mine.dic")
    server.initialize({"passes": [], "userDictionary": user})
    server.open("file:///b.txt", "plaintext", "naprawde\n")
    check(server.diagnostics("file:///b.txt") == [], "no passes, no diagnostics")
    server.notify("workspace/didChangeConfiguration", {"settings": {"wirsel": {"passes": ["spelling"]}}})
    check(len(server.diagnostics("file:///b.txt")) == 1, "spelling switched on by configuration")
    check(os.path.exists(user), "user dictionary from the options is created")
    # A word with letters outside the Polish alphabet goes to the word list beside it.
    server.open("file:///c.txt", "plaintext", "für\n")
    check(len(server.diagnostics("file:///c.txt")) == 1, "a foreign word is reported")
    request_id, _ = server.request("workspace/executeCommand",
                                   {"command": "wirsel.addToDictionary", "arguments": ["für"]})
    check("error" not in server.response(request_id), "adding a foreign word succeeds")
    check(server.diagnostics("file:///c.txt") == [], "an added foreign word is not reported")
    with open(os.path.join(folder, "mine.txt"), encoding="utf-8") as listed:
        check(listed.read() == "für\n", "the foreign word is in the word list beside the dictionary")
    server.notify("exit", None)
    check(server.process.wait(timeout=10) == 1, "exit without shutdown ends with status 1")


def main():
    wirsel = sys.argv[1]
    for scenario in (scenario_documents, scenario_paragraphs, scenario_bad_input, scenario_options):
        with tempfile.TemporaryDirectory() as folder:
            scenario(wirsel, folder)
            print(f"done {scenario.__name__}")
    print("FAILED" if FAILURES else "all passed")
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
