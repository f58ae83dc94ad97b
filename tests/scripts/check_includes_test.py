#!/usr/bin/env python3
"""The include-direction check on small trees written here, and on a copy of the
game's own sources with one wrong include added."""

import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

SOURCE_ROOT = pathlib.Path(__file__).resolve().parents[2]
CHECK = SOURCE_ROOT / "scripts" / "check-includes.py"

# Every module including each module it may include, the way the game writes
# its includes: from the source root, or beside the file in the art generator.
CLEAN_TREE = {
    "engine/sector.h": ["<array>", '"engine/random.h"'],
    "engine/random.h": ["<cstdint>"],
    "document/game_file.cpp": ['"document/game_file.h"', '"engine/sector.h"'],
    "document/game_file.h": [],
    "support/catalogue.cpp": ['"engine/sector.h"', '"platform/string_table.h"'],
    "display/panels.cpp": ['"engine/sector.h"', '"support/catalogue.cpp"', '"platform/surface.h"'],
    "dialogs/helm.cpp": ['"display/panels.cpp"', '"support/catalogue.cpp"', '"platform/dialog.h"',
                         '"engine/random.h"'],
    "app/main_menu.cpp": ['"engine/sector.h"', '"document/game_file.h"', '"support/catalogue.cpp"',
                          '"display/panels.cpp"', '"dialogs/helm.cpp"', '"platform/menu.h"',
                          '"resources/menu.inc"'],
    "platform/string_table.h": [],
    "platform/surface.h": [],
    "platform/dialog.h": [],
    "platform/menu.h": [],
    "platform/string_table.cpp": ['"platform/string_table.h"', '"resources/string_table.inc"'],
    "platform/qt/screen.cpp": ['"platform/menu.h"', '"resources/menu.inc"'],
    "platform/qt/menu.cpp": ["<QMenu>", "<QtWidgets/QAction>", '"platform/menu.h"',
                             '"resources/menu.inc"', '"platform/qt/app_window.h"'],
    "platform/qt/app_window.h": [],
    "resources/menu.inc": [],
    "resources/string_table.inc": [],
    "tools/game_json.cpp": ['"engine/sector.h"', '"document/game_file.h"', '"support/catalogue.cpp"',
                            '"platform/menu.h"', '"platform/string_table.h"',
                            "<nlohmann/json.hpp>"],
    "tools/art/canvas.cpp": ['"canvas.h"', "<QImage>"],
    "tools/art/canvas.h": ['"palette.h"'],
    "tools/art/palette.h": [],
    "fuzz/game_file_fuzz.cpp": ['"document/game_file.h"', '"platform/qt/screen.cpp"'],
    "bench/paint_bench.cpp": ["<QApplication>", '"app/main_menu.cpp"', '"platform/qt/menu.cpp"'],
    "tests/app/main_menu_test.cpp": ["<QtTest>", '"common/driver.h"', '"app/main_menu.cpp"',
                                     '"platform/qt/app_window.h"', '"tools/art/canvas.h"'],
    "tests/common/driver.h": ["<QWidget>"],
}


def write_tree(root, tree):
    for relative, includes in tree.items():
        path = root / relative
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text("".join(f"#include {include}\n" for include in includes) + "int unused;\n")


def add_include(root, relative, include):
    """Appends `#include include` to a file and returns its line number."""
    path = root / relative
    lines = path.read_text().splitlines()
    lines.append(f"#include {include}")
    path.write_text("\n".join(lines) + "\n")
    return len(lines)


def run_check(root):
    result = subprocess.run([sys.executable, str(CHECK), str(root)], capture_output=True, text=True)
    return result.returncode, result.stdout.splitlines()


class IncludeDirectionTest(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.TemporaryDirectory()
        self.root = pathlib.Path(self.scratch.name)

    def tearDown(self):
        self.scratch.cleanup()

    def test_tree_that_keeps_the_direction_passes(self):
        write_tree(self.root, CLEAN_TREE)
        self.assertEqual(run_check(self.root), (0, []))

    def test_each_include_against_the_direction_is_named_with_its_edge(self):
        write_tree(self.root, CLEAN_TREE)
        wrong = [
            ("engine/sector.h", '"app/settings.h"', "engine -> app"),
            ("engine/random.h", '"platform/surface.h"', "engine -> platform"),
            ("document/game_file.cpp", '"support/catalogue.cpp"', "document -> support"),
            ("support/catalogue.cpp", '"display/panels.cpp"', "support -> display"),
            ("display/panels.cpp", '"dialogs/helm.cpp"', "display -> dialogs"),
            ("platform/string_table.cpp", '"platform/qt/app_window.h"', "platform -> platform/qt"),
            ("platform/qt/screen.cpp", '"engine/sector.h"', "platform/qt -> engine"),
            ("platform/qt/menu.cpp", '"support/catalogue.cpp"', "platform/qt -> support"),
            ("tools/game_json.cpp", '"app/main_menu.cpp"', "tools -> app"),
            ("tools/art/canvas.cpp", '"engine/sector.h"', "tools/art -> engine"),
            ("tools/art/canvas.h", '"../../engine/random.h"', "tools/art -> engine"),
            ("resources/menu.inc", '"engine/sector.h"', "resources -> engine"),
        ]
        expected = []
        for relative, include, edge in wrong:
            line = add_include(self.root, relative, include)
            expected.append(f"{relative}:{line}: {edge} (#include {include})")

        status, output = run_check(self.root)
        self.assertEqual(status, 1)
        self.assertCountEqual(output, expected)

    def test_qt_headers_stay_out_of_the_rules_the_documents_and_the_tools(self):
        write_tree(self.root, CLEAN_TREE)
        expected = []
        for relative, include, module in [
            ("engine/sector.h", "<QPainter>", "engine"),
            ("document/game_file.h", "<QtCore/QFile>", "document"),
            ("platform/string_table.h", "<QtGui/QColor>", "platform"),
            ("fuzz/game_file_fuzz.cpp", "<QByteArray>", "fuzz"),
            ("tools/game_json.cpp", "<QJsonDocument>", "tools"),
        ]:
            line = add_include(self.root, relative, include)
            expected.append(f"{relative}:{line}: {module} -> Qt (#include {include})")

        status, output = run_check(self.root)
        self.assertEqual(status, 1)
        self.assertCountEqual(output, expected)

    def test_wrong_include_in_a_copy_of_the_game_sources_is_reported(self):
        # The copy keeps whatever the game's own tree reports today; the one
        # include added must be the only difference.
        for folder in ["engine", "document", "support", "display", "dialogs", "app", "platform",
                       "resources", "tools", "fuzz", "bench"]:
            for path in (SOURCE_ROOT / folder).rglob("*"):
                if path.is_file() and path.suffix in (".h", ".cpp", ".inc"):
                    copy = self.root / path.relative_to(SOURCE_ROOT)
                    copy.parent.mkdir(parents=True, exist_ok=True)
                    shutil.copyfile(path, copy)
        _, before = run_check(self.root)

        engine_file = sorted(self.root.glob("engine/*.cpp"))[0].relative_to(self.root).as_posix()
        line = add_include(self.root, engine_file, '"app/settings.h"')
        status, after = run_check(self.root)

        self.assertEqual(status, 1)
        added = f'{engine_file}:{line}: engine -> app (#include "app/settings.h")'
        self.assertCountEqual(after, before + [added])


if __name__ == "__main__":
    unittest.main()
