#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Gives every source file of the repository a first line naming its licence,
`SPDX-License-Identifier: MIT`, in the file's own comment syntax (after a
`#!` line, which must stay first). With --check it changes nothing, lists
the files that lack the line and exits 1 if there are any.

    tools/spdx.py [--check] [ROOT]

The files are those git knows or would add (tracked, or new and not
ignored): C++ sources and headers, Python, shell, CMake files and Makefiles.
"""

import argparse
import pathlib
import subprocess
import sys

LINE = "SPDX-License-Identifier: MIT"
SLASHES = {".cpp", ".h", ".inc"}
HASHES = {".py", ".sh", ".cmake"}
HASHED_NAMES = {"CMakeLists.txt", "Makefile"}


def comment_for(path, text):
    """The licence line as this file's comment, or None for a file of another kind."""
    name = path.name.removesuffix(".in")
    suffix = pathlib.PurePath(name).suffix
    if suffix in SLASHES:
        return f"// {LINE}\n"
    if suffix in HASHES or name in HASHED_NAMES or text.startswith("#!"):
        return f"# {LINE}\n"
    return None


def with_line(text, comment):
    """The text with the licence comment, or None when it has it already."""
    lines = text.splitlines(keepends=True)
    at = 1 if lines and lines[0].startswith("#!") else 0
    if LINE in "".join(lines[: at + 1]):
        return None
    return "".join(lines[:at] + [comment] + lines[at:])


def source_files(root):
    listed = subprocess.run(
        ["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
        cwd=root, check=True, capture_output=True).stdout
    return sorted({root / name for name in listed.decode().split("\0") if name})


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true", help="list files without the line")
    parser.add_argument("root", nargs="?", type=pathlib.Path,
                        default=pathlib.Path(__file__).resolve().parent.parent)
    args = parser.parse_args()
    lacking = []
    for path in source_files(args.root):
        if not path.is_file():
            continue  # deleted, but not yet from git's index
        try:
            text = path.read_text()
        except UnicodeDecodeError:
            continue  # a picture or other binary file
        comment = comment_for(path, text)
        changed = comment and with_line(text, comment)
        if not changed:
            continue
        lacking.append(path.relative_to(args.root))
        if not args.check:
            path.write_text(changed)
    for path in lacking:
        print(f"{path}: {'no' if args.check else 'added'} {LINE} line")
    return 1 if args.check and lacking else 0


if __name__ == "__main__":
    sys.exit(main())
