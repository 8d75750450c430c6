#!/usr/bin/env python3
"""Prints which source folder includes which, and fails on a cycle.

Usage: folder_graph.py [ROOT]   (default: the checkout this script is in)

A folder is the directory of a file relative to ROOT; an edge A -> B means a
file in A includes "B/name". Folders below tests/, bench/ and build trees are
left out: they are the suite's, not the product's. Exit status 1 names the
folders of every cycle.
"""
import os
import re
import sys

SKIP = {".git", "tests", "bench", "data", "docs"}
SOURCE = (".h", ".hpp", ".c", ".cc", ".cpp")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def folder_graph(root):
    graph = {}
    for here, dirs, files in os.walk(root):
        rel = os.path.relpath(here, root)
        dirs[:] = sorted(d for d in dirs if not (rel == "." and (d in SKIP or d.startswith("build"))))
        for name in files:
            if not name.endswith(SOURCE):
                continue
            with open(os.path.join(here, name), encoding="utf-8", errors="replace") as f:
                text = f.read()
            for target in INCLUDE.findall(text):
                folder = os.path.dirname(target)
                if folder and folder != rel and os.path.isdir(os.path.join(root, folder)):
                    graph.setdefault(rel, set()).add(folder)
            graph.setdefault(rel, set())
    return graph


def cycles(graph):
    """Strongly connected components of more than one folder (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in sorted(graph.get(node, ())):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            component = []
            while True:
                top = stack.pop()
                on_stack.discard(top)
                component.append(top)
                if top == node:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    for node in sorted(graph):
        if node not in index:
            visit(node)
    return found


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    root = os.path.abspath(root)
    graph = folder_graph(root)
    for folder in sorted(graph):
        if graph[folder]:
            print(f"{folder} -> {' '.join(sorted(graph[folder]))}")
    found = cycles(graph)
    for component in found:
        print("cycle: " + " <-> ".join(component), file=sys.stderr)
    if found:
        return 1
    print("no cycle between folders")
    return 0


if __name__ == "__main__":
    sys.exit(main())
