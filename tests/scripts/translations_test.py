#!/usr/bin/env python3
"""Every translation is whole and current, language by language.

  translations_test.py LUPDATE SOURCE_DIR

Each translations/kestravane_<language>.ts is brought up to date with engine/texts.inc by lupdate, in a copy: a text
the game shows that the file lacks comes out unfinished, one it no longer shows vanished. Neither may be there, nor an
empty translation, nor one that loses a value ("%1", "%n") or the "&" before a control's letter.
"""

import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree
from pathlib import Path

LUPDATE, SOURCE_DIR = sys.argv[1], Path(sys.argv[2])
ALIASES = ["-tr-function-alias", "QT_TRANSLATE_NOOP+=KV_TR,QT_TRANSLATE_N_NOOP+=KV_TR_N"]
VALUE = re.compile(r"%L?([1-9n])")
MNEMONIC = re.compile(r"&[^&\s]")


def values(text):
    return sorted(set(VALUE.findall(text)))


def faults(message):
    english = message.findtext("source")
    translation = message.find("translation")
    if kind := translation.get("type"):
        return [f"{kind}: {english!r}"]
    forms = [form.text or "" for form in translation.findall("numerusform")] or [translation.text or ""]
    found = []
    for form in forms:
        if english.strip() and not form.strip():
            found.append(f"empty: {english!r}")
        elif values(form) != values(english):
            found.append(f"values {values(form)} for {values(english)}: {english!r} -> {form!r}")
        elif len(MNEMONIC.findall(form)) != len(MNEMONIC.findall(english)):
            found.append(f"'&' letter lost or added: {english!r} -> {form!r}")
    return found


class Translations(unittest.TestCase):
    def test_every_language_is_whole_and_current(self):
        ts_files = sorted((SOURCE_DIR / "translations").glob("kestravane_*.ts"))
        self.assertGreaterEqual(len(ts_files), 7)
        with tempfile.TemporaryDirectory() as folder:
            for ts_file in ts_files:
                with self.subTest(language=ts_file.stem):
                    copy = Path(folder) / ts_file.name
                    shutil.copyfile(ts_file, copy)
                    subprocess.run([LUPDATE, "-silent", *ALIASES, str(SOURCE_DIR / "engine/texts.inc"), "-ts", copy],
                                   check=True)
                    found = [fault for message in ElementTree.parse(copy).iter("message") for fault in faults(message)]
                    self.assertEqual(found, [], f"{ts_file.name}: {len(found)} faults")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
