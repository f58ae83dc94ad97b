// Draws the screenshots software centres show of the game into a folder:
// board.png, a game in progress, and helm.png, the same game with the Helm
// dialog over it. The real main window plays the same shots on Qt's
// offscreen platform on every run, so a build writes the same files.
#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/main_window.h"
#include "display/main_layout.h"

namespace kestravane {
namespace {

// In universe 1207 the ship starts in an empty quadrant, in column 4 of row
// 4 of its first sector, and a battle group lies in column 8 of rows 0 to 2.
constexpr std::uint32_t Universe = 1207;
constexpr int CellPixels = 32;

// Aims at the scanner's cell with a left click and fires with a right one,
// as a player does, and lets the missile land at once.
void Shoot(GameController& controller, int column, int row) {
  const int x = layout::ScannerArea.left + column * CellPixels + CellPixels / 2;
  const int y = layout::ScannerArea.top + row * CellPixels + CellPixels / 2;
  controller.LeftClick({x, y});
  controller.RightClick({x, y});
  controller.LandMissiles();
}

// The main window with `dialog`, if any, where it stands over it.
QImage Picture(QWidget& window, QWidget* dialog) {
  QImage picture = window.grab().toImage();
  if (dialog) QPainter(&picture).drawPixmap(dialog->pos() - window.pos(), dialog->grab());
  return picture;
}

bool Save(const QImage& picture, const std::string& folder, const char* name) {
  const std::string path = folder + "/" + name;
  if (picture.save(QString::fromStdString(path), "PNG")) return true;
  std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return false;
}

}  // namespace
}  // namespace kestravane

int main(int argc, char** argv) {
  using namespace kestravane;
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s SCREENSHOT-DIRECTORY\n", argv[0]);
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  // A steady text cursor: a blinking one would be caught on or off.
  QApplication::setCursorFlashTime(0);
  // The settings of a new player, from an empty folder, never written.
  const QTemporaryDir fresh;
  qputenv("XDG_DATA_HOME", fresh.filePath(QStringLiteral("data")).toUtf8());
  LibraryState library = StartLibrary();
  library.IniPath = fresh.filePath(QStringLiteral("kestravane.ini")).toStdString();
  AppSettings settings = LoadSettings(library.IniPath);
  // The Helm dialog over the middle of the scanner, clear of the panels.
  settings.HelmPlacement.Left = settings.MainPlacement.Left + 180;
  settings.HelmPlacement.Top = settings.MainPlacement.Top + 90;
  Splash splash(library);
  Services services;
  MainWindow window(library, settings, splash, services);
  window.Start();
  window.session().Random.Seed(Universe);
  GameController& controller = window.controller();
  controller.Run(Command::New);
  Shoot(controller, 4, 4);
  for (int row = 0; row < 3; ++row) Shoot(controller, 8, row);
  bool saved = Save(Picture(window, nullptr), argv[1], "board.png");
  // The Helm command waits in its dialog; the dialog is grabbed once it is
  // up with the keyboard in its first field, as the player sees it, and
  // closed.
  QTimer grabber;
  QObject::connect(&grabber, &QTimer::timeout, [&] {
    QWidget* helm = QApplication::activeModalWidget();
    if (!helm || !helm->isActiveWindow()) return;
    grabber.stop();
    saved = Save(Picture(window, helm), argv[1], "helm.png") && saved;
    helm->close();
  });
  grabber.start(0);
  controller.Run(Command::Helm);
  return saved ? 0 : 1;
}
