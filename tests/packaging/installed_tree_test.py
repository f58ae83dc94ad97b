#!/usr/bin/env python3
"""Installs the built game into a temporary DESTDIR and checks the tree the way a desktop sees it.
Usage: installed_tree_test.py BUILD_DIR DESKTOP_ID VERSION [unittest options]"""

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
import zipfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

BUILD_DIR = DESKTOP_ID = VERSION = ""  # from the command line
GAME_TYPE = "application/x-kestravane-game"
PREFIX = "/usr"
SOURCE_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
WEB_ARCHIVE = "application/x-webarchive"
# Java web archives as newer freedesktop databases define them; Debian 12's does not.
WEB_ARCHIVE_XML = f"""<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="{WEB_ARCHIVE}"><sub-class-of type="application/zip"/><glob pattern="*.war"/></mime-type>
</mime-info>"""
# GIO reads the name and the content; by the name alone it says what a file manager lists before reading the file;
# mimetype, which xdg-mime runs outside a known desktop, trusts the name before a signature of low priority.
READERS = {"gio": ["gio", "info", "-a", "standard::content-type"],
           "gio by name": ["gio", "info", "-a", "standard::fast-content-type"], "mimetype": ["mimetype", "--brief"]}
# (the machine knows Java web archives, what the file holds, its name, the type each reader is to give)
MIME_CASES = [
    (True, "zip", "app.war", {"gio": WEB_ARCHIVE, "gio by name": WEB_ARCHIVE, "mimetype": WEB_ARCHIVE}),
    (True, "game", "campaign.war", {"gio": GAME_TYPE, "mimetype": GAME_TYPE}),
    (True, "game", "campaign.dat", {"gio": GAME_TYPE, "mimetype": GAME_TYPE}),
    (True, "game", "campaign", {"gio": GAME_TYPE, "mimetype": GAME_TYPE}),
    (False, "game", "campaign.war", {"gio": GAME_TYPE, "gio by name": GAME_TYPE, "mimetype": GAME_TYPE})]


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
        cls.entry = os.path.join(cls.share, "applications", DESKTOP_ID + ".desktop")
        cls.mime = os.path.join(cls.share, "mime", "packages", DESKTOP_ID + ".xml")
        entry = Path(cls.entry).read_text(encoding="utf-8")
        cls.keys = dict(line.split("=", 1) for line in entry.splitlines() if "=" in line)

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
        self.assertRuns(["desktop-file-validate", self.entry])
        self.assertRuns(["appstreamcli", "validate", "--no-net", os.path.join(self.share, "metainfo", DESKTOP_ID + ".metainfo.xml")])
        self.assertIn("%f", self.keys["Exec"].split())
        self.assertIn(GAME_TYPE, self.keys["MimeType"].split(";"))
        self.assertEqual(self.keys["Icon"], DESKTOP_ID)
        self.assertTrue({"Game", "StrategyGame"} <= set(self.keys["Categories"].split(";")))
        self.assertTrue(filecmp.cmp(self.mime, os.path.join(SOURCE_DIR, "packaging", DESKTOP_ID + ".xml"), shallow=False))

    # With the game's type installed beside the machine's, a saved game is the game's by its name and by its
    # signature, while a zip named *.war stays a Java web archive where the machine knows that type.
    def test_saved_games_are_the_games_and_java_web_archives_are_not(self):
        if missing := [program for program in ("update-mime-database", "gio") if not shutil.which(program)]:
            self.skipTest("no " + " and no ".join(missing) + " (Debian: shared-mime-info, libglib2.0-bin)")
        files = {"game": os.path.join(self.scratch, "saved-game"), "zip": os.path.join(self.scratch, "web-archive")}
        self.assertRuns([self.path("games", "kestravane-tool"), "new", "--number", "7", files["game"]])
        with zipfile.ZipFile(files["zip"], "w") as archive:
            archive.writestr("WEB-INF/web.xml", "<web-app/>")
        environments = {}
        for knows_web_archives in (True, False):
            share = os.path.join(self.scratch, f"share-{knows_web_archives}")
            os.makedirs(packages := os.path.join(share, "mime", "packages"))
            shutil.copy("/usr/share/mime/packages/freedesktop.org.xml", packages)
            shutil.copy(self.mime, packages)
            if knows_web_archives:
                Path(packages, "java-web-archive.xml").write_text(WEB_ARCHIVE_XML, encoding="utf-8")
            self.assertRuns(["update-mime-database", os.path.dirname(packages)])
            environments[knows_web_archives] = dict(os.environ, XDG_DATA_DIRS=share, GIO_USE_VFS="local",
                                                    XDG_DATA_HOME=os.path.join(self.scratch, "empty"))
        for knows_web_archives, contents, name, expected in MIME_CASES:
            os.makedirs(folder := os.path.join(self.scratch, f"files-{knows_web_archives}"), exist_ok=True)
            shutil.copyfile(files[contents], path := os.path.join(folder, name))
            for reader, wanted in expected.items():
                with self.subTest(web_archives_known=knows_web_archives, contents=contents, name=name, reader=reader):
                    output = self.assertRuns(READERS[reader] + [path], env=environments[knows_web_archives]).stdout
                    self.assertEqual(output.rsplit(": ", 1)[-1].strip(), wanted)

    def test_the_desktop_speaks_every_language_the_game_speaks(self):
        translations = Path(SOURCE_DIR, "translations").glob("kestravane_*.ts")
        languages = sorted(path.stem.split("_", 1)[1] for path in translations)
        metainfo = ElementTree.parse(os.path.join(self.share, "metainfo", DESKTOP_ID + ".metainfo.xml")).getroot()
        mime = ElementTree.parse(self.mime).getroot()
        lang = "{http://www.w3.org/XML/1998/namespace}lang"

        def said_in(elements, language):
            return [element.text.strip() for element in elements if element.get(lang) == language]

        for language in languages:
            with self.subTest(language=language):
                for key in ("Name", "GenericName", "Comment", "Keywords"):
                    self.assertTrue(self.keys.get(f"{key}[{language}]"), key)
                self.assertEqual(len(said_in(metainfo.iter("summary"), language)), 1)
                self.assertEqual(len(said_in(metainfo.find("description").iter("p"), language)),
                                 len(said_in(metainfo.find("description").iter("p"), None)))
                self.assertEqual(len(said_in(mime.iter("{http://www.freedesktop.org/standards/shared-mime-info}comment"),
                                             language)), 1)

    def test_every_icon_size_is_there_at_its_size(self):
        for size in (16, 32, 48, 64, 128, 256):
            icon = os.path.join(self.share, "icons", "hicolor", f"{size}x{size}", "apps", DESKTOP_ID + ".png")
            head = Path(icon).read_bytes()[:26]
            shape = (head[:8], *struct.unpack(">IIBB", head[16:26]))
            self.assertEqual(shape, (b"\x89PNG\r\n\x1a\n", size, size, 8, 6), f"{icon}: a PNG of its size, 8-bit RGBA")

    def test_the_manual_pages_are_there_and_the_game_lists_every_key_of_the_key_table_once(self):
        manuals = {}
        for section, page in (("6", "kestravane"), ("1", "kestravane-tool")):
            with gzip.open(self.path("share", "man", "man" + section, f"{page}.{section}.gz"), "rt", encoding="utf-8") as text:
                manuals[page] = text.read()
            self.assertTrue(manuals[page].startswith(f".TH {page.upper()} {section} "), page)
        source = Path(SOURCE_DIR, "app", "commands.cpp").read_text(encoding="utf-8")
        commands, game_keys = source.split("ActionOfKey(int key)")
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
