#pragma once

// The game's real main window for a benchmark, made as the start-up makes
// it, measured at 1:1 on an offscreen screen and away from the player's
// settings; everything goes again when it does.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <QApplication>

#include "app/main_window.h"
#include "app/settings.h"
#include "support/library.h"
#include "support/splash.h"

using namespace kestravane;

class BenchWindow {
 public:
  BenchWindow(char* program, const std::string& name)
      : folder_(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(getpid()))),
        arguments_{program, nullptr} {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_SCALE_FACTOR", "1", 1);
    std::filesystem::create_directories(folder_);
    setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    setenv("XDG_DATA_HOME", folder_.c_str(), 1);
    application_ = std::make_unique<QApplication>(argumentCount_, arguments_);
    library_ = StartLibrary();
    library_.IniPath = (folder_ / "kestravane.ini").string();
    settings_ = LoadSettings(library_.IniPath);
    splash_ = std::make_unique<Splash>(library_);
    game_ = std::make_unique<MainWindow>(library_, settings_, *splash_, services_);
    game_->Start();
  }

  ~BenchWindow() {
    game_->session().InProgress = false;  // nothing to offer for saving on the way out
    game_.reset();
    splash_.reset();
    application_.reset();
    std::filesystem::remove_all(folder_);
  }

  BenchWindow(const BenchWindow&) = delete;
  BenchWindow& operator=(const BenchWindow&) = delete;

  MainWindow& window() { return *game_; }
  Session& session() { return game_->session(); }

 private:
  std::filesystem::path folder_;
  int argumentCount_ = 1;
  char* arguments_[2];
  std::unique_ptr<QApplication> application_;
  LibraryState library_;
  AppSettings settings_;
  Services services_;
  std::unique_ptr<Splash> splash_;
  std::unique_ptr<MainWindow> game_;
};
