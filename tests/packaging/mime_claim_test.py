#!/usr/bin/env python3
"""With the game's MIME definition installed beside the machine's, a saved game is the game's by its name and by
its signature, while a zip named *.war stays a Java web archive where the machine knows that type.
Usage: mime_claim_test.py GAME_MIME_XML KESTRAVANE_TOOL"""

import os
import shutil
import subprocess
import sys
import tempfile
import zipfile

GAME, WEB = "application/x-kestravane-game", "application/x-webarchive"
# Java web archives as newer freedesktop databases define them; Debian 12's does not.
WEB_ARCHIVE_XML = f"""<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="{WEB}"><sub-class-of type="application/zip"/><glob pattern="*.war"/></mime-type>
</mime-info>"""
# GIO reads the name and the content; by the name alone it says what a file manager lists before reading the file;
# mimetype, which xdg-mime runs outside a known desktop, trusts the name before a signature of low priority.
READERS = {"gio": ["gio", "info", "-a", "standard::content-type"],
           "gio by name": ["gio", "info", "-a", "standard::fast-content-type"], "mimetype": ["mimetype", "--brief"]}
# (the machine knows Java web archives, what the file holds, its name, the type each reader is to give)
CASES = [(True, "zip", "app.war", {"gio": WEB, "gio by name": WEB, "mimetype": WEB}),
         (True, "game", "campaign.war", {"gio": GAME, "mimetype": GAME}),
         (True, "game", "campaign.dat", {"gio": GAME, "mimetype": GAME}),
         (True, "game", "campaign", {"gio": GAME, "mimetype": GAME}),
         (False, "game", "campaign.war", {"gio": GAME, "gio by name": GAME, "mimetype": GAME})]


def run(command, **options):
    return subprocess.run(command, capture_output=True, text=True, check=True, **options).stdout


def database(scratch, knows_web_archives, game_xml):
    share = os.path.join(scratch, f"share-{knows_web_archives}")
    os.makedirs(packages := os.path.join(share, "mime", "packages"))
    shutil.copy("/usr/share/mime/packages/freedesktop.org.xml", packages)
    shutil.copy(game_xml, packages)
    if knows_web_archives:
        with open(os.path.join(packages, "java-web-archive.xml"), "w", encoding="utf-8") as definition:
            definition.write(WEB_ARCHIVE_XML)
    run(["update-mime-database", os.path.dirname(packages)])
    return dict(os.environ, XDG_DATA_DIRS=share, XDG_DATA_HOME=os.path.join(scratch, "empty"), GIO_USE_VFS="local")


def main(game_xml, tool):
    if missing := [program for program in ("update-mime-database", "gio") if not shutil.which(program)]:
        print("Skipped: no " + " and no ".join(missing) + " (Debian: shared-mime-info, libglib2.0-bin)")
        return 77
    with tempfile.TemporaryDirectory(prefix="kestravane-mime-") as scratch:
        files = {"game": os.path.join(scratch, "saved-game"), "zip": os.path.join(scratch, "web-archive")}
        run([tool, "new", "--number", "7", files["game"]])
        with zipfile.ZipFile(files["zip"], "w") as archive:
            archive.writestr("WEB-INF/web.xml", "<web-app/>")
        environments = {knows: database(scratch, knows, game_xml) for knows in (True, False)}
        failures = 0
        for knows_web_archives, contents, name, expected in CASES:
            os.makedirs(folder := os.path.join(scratch, f"files-{knows_web_archives}"), exist_ok=True)
            shutil.copyfile(files[contents], path := os.path.join(folder, name))
            for reader, wanted in expected.items():
                output = run(READERS[reader] + [path], env=environments[knows_web_archives])
                found = output.rsplit(": ", 1)[-1].strip()
                failures += found != wanted
                print(f"{'ok  ' if found == wanted else 'FAIL'} web archives known: {knows_web_archives!s:5} "
                      f"{contents:4} {name:12} {reader:11} -> {found} (wanted {wanted})")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
