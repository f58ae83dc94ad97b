#pragma once

#include <QTemporaryDir>
#include <memory>

#include "app/main_window.h"
#include "app/settings.h"
#include "support/library.h"
#include "support/splash.h"

using namespace kestravane;

// The game's real main window, made as the start-up makes it, with the settings and the configuration kept in `folder`.
struct TestMainWindow {
  explicit TestMainWindow(const QTemporaryDir& folder) {
    qputenv("XDG_CONFIG_HOME", folder.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", folder.filePath("data").toUtf8());
    library.IniPath = folder.filePath("kestravane.ini").toStdString();
    settings = LoadSettings(library.IniPath);
    window = std::make_unique<MainWindow>(library, settings, splash, services);
    window->Start();
  }
  ~TestMainWindow() {
    // Nothing to offer for saving on the way out.
    session().InProgress = false;
  }

  Session& session() { return window->session(); }
  GameState& state() { return session().State; }

  LibraryState library = StartLibrary();
  AppSettings settings;
  Splash splash{library};
  Services services;
  std::unique_ptr<MainWindow> window;
};
