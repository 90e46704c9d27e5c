#!/usr/bin/env python3
"""Checks the include graph of src/: every quoted include resolves to one file,
no file includes itself through others, no folder includes a folder that
includes it back, includes run one way (app -> ui pages -> ui/common -> core),
and nothing under src/core includes Qt. Prints the folder graph."""
import os
import re
import sys

ROOTS = ["src/core", "src/ui", "src/app"]
root_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
os.chdir(root_dir)

files = {}
for base in ROOTS:
    for dirpath, _, names in os.walk(base):
        for name in names:
            if name.endswith((".h", ".cpp")):
                files[os.path.join(dirpath, name)] = None

def resolve(include, including):
    candidates = [os.path.normpath(os.path.join(os.path.dirname(including), include))]
    candidates += [os.path.join(r, include) for r in ROOTS]
    found = [c for c in candidates if c in files]
    return found

problems = []
edges = {}
for path in files:
    text = open(path, encoding="utf-8").read()
    targets = set()
    for include in re.findall(r'^#include "([^"]+)"', text, re.M):
        found = resolve(include, path)
        if len(set(found)) != 1:
            problems.append(f"{path}: {include} resolves to {found}")
            continue
        targets.add(found[0])
    if path.startswith("src/core/") and re.search(r"^#include <Q", text, re.M):
        problems.append(f"{path} includes Qt")
    edges[path] = targets

def folder(path):
    return os.path.dirname(path)

def find_cycle(graph):
    state = {}
    stack = []
    def visit(node):
        state[node] = 1
        stack.append(node)
        for nxt in graph.get(node, ()):
            if state.get(nxt) == 1:
                return stack[stack.index(nxt):] + [nxt]
            if nxt not in state:
                cycle = visit(nxt)
                if cycle:
                    return cycle
        stack.pop()
        state[node] = 2
        return None
    for node in list(graph):
        if node not in state:
            cycle = visit(node)
            if cycle:
                return cycle
    return None

cycle = find_cycle(edges)
if cycle:
    problems.append("file circle: " + " -> ".join(cycle))
folders = {}
for path, targets in edges.items():
    for target in targets:
        if folder(target) != folder(path):
            folders.setdefault(folder(path), set()).add(folder(target))
cycle = find_cycle(folders)
if cycle:
    problems.append("folder circle: " + " -> ".join(cycle))
layer = {"src/core": 0, "src/ui/common": 1, "src/ui": 2, "src/app": 3}
def rank(f):
    for prefix in ("src/ui/common", "src/core", "src/ui", "src/app"):
        if f.startswith(prefix):
            return layer[prefix]
for source, targets in folders.items():
    for target in targets:
        if rank(target) > rank(source):
            problems.append(f"{source} includes {target}, a layer above it")
for p in problems:
    print(p)
for source in sorted(folders):
    print(f"  {source} -> {', '.join(sorted(folders[source]))}")
sys.exit(1 if problems else 0)
