#!/usr/bin/env python3
"""What layers.py --check says of small trees, one per rule: each wrong
include named with exit 1, a tree of allowed ones exit 0.

    python3 -m unittest tools/test_layers.py
"""

import pathlib
import subprocess
import sys
import tempfile
import unittest

TOOL = pathlib.Path(__file__).resolve().parent / "layers.py"

# Each tree: its files and what each includes. Allowed: downwards, the host
# to the interface and the test desktop's injection, the LV2 adapter to the
# interface and the module's entry, tests anywhere.
ALLOWED = {
    "plugin/Effect.cpp": ["game/GameView.h", "gui/View.h", "interface/Opcodes.h"],
    "gui/View.cpp": ["gui/platform/platform.h", "gui/View.h"],
    "gui/platform/soft/Raster.cpp": ["gui/platform/platform.h"],
    "host/Session.cpp": ["interface/EffectRecord.h", "gui/platform/testdesktop/X11Injection.h"],
    "lv2/Lv2Effect.cpp": ["plugin/PluginMain.h", "interface/Opcodes.h"],
    "tests/AnyTest.cpp": ["plugin/Effect.h", "gui/platform/testdesktop/TestDesktop.h"],
}
WRONG = {
    "upwards": ("gui/View.cpp", "game/GameView.h"),
    "between platform siblings": ("gui/platform/soft/Raster.cpp", "gui/platform/win32/Gdi.h"),
    "the module to the test desktop": ("plugin/Effect.cpp", "gui/platform/testdesktop/TestDesktop.h"),
    "the host into the module": ("host/Session.cpp", "plugin/Effect.h"),
    "the host to the rest of the test desktop": ("host/Session.cpp",
                                                 "gui/platform/testdesktop/TestDesktop.h"),
    "the LV2 adapter to the game": ("lv2/Lv2Effect.cpp", "game/GameView.h"),
    "the LV2 adapter past the entry": ("lv2/Lv2Effect.cpp", "plugin/Dispatcher.h"),
}


def check(tree):
    with tempfile.TemporaryDirectory() as root:
        for file, includes in tree.items():
            path = pathlib.Path(root) / file
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text("".join(f'#include "{name}"\n' for name in includes))
        run = subprocess.run([sys.executable, TOOL, "--check", root], capture_output=True, text=True)
        return run.returncode, run.stderr


class Layers(unittest.TestCase):
    def test_each_rule(self):
        self.assertEqual(check(ALLOWED), (0, ""))
        for rule, (file, included) in WRONG.items():
            tree = dict(ALLOWED)
            tree[file] = tree[file] + [included]
            self.assertEqual(check(tree), (1, f"upward include: {file}: includes {included}\n"), rule)


if __name__ == "__main__":
    unittest.main()
