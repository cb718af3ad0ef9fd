#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""tools/spdx.py on a repository of the test's own: which files get the
licence line, where it goes, and what --check reports before and after."""

import pathlib
import subprocess
import sys
import tempfile
import unittest

TOOL = pathlib.Path(__file__).resolve().parent / "spdx.py"
SLASHED = "// SPDX-License-Identifier: MIT\n"
HASHED = "# SPDX-License-Identifier: MIT\n"

# name: (text before, text after); None after: the file is left as it was.
CASES = {
    "plugin/Effect.cpp": ("int x;\n", SLASHED + "int x;\n"),
    "plugin/Effect.h": ("#pragma once\n", SLASHED + "#pragma once\n"),
    "tests/Golden.inc": ("1,\n", SLASHED + "1,\n"),
    "tools/make.py": ("import os\n", HASHED + "import os\n"),
    "cmake/Run.cmake": ("set(x)\n", HASHED + "set(x)\n"),
    "Makefile": ("all:\n", HASHED + "all:\n"),
    "tools/run.sh": ("#!/bin/sh\necho\n", "#!/bin/sh\n" + HASHED + "echo\n"),
    ".ci/run": ("#!/usr/bin/env bash\nmake\n", "#!/usr/bin/env bash\n" + HASHED + "make\n"),
    "CMakeLists.txt": ("project(X)\n", HASHED + "project(X)\n"),
    "cmake/run.sh.in": ("#!/bin/sh\n", "#!/bin/sh\n" + HASHED),
    # A template by the suffix it will have.
    "interface/Version.h.in": ("#define V\n", SLASHED + "#define V\n"),
    "packaging/Config.cmake.in": ("set(x)\n", HASHED + "set(x)\n"),
    "done.cpp": (SLASHED + "int y;\n", None),
    "notes.txt": ("words\n", None),
    "lv2/data.ttl.in": ("@prefix a: <b> .\n", None),
    "build/generated.cpp": ("int z;\n", None),  # ignored by git
}


class SpdxTool(unittest.TestCase):
    def test_adds_the_line_where_missing_and_check_lists_those_files(self):
        with tempfile.TemporaryDirectory() as folder:
            root = pathlib.Path(folder)
            for name, (before, _) in CASES.items():
                (root / name).parent.mkdir(parents=True, exist_ok=True)
                (root / name).write_text(before)
            (root / ".gitignore").write_text("build/\n")
            subprocess.run(["git", "init", "-q", root], check=True)
            tool = lambda *options: subprocess.run(
                [sys.executable, TOOL, *options, root], capture_output=True, text=True)

            check = tool("--check")
            self.assertEqual(check.returncode, 1)
            self.assertEqual({line.split(":")[0] for line in check.stdout.splitlines()},
                             {name for name, (_, after) in CASES.items() if after})
            self.assertEqual(tool().returncode, 0)
            for name, (before, after) in CASES.items():
                self.assertEqual((root / name).read_text(), after or before, name)
            self.assertEqual(tool("--check").stdout, "")


if __name__ == "__main__":
    unittest.main()
