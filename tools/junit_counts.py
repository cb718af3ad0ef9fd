#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Prints "PASSED FAILED SKIPPED" for one ctest JUnit file (ctest
--output-junit); skipped are the tests that did not run or are disabled.
Exits 1 when the file is missing, unreadable or holds no test."""

import sys
import xml.etree.ElementTree as ElementTree


def main(path):
    try:
        cases = list(ElementTree.parse(path).getroot().iter("testcase"))
    except (OSError, ElementTree.ParseError):
        return 1
    if not cases:
        return 1
    statuses = [case.get("status") for case in cases]
    print(statuses.count("run"), statuses.count("fail"),
          statuses.count("notrun") + statuses.count("disabled"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
