#!/usr/bin/env python3
"""Writes the pseudo-language from lupdate's English template.

  pseudo_language.py TEMPLATE.ts OUTPUT.ts

Each text becomes its English with accented letters, in brackets and about
40 % longer, so that a word the game does not translate stands out in plain
English, and one cut off loses its closing bracket. The values ("%1", "%n"),
the "&" before a control's letter and the line breaks are kept as they are.
"""

import math
import re
import sys
import xml.etree.ElementTree as ElementTree

ACCENTED = dict(zip(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "àƀçđéƒĝĥíĵķĺɱñöþǫŕšţüṽŵẋýžÀƁÇĐÉƑĜĤÍĴĶĹṀÑÖÞǪŔŠŢÜṼŴẊÝŽ"))
# What each text grows by: letters as wide as the English ones.
FILLER = "ŵéĺţŕàñšĺàţíöñ"
GROWTH = 0.4
# Kept as they are: a value, a control's letter with its "&", a line break.
KEPT = re.compile(r"%L?[1-9n]|&.|\r\n|\r|\n")


def accented(text):
    pieces = []
    position = 0
    for kept in KEPT.finditer(text):
        pieces.append("".join(ACCENTED.get(letter, letter) for letter in text[position:kept.start()]))
        pieces.append(kept.group())
        position = kept.end()
    pieces.append("".join(ACCENTED.get(letter, letter) for letter in text[position:]))
    return "".join(pieces)


def pseudo(english):
    """The text in the pseudo-language; the spaces around it stay outside the brackets."""
    words = english.strip(" ")
    if not words:
        return english
    start = english.index(words)
    extra = max(0, math.ceil(len(words) * GROWTH) - 2)
    filler = (FILLER * (extra // len(FILLER) + 1))[:extra]
    return english[:start] + "[" + accented(words) + filler + "]" + english[start + len(words):]


def main(template_path, output_path):
    tree = ElementTree.parse(template_path)
    for message in tree.iter("message"):
        english = message.findtext("source")
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        forms = translation.findall("numerusform")
        for form in forms:
            form.text = pseudo(english)
        if not forms:
            translation.text = pseudo(english)
    tree.write(output_path, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(*sys.argv[1:])
