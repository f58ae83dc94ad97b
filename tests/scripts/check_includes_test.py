#!/usr/bin/env python3
"""The include-direction check on a copy of the game's sources: it passes as they are, and names every include added
against the direction, and every Qt header where none belongs, with its file, line and edge."""

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

# Each line of wrong_includes.tsv: a file, an include it must not have, and the edge the check names, separated by tabs.
WRONG = [line.split("\t") for line in pathlib.Path(__file__).with_name("wrong_includes.tsv").read_text().splitlines()]


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
            self.assertEqual((status, sorted(output)), (1, sorted(expected)))


if __name__ == "__main__":
    unittest.main()
