#pragma once

#include <QTemporaryDir>
#include <memory>

#include "app/main_window.h"
#include "app/settings.h"
#include "platform/qt/app_window.h"
#include "support/library.h"
#include "support/splash.h"

// The game's real main window, made as the start-up makes it, with the
// settings and the configuration kept in `folder`. `window` is null if it
// could not be made.
struct TestMainWindow {
  explicit TestMainWindow(const QTemporaryDir& folder, bool openAtStart = false,
                          const std::string& document = {}) {
    qputenv("XDG_CONFIG_HOME", folder.filePath("config").toUtf8());
    library.IniPath = folder.filePath("kestravane.ini").toStdString();
    settings = LoadSettings(library.IniPath);
    if (openAtStart) {
      settings.FileSpec.fill('\0');
      document.copy(settings.FileSpec.data(), settings.FileSpec.size() - 1);
      settings.OpenAtStart = true;
    }
    window = game.Create(platform::ShowMode::Normal);
  }
  ~TestMainWindow() {
    // Nothing to offer for saving on the way out.
    game.session().InProgress = false;
    if (window && platform::MainWindow() == window) platform::DestroyWindow(window);
  }

  Session& session() { return game.session(); }
  GameState& state() { return game.session().State; }

  // Puts the ship at (z, y, x), looking along `axis`.
  void PlaceShip(int z, int y, int x, ScanAxis axis) {
    state().Z = z;
    state().Y = y;
    state().X = x;
    state().Axis = axis;
  }

  // Paints the whole window now, as the next paint would.
  void Repaint() {
    platform::InvalidateRect(window, nullptr);
    platform::UpdateWindow(window);
  }

  LibraryState library = StartLibrary();
  AppSettings settings;
  Splash splash{library};
  MainWindow game{library, settings, splash};
  platform::Window* window = nullptr;
};

// What a control of the window shows.
inline QString ControlText(platform::Window* window, Control id) {
  return platform::AppWindow::From(window)->Item(Id(id))->property("text").toString();
}
