#!/usr/bin/env python3
"""Installs the built game into a temporary DESTDIR and checks the tree the
way a desktop sees it. Usage: installed_tree_test.py BUILD_DIR DESKTOP_ID
VERSION [unittest options]"""

import filecmp
import gzip
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree
from pathlib import Path

BUILD_DIR = ""
DESKTOP_ID = ""
VERSION = ""
GAME_TYPE = "application/x-kestravane-game"
PREFIX = "/usr"
SOURCE_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


def run(command, **options):
    return subprocess.run(command, capture_output=True, text=True, **options)


class InstalledTree(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.mkdtemp(prefix="kestravane-install-")
        cls.addClassCleanup(shutil.rmtree, cls.scratch, ignore_errors=True)
        cls.destdir = os.path.join(cls.scratch, "root")
        installed = run(["cmake", "--install", BUILD_DIR, "--prefix", PREFIX], env=dict(os.environ, DESTDIR=cls.destdir))
        if installed.returncode != 0:
            raise AssertionError("cmake --install failed:\n" + installed.stdout + installed.stderr)
        cls.usr = cls.destdir + PREFIX
        cls.share = os.path.join(cls.usr, "share")

    def path(self, *parts):
        return os.path.join(self.usr, *parts)

    def assertRuns(self, command, **options):
        result = run(command, **options)
        self.assertEqual(result.returncode, 0, f"{command}:\n{result.stdout}{result.stderr}")
        return result

    def test_the_programs_run_from_where_they_were_installed_and_nothing_from_the_build_tree(self):
        game, tool = self.path("games", "kestravane"), self.path("games", "kestravane-tool")
        self.assertEqual(self.assertRuns([game, "--version"]).stdout, f"Kestravane {VERSION}\n")
        self.assertIn("Usage: kestravane-tool", self.assertRuns([tool, "--help"]).stdout)
        player = self.path("lib", "games", "kestravane", "libkestravane_sound.so")
        self.assertTrue(os.path.isfile(player), player)
        for program in (tool, game):
            dynamic = self.assertRuns(["readelf", "-d", program]).stdout
            self.assertNotIn(os.path.realpath(BUILD_DIR), dynamic, program)
        runpaths = [line.split("[", 1)[1].rstrip("]") for line in dynamic.splitlines() if "(RUNPATH)" in line]
        self.assertEqual(len(runpaths), 1, dynamic)
        folders = [entry.replace("$ORIGIN", self.path("games")) for entry in runpaths[0].split(":")]
        self.assertIn(os.path.dirname(player), [os.path.normpath(folder) for folder in folders])

    def test_the_desktop_entry_and_the_metainfo_validate_and_the_entry_opens_saved_games(self):
        entry = os.path.join(self.share, "applications", DESKTOP_ID + ".desktop")
        self.assertRuns(["desktop-file-validate", entry])
        self.assertRuns(["appstreamcli", "validate", "--no-net", os.path.join(self.share, "metainfo", DESKTOP_ID + ".metainfo.xml")])
        with open(entry, encoding="utf-8") as text:
            keys = dict(line.rstrip("\n").split("=", 1) for line in text if "=" in line)
        self.assertIn("%f", keys["Exec"].split())
        self.assertIn(GAME_TYPE, keys["MimeType"].split(";"))
        self.assertEqual(keys["Icon"], DESKTOP_ID)
        self.assertTrue({"Game", "StrategyGame"} <= set(keys["Categories"].split(";")))
        # The saved game's type as packaged, which mime_claim_test.py shows the desktop reads by name and signature.
        mime = os.path.join(self.share, "mime", "packages", DESKTOP_ID + ".xml")
        self.assertTrue(filecmp.cmp(mime, os.path.join(SOURCE_DIR, "packaging", DESKTOP_ID + ".xml"), shallow=False))

    def test_the_desktop_speaks_every_language_the_game_speaks(self):
        translations = Path(SOURCE_DIR, "translations").glob("kestravane_*.ts")
        languages = sorted(path.stem.split("_", 1)[1] for path in translations)
        with open(os.path.join(self.share, "applications", DESKTOP_ID + ".desktop"), encoding="utf-8") as text:
            keys = dict(line.rstrip("\n").split("=", 1) for line in text if "=" in line)
        metainfo = ElementTree.parse(os.path.join(self.share, "metainfo", DESKTOP_ID + ".metainfo.xml")).getroot()
        mime = ElementTree.parse(os.path.join(self.share, "mime", "packages", DESKTOP_ID + ".xml")).getroot()
        lang = "{http://www.w3.org/XML/1998/namespace}lang"

        def said_in(elements, language):
            return [element.text.strip() for element in elements if element.get(lang) == language]

        for language in languages:
            with self.subTest(language=language):
                for key in ("Name", "GenericName", "Comment", "Keywords"):
                    self.assertTrue(keys.get(f"{key}[{language}]"), key)
                self.assertEqual(len(said_in(metainfo.iter("summary"), language)), 1)
                self.assertEqual(len(said_in(metainfo.find("description").iter("p"), language)),
                                 len(said_in(metainfo.find("description").iter("p"), None)))
                self.assertEqual(len(said_in(mime.iter("{http://www.freedesktop.org/standards/shared-mime-info}comment"),
                                             language)), 1)

    def test_every_icon_size_is_there_at_its_size(self):
        for size in (16, 32, 48, 64, 128, 256):
            icon = os.path.join(self.share, "icons", "hicolor", f"{size}x{size}", "apps", DESKTOP_ID + ".png")
            with open(icon, "rb") as png:
                head = png.read(26)
            shape = (head[:8], *struct.unpack(">IIBB", head[16:26]))
            self.assertEqual(shape, (b"\x89PNG\r\n\x1a\n", size, size, 8, 6), f"{icon}: a PNG of its size, 8-bit RGBA")

    def test_the_manual_pages_are_there_and_the_game_lists_every_key_of_the_key_table_once(self):
        manuals = {}
        for section, page in (("6", "kestravane"), ("1", "kestravane-tool")):
            with gzip.open(self.path("share", "man", "man" + section, f"{page}.{section}.gz"), "rt", encoding="utf-8") as text:
                manuals[page] = text.read()
            self.assertTrue(manuals[page].startswith(f".TH {page.upper()} {section} "), page)
        with open(os.path.join(SOURCE_DIR, "app", "commands.cpp"), encoding="utf-8") as source:
            commands, game_keys = source.read().split("ActionOfKey(int key)")
        desktop = {"New": "Ctrl+N", "Open": "Ctrl+O", "Save": "Ctrl+S"}
        keys = sorted([desktop[key] for key in re.findall(r"QKeySequence::(\w+), \{", commands) if key in desktop] +
                      ["Ctrl+" + key for key in re.findall(r"Ctrl\(Qt::Key_(\w+)\)", commands)] +
                      ["Ctrl+Shift+" + key for key in re.findall(r"CtrlShift\(Qt::Key_(\w+)\)", commands)] +
                      re.findall(r"[{,] Qt::Key_(\w+)", commands) + re.findall(r"\{Qt::Key_(\w+), ", game_keys))
        listed = re.findall(r"^\.TP\n\.B (.+)$", manuals["kestravane"].split("\n.SH KEYS\n")[1].split("\n.SH ")[0], re.M)
        self.assertEqual(sorted(listed), keys)


if __name__ == "__main__":
    BUILD_DIR, DESKTOP_ID, VERSION = sys.argv[1:4]
    unittest.main(argv=[sys.argv[0]] + sys.argv[4:], verbosity=2)
