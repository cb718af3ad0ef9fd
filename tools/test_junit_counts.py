#!/usr/bin/env python3
"""The counts junit_counts.py prints for small JUnit files, and its exit codes.

    python3 -m unittest tools/test_junit_counts.py
"""

import pathlib
import subprocess
import sys
import tempfile
import unittest

TOOL = pathlib.Path(__file__).resolve().parent / "junit_counts.py"
CASES = """<?xml version="1.0" encoding="UTF-8"?>
<testsuite tests="7">
  <testcase name="a" status="run"/><testcase name="b" status="run"/>
  <testcase name="c" status="run"/><testcase name="d" status="fail"/>
  <testcase name="e" status="notrun"/><testcase name="f" status="disabled"/>
  <testcase name="g" status="disabled"/>
</testsuite>"""


class JunitCounts(unittest.TestCase):
    def test_counts_and_exit_codes(self):
        with tempfile.TemporaryDirectory() as folder:
            files = {
                "cases": (CASES, 0, "3 1 3\n"),
                "empty": ("", 1, ""),
                "no cases": ("<testsuite tests=\"0\"/>", 1, ""),
                "missing": (None, 1, ""),
            }
            for name, (text, code, printed) in files.items():
                path = pathlib.Path(folder) / f"{name}.xml"
                if text is not None:
                    path.write_text(text)
                run = subprocess.run([sys.executable, TOOL, path], capture_output=True, text=True)
                self.assertEqual((run.returncode, run.stdout), (code, printed), name)


if __name__ == "__main__":
    unittest.main()
