#!/usr/bin/env python3
"""The include-direction check on a copy of the game's sources: it passes as
they are, and names every include added against the direction, and every Qt
header where none belongs, with its file, line and edge."""

import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

SOURCE_ROOT = pathlib.Path(__file__).resolve().parents[2]
CHECK = SOURCE_ROOT / "scripts" / "check-includes.py"
FOLDERS = ["engine", "document", "support", "display", "dialogs", "app", "platform", "resources", "tools",
           "fuzz", "bench"]

# A file, an include it must not have, and the edge the check names.
WRONG = [
    ("engine/sector.h", '"app/settings.h"', "engine -> app"),
    ("engine/random.h", '"platform/rect.h"', "engine -> platform"),
    ("document/game_file_format.cpp", '"support/catalogue.h"', "document -> support"),
    ("support/catalogue.cpp", '"display/board_paint.h"', "support -> display"),
    ("display/board_paint.cpp", '"dialogs/helm_dialog.h"', "display -> dialogs"),
    ("platform/profile_ini.cpp", '"platform/qt/picture_data.h"', "platform -> platform/qt"),
    ("platform/qt/screen.cpp", '"engine/sector.h"', "platform/qt -> engine"),
    ("platform/qt/sound.cpp", '"support/catalogue.h"', "platform/qt -> support"),
    ("tools/game_json.cpp", '"app/settings.h"', "tools -> app"),
    ("tools/art/canvas.cpp", '"app/settings.h"', "tools/art -> app"),
    ("tools/art/canvas.h", '"../../document/game_file_io.h"', "tools/art -> document"),
    ("resources/page_words.inc", '"engine/sector.h"', "resources -> engine"),
    ("engine/session.h", '"resources/page_words.inc"', "engine -> resources"),
    ("engine/sector.h", "<QPainter>", "engine -> Qt"),
    ("document/game_file_format.h", "<QtCore/QFile>", "document -> Qt"),
    ("platform/profile.h", "<QtGui/QColor>", "platform -> Qt"),
    ("fuzz/game_file_fuzz.cpp", "<QByteArray>", "fuzz -> Qt"),
    ("tools/game_json.cpp", "<QJsonDocument>", "tools -> Qt"),
]


def run_check(root):
    result = subprocess.run([sys.executable, str(CHECK), str(root)], capture_output=True, text=True)
    return result.returncode, result.stdout.splitlines()


class IncludeDirectionTest(unittest.TestCase):
    def test_the_sources_pass_and_each_wrong_include_is_named(self):
        with tempfile.TemporaryDirectory() as scratch:
            root = pathlib.Path(scratch)
            for folder in FOLDERS:
                shutil.copytree(SOURCE_ROOT / folder, root / folder)
            self.assertEqual(run_check(root), (0, []))
            expected = []
            for relative, include, edge in WRONG:
                path = root / relative
                lines = path.read_text().splitlines() + [f"#include {include}"]
                path.write_text("\n".join(lines) + "\n")
                expected.append(f"{relative}:{len(lines)}: {edge} (#include {include})")
            status, output = run_check(root)
            self.assertEqual(status, 1)
            self.assertCountEqual(output, expected)


if __name__ == "__main__":
    unittest.main()
