#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""junit_counts.py and layers.py --check on small fixtures: what each prints
and its exit code. python3 -m unittest tools/test_build_tools.py"""

import pathlib
import subprocess
import sys
import tempfile
import unittest

TOOLS = pathlib.Path(__file__).resolve().parent
STATUSES = "run run fail notrun disabled disabled".split()
JUNIT = "<testsuite>%s</testsuite>" % "".join(
    f'<testcase name="{n}" status="{status}"/>' for n, status in enumerate(STATUSES))

# Each file with what it includes: downwards, the host to the interface and
# the test desktop's injection, the adapter core to the interface and the
# module's entry, the LV2 and CLAP glue to the interface and the core, the
# browser's glue to the core and every layer, the host's CLAP format to
# CLAP's declaration, tests to anything.
ALLOWED = {
    "plugin/Effect.cpp": ["game/GameView.h", "gui/View.h", "interface/Opcodes.h"],
    "gui/platform/soft/Raster.cpp": ["gui/platform/platform.h"],
    "host/Session.cpp": ["interface/EffectRecord.h", "gui/platform/testdesktop/X11Injection.h"],
    "adapter/EffectAdapter.cpp": ["plugin/PluginMain.h", "interface/Opcodes.h"],
    "lv2/Lv2Plugin.cpp": ["adapter/EffectAdapter.h", "interface/Opcodes.h"],
    "clap/ClapPlugin.cpp": ["adapter/EffectAdapter.h", "interface/Opcodes.h"],
    "host/formats/clap/ClapHostedPlugin.cpp": ["clap/Clap.h"],
    "gui/platform/web/CanvasWindows.cpp": ["gui/platform/soft/SoftWindow.h"],
    "web/WebEffect.cpp": ["adapter/EffectAdapter.h", "game/SoundEvents.h", "interface/Opcodes.h"],
    "tests/AnyTest.cpp": ["plugin/Effect.h", "gui/platform/testdesktop/TestDesktop.h"],
    # The host's layers, each over the one below it.
    "host/platform/posix/Loader.cpp": ["host/platform/Loader.h"],
    "host/io/Wav.cpp": ["host/platform/Loader.h"],
    "host/formats/module/Module.cpp": ["host/io/Wav.h"],
    "host/Session.h": ["host/formats/Formats.h"],
    "host/commands/Check.cpp": ["host/Session.h"],
    "host/main.cpp": ["host/commands/Commands.h"],
}
# One wrong include per rule.
WRONG = [
    ("gui/platform/soft/Raster.cpp", "gui/View.h"),
    ("gui/platform/soft/Raster.cpp", "gui/platform/win32/Gdi.h"),
    ("plugin/Effect.cpp", "gui/platform/testdesktop/TestDesktop.h"),
    ("host/Session.cpp", "plugin/Effect.h"),
    ("host/Session.cpp", "gui/platform/testdesktop/TestDesktop.h"),
    ("adapter/EffectAdapter.cpp", "game/GameView.h"),
    ("adapter/EffectAdapter.cpp", "plugin/Dispatcher.h"),
    ("lv2/Lv2Plugin.cpp", "plugin/PluginMain.h"),
    ("clap/ClapPlugin.cpp", "game/GameView.h"),
    ("host/Session.cpp", "clap/Clap.h"),
    ("gui/platform/soft/Raster.cpp", "gui/platform/web/CanvasWindows.h"),
    ("adapter/EffectAdapter.cpp", "web/SoundWriteRelay.h"),
    # Each host layer reaching the one above it.
    ("host/platform/posix/Loader.cpp", "host/io/Wav.h"),
    ("host/io/Wav.cpp", "host/formats/Formats.h"),
    ("host/formats/module/Module.cpp", "host/Session.h"),
    ("host/Session.h", "host/commands/Commands.h"),
    ("host/commands/Check.cpp", "host/main.cpp"),
]


def run(*args):
    done = subprocess.run([sys.executable, *map(str, args)], capture_output=True, text=True)
    return done.returncode, done.stdout + done.stderr


class BuildTools(unittest.TestCase):
    def test_junit_counts(self):
        with tempfile.TemporaryDirectory() as folder:
            for name, text, expected in [("cases", JUNIT, (0, "2 1 3\n")), ("empty", "", (1, "")),
                                         ("no cases", "<testsuite/>", (1, "")),
                                         ("missing", None, (1, ""))]:
                path = pathlib.Path(folder) / name
                if text is not None:
                    path.write_text(text)
                self.assertEqual(run(TOOLS / "junit_counts.py", path), expected, name)

    def test_layers(self):
        for wrong in [None, *WRONG]:
            with tempfile.TemporaryDirectory() as root:
                for file, includes in ALLOWED.items():
                    path = pathlib.Path(root) / file
                    path.parent.mkdir(parents=True, exist_ok=True)
                    extra = [wrong[1]] if wrong and wrong[0] == file else []
                    path.write_text("".join(f'#include "{name}"\n' for name in includes + extra))
                said = f"upward include: {wrong[0]}: includes {wrong[1]}\n" if wrong else ""
                self.assertEqual(run(TOOLS / "layers.py", "--check", root), (bool(wrong), said))


if __name__ == "__main__":
    unittest.main()
