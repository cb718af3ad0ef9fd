#!/usr/bin/env python3
"""Which folder includes which: prints every folder-to-folder include with
its count, the module's layers from the bottom up. With --check it exits 1
when a file of the module includes from a layer above its own, or from a
sibling it must not know (one platform implementation from the other)."""

import argparse
import collections
import pathlib
import re
import sys

# Bottom to top. A folder may include its own layer's folders and anything
# below; folders sharing a rank are siblings and may not include each other.
LAYERS = [
    ("interface", 0),  # the host interface: record, opcodes, editor rect, status
    ("resources", 0),
    ("gui/platform", 1),  # the platform interface
    ("gui/platform/soft", 2),
    ("gui/platform/win32", 2),
    ("gui/platform/testdesktop", 3),  # drives either implementation from tests
    ("gui", 3),
    ("game", 4),
    ("plugin", 5),
]
RANK = dict(LAYERS)
# Programs outside the module: the host reaches it only through the host
# interface, and shares the test desktop's input injection; tests, benchmarks
# and tools may use every layer. The module never includes the test desktop.
ONLY_INTERFACE = {"host"}
SHARED_WITH_HOST = re.compile(r"^gui/platform/testdesktop/\w*Injection\.h$")
TEST_ONLY = "gui/platform/testdesktop"
# The LV2 adapter is a host of the effect too: it sees the host interface and
# the module's entry, and nothing of the game or the toolkit.
ONLY_ENTRY = {"lv2"}
ANYTHING = {"tests", "bench", "tools"}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def folder_of(path):
    """The deepest known folder holding `path` (relative, with slashes)."""
    parts = path.split("/")[:-1]
    while parts:
        name = "/".join(parts)
        if name in RANK or name in ONLY_INTERFACE or name in ONLY_ENTRY:
            return name
        parts.pop()
    top = path.split("/")[0]
    return top if top in ANYTHING else None


def allowed(source, target, included):
    if source == target or source in ANYTHING:
        return True
    if source in ONLY_INTERFACE:
        return target == "interface" or bool(SHARED_WITH_HOST.match(included))
    if source in ONLY_ENTRY:
        return target == "interface" or included == "plugin/PluginMain.h"
    if target not in RANK or target == TEST_ONLY:
        return False
    return RANK[target] < RANK[source]


def scan(root):
    edges = collections.Counter()
    wrong = []
    for file in sorted(root.rglob("*")):
        if file.suffix not in (".h", ".cpp") or "build" in file.relative_to(root).parts[:1]:
            continue
        relative = file.relative_to(root).as_posix()
        source = folder_of(relative)
        if source is None:
            continue
        for included in INCLUDE.findall(file.read_text(errors="replace")):
            target = folder_of(included)
            if target is None:
                continue  # a generated or system-style header
            if target != source:
                edges[(source, target)] += 1
            if not allowed(source, target, included):
                wrong.append(f"{relative}: includes {included}")
    return edges, wrong


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("root", nargs="?", default=".")
    parser.add_argument("--check", action="store_true",
                        help="print only wrong includes; exit 1 if there are any")
    args = parser.parse_args()
    edges, wrong = scan(pathlib.Path(args.root).resolve())
    if not args.check:
        order = ([name for name, _ in reversed(LAYERS)] +
                 sorted(ONLY_ENTRY | ONLY_INTERFACE | ANYTHING))
        for source in order:
            targets = [(t, n) for (s, t), n in edges.items() if s == source]
            if not targets:
                continue
            listed = ", ".join(f"{t} ({n})" for t, n in
                               sorted(targets, key=lambda e: order.index(e[0])))
            print(f"{source:20} -> {listed}")
    for line in wrong:
        print(f"upward include: {line}", file=sys.stderr)
    return 1 if wrong and args.check else 0


if __name__ == "__main__":
    sys.exit(main())
