#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Which folder includes which: prints every folder-to-folder include with
its count, the module's layers from the bottom up. With --check it exits 1
when a file of the module includes from a layer above its own, when the
adapter core reaches past the module's entry or a format's glue past the core, or from a
sibling it must not know (one platform implementation from the other), when
a folder of the host program includes from one above its own, or when a
host file outside its LV2 format includes an LV2 or lilv header (or one
outside its CLAP format the CLAP declarations)."""

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
    ("gui/platform/web", 3),  # the software platform shown in a browser's canvas
    ("gui", 3),
    ("game", 4),
    ("plugin", 5),
    # The browser's glue (over the adapter core, which it may include too):
    # it carries the game's sound events between the effect that shows the
    # game and the one in the audio thread, so it sees their layout.
    ("web", 7),
]
RANK = dict(LAYERS)
# The host program's own layers, bottom to top: OS calls, files and the
# silent output, the plug-in formats, the session, the commands.
HOST_LAYERS = [
    ("host/platform", 0),
    ("host/io", 1),
    ("host/formats", 2),
    ("host", 3),
    ("host/commands", 4),
    ("host/main.cpp", 5),  # the program, over its commands
]
HOST_RANK = dict(HOST_LAYERS)
# Only the host's LV2 format speaks LV2 and lilv.
LV2_HEADER = re.compile(r"^\s*#\s*include\s+<(lv2|lilv)/", re.MULTILINE)
HOST_LV2 = "host/formats/lv2/"
# Only the host's CLAP format speaks CLAP, through the adapter's declaration of it.
HOST_CLAP = "host/formats/clap/"
CLAP_INTERFACE = "clap/Clap.h"
# Programs outside the module: the host reaches it only through the host
# interface, and shares the test desktop's input injection and the X display
# opening; tests, benchmarks and tools may use every layer. The module never
# includes the test desktop.
X11_DISPLAY = "gui/platform/X11Display.h"
SHARED_WITH_HOST = re.compile(r"^gui/platform/testdesktop/\w*Injection\.h$")
TEST_ONLY = "gui/platform/testdesktop"
# The adapter core is a host of the effect: it sees the host interface and
# the module's entry, and nothing of the game or the toolkit. The formats'
# glue sees the host interface and the core.
ADAPTER = "adapter"
FORMAT_GLUE = {"lv2", "clap"}
ONLY_ENTRY = {ADAPTER} | FORMAT_GLUE
ANYTHING = {"tests", "bench", "tools"}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def folder_of(path):
    """The deepest known folder holding `path` (relative, with slashes)."""
    if path in HOST_RANK:
        return path
    parts = path.split("/")[:-1]
    while parts:
        name = "/".join(parts)
        if name in RANK or name in HOST_RANK or name in ONLY_ENTRY:
            return name
        parts.pop()
    top = path.split("/")[0]
    return top if top in ANYTHING else None


def allowed(source, target, included, relative):
    if source == target or source in ANYTHING:
        return True
    if source in HOST_RANK:
        if target in HOST_RANK:
            return HOST_RANK[target] < HOST_RANK[source]
        return (target == "interface" or bool(SHARED_WITH_HOST.match(included)) or
                included == X11_DISPLAY or
                (included == CLAP_INTERFACE and relative.startswith(HOST_CLAP)))
    if source == ADAPTER:
        return target == "interface" or included == "plugin/PluginMain.h"
    if source in FORMAT_GLUE:
        return target in ("interface", ADAPTER)
    if source == "web" and target == ADAPTER:
        return True
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
        text = file.read_text(errors="replace")
        if source in HOST_RANK and not relative.startswith(HOST_LV2):
            wrong += [f"{relative}: includes <{name}/...> outside {HOST_LV2}"
                      for name in LV2_HEADER.findall(text)]
        for included in INCLUDE.findall(text):
            target = folder_of(included)
            if target is None:
                continue  # a generated or system-style header
            if target != source:
                edges[(source, target)] += 1
            if not allowed(source, target, included, relative):
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
                 [name for name, _ in reversed(HOST_LAYERS)] + sorted(ONLY_ENTRY | ANYTHING))
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
