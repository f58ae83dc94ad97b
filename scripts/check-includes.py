#!/usr/bin/env python3
"""Checks that every #include of the game points the allowed way.

The game is layered: the rules know nothing of the screen, the documents
nothing of the shell, and neither knows Qt. An include against
the direction below is how a layer starts to lean on the one above it, so
each one is reported as file:line with the offending edge.

Usage: check-includes.py [SOURCE_ROOT]     (default: the checkout this script is in)
Exit status: 0 when every include is allowed, 1 otherwise.
"""

import os
import pathlib
import re
import sys

# Which modules each module may include, besides itself and the standard
# library or system headers. A file's module is its top folder, except for
# the folders named here with a slash, which are modules of their own.
# ANYTHING marks the folders that may include the whole game.
ANYTHING = "anything"
ALLOWED = {
    "engine": [],
    "document": ["engine", "platform"],
    "support": ["engine", "platform", "platform/qt"],
    "display": ["engine", "support", "platform", "platform/qt"],
    "dialogs": ["engine", "support", "display", "platform", "platform/qt"],
    "app": ["engine", "document", "support", "display", "dialogs", "platform", "platform/qt", "resources"],
    "platform": ["resources"],
    "platform/qt": ["platform", "resources"],
    "tools": ["engine", "document", "support", "platform"],
    "tools/art": ["engine", "support", "resources"],
    "tools/screenshots": ["engine", "document", "support", "display", "dialogs", "app", "platform", "platform/qt"],
    "resources": [],
    "fuzz": ANYTHING,
    "bench": ANYTHING,
    "tests": ANYTHING,
}

# Qt headers (<QWidget>, <QtTest>, <QtCore/QObject>) are allowed only here: the
# game on screen uses Qt directly, while the rules, the documents, the
# platform's portable services and the command-line tool stay free of it.
QT_ALLOWED = ["app", "dialogs", "display", "support", "platform/qt", "tools/art", "tools/screenshots", "tests", "bench"]

SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc", ".inc"}
INCLUDE = re.compile(r'^\s*#\s*include\s*(<[^>]+>|"[^"]+")')
QT_HEADER = re.compile(r"^Qt?[A-Z]")


def module_of(path):
    """The module of a path relative to the source root, or None outside the game."""
    parts = pathlib.PurePosixPath(path).parts
    if len(parts) >= 2 and "/".join(parts[:2]) in ALLOWED:
        return "/".join(parts[:2])
    if len(parts) >= 2 and parts[0] in ALLOWED:
        return parts[0]
    return None


def included_path(root, including, written):
    """The included file relative to the root, found as the compiler finds it:
    a quoted name beside the including file first, then from the root. None for
    a system header."""
    name = written[1:-1]
    if written.startswith('"'):
        beside = os.path.normpath(os.path.join(os.path.dirname(including), name))
        if (root / beside).is_file():
            return beside
        return os.path.normpath(name)
    return name if (root / name).is_file() else None


def edge_allowed(source, target):
    allowed = ALLOWED[source]
    return source == target or allowed == ANYTHING or target in allowed


def qt_allowed(source):
    return any(source == place or source.startswith(place + "/") for place in QT_ALLOWED)


def check_file(root, relative):
    """Yields one message per include of `relative` against the direction."""
    source = module_of(relative)
    text = (root / relative).read_text(encoding="utf-8", errors="replace")
    for number, line in enumerate(text.splitlines(), start=1):
        match = INCLUDE.match(line)
        if not match:
            continue
        written = match.group(1)
        if written.startswith("<") and QT_HEADER.match(written[1:]) and not qt_allowed(relative):
            yield f"{relative}:{number}: {source} -> Qt (#include {written})"
            continue
        target_path = included_path(root, relative, written)
        target = module_of(target_path) if target_path else None
        if target is not None and not edge_allowed(source, target):
            yield f"{relative}:{number}: {source} -> {target} (#include {written})"


def source_files(root):
    top_folders = sorted({module.split("/")[0] for module in ALLOWED})
    for folder in top_folders:
        for path in sorted((root / folder).rglob("*")):
            if path.is_file() and path.suffix in SOURCE_SUFFIXES:
                yield path.relative_to(root).as_posix()


def main(arguments):
    here = pathlib.Path(__file__).resolve().parent.parent
    root = pathlib.Path(arguments[0]).resolve() if arguments else here
    violations = [message for relative in source_files(root) for message in check_file(root, relative)]
    for message in violations:
        print(message)
    if violations:
        print(f"{len(violations)} include(s) against the module direction", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
