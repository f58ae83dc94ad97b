#!/usr/bin/env bash
# Installs the Debian packages Kestravane needs to build, test and run.
# Idempotent: says nothing and touches nothing when every package is present.
# Extra package names on the command line are installed as well.
set -euo pipefail

packages=(
  build-essential cmake make pkg-config python3
  libgtest-dev libgmock-dev libbenchmark-dev
  libsimpleini-dev nlohmann-json3-dev
  qt6-base-dev qt6-multimedia-dev libgl-dev
  # The translations: lupdate and lrelease, their CMake functions, and Qt's
  # own words in the game's languages (the file dialog's, the boxes' buttons).
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  # Tests only: Qt's window-system interface, to send input as the window
  # system would, queued behind whatever the game is doing.
  qt6-base-private-dev
  # Tests only: a private X server and a window manager that draws frames,
  # for the tests of where windows open (tests/wm/), a way to press the
  # real game's keys there and one to read what a window asks of the manager.
  xvfb openbox xdotool x11-utils
  # make test's sanitizer build: clang and the ASan/UBSan runtimes of that
  # same clang version (libclang-rt-dev follows the distribution's clang).
  clang libclang-rt-dev
  fonts-dejavu-core
  # make art: the help pages in Japanese are lettered with WenQuanYi Zen Hei,
  # whose bitmaps of kana and ideographs stay crisp at the pages' sizes.
  fonts-wqy-zenhei
  # make test's check of the installed tree: the desktop entry's and the
  # metadata's validators, the MIME database and two programs that ask it
  # (gio, and mimetype, which xdg-mime runs outside a known desktop),
  # readelf; and the Debian package's dependencies (dpkg-shlibdeps).
  desktop-file-utils appstream shared-mime-info libglib2.0-bin libfile-mimeinfo-perl
  binutils dpkg-dev
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then sudo=(sudo); fi

echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
