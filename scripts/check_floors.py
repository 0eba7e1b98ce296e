#!/usr/bin/env python3
"""The core's folders are floors: each includes only folders below it, never one above.

Lists every include from one folder of src/core into another and fails when two folders include
each other, or when a folder includes one that stands above it in FLOORS. Run from the root.
"""
import pathlib, re, sys

# Bottom first. A folder may include the folders before it in this list, and none after it.
FLOORS = ["view", "files", "cards", "eval", "games", "help", "strategy", "trainer", "records",
          "round", "variants", "machine"]

core = pathlib.Path("src/core")
include = re.compile(r'^\s*#\s*include\s*"([a-z_]+)/')
edges = {}
for path in sorted(core.rglob("*")):
    if path.suffix not in (".h", ".cpp") or path.parent == core:
        continue
    here = path.relative_to(core).parts[0]
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        m = include.match(line)
        if m and m.group(1) != here and (core / m.group(1)).is_dir():
            edges.setdefault((here, m.group(1)), f"{path}:{number}")

failed = False
folders = {d.name for d in core.iterdir() if d.is_dir()}
for missing in sorted(folders - set(FLOORS)):
    print(f"error: src/core/{missing} has no floor; add it to FLOORS in {sys.argv[0]}")
    failed = True
for (a, b), where in sorted(edges.items()):
    if (b, a) in edges and a < b:
        print(f"error: {a} and {b} include each other ({where}; {edges[(b, a)]})")
        failed = True
    if a in FLOORS and b in FLOORS and FLOORS.index(b) > FLOORS.index(a):
        print(f"error: {a} includes {b}, a floor above it ({where})")
        failed = True
if not failed:
    print(f"floors: {len(edges)} folder-to-folder includes, every one downward")
sys.exit(1 if failed else 0)
