#pragma once

#include "app/game_controller.h"
#include "app/game_document.h"
#include "app/settings.h"
#include "engine/session.h"
#include "platform/window.h"
#include "support/library.h"
#include "support/splash.h"

// The main window and the game it shows. Each message of the window goes to
// the part of the game that owns it; commands go through the controller.
class MainWindow final : public platform::WindowEvents {
 public:
  MainWindow(const LibraryState& library, AppSettings& settings, Splash& splash)
      : library_(library), settings_(settings), splash_(splash) {}
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates, shows and paints the window where the settings last left it,
  // and opens the document named on the command line. Null after an error
  // box.
  platform::Window* Create(platform::ShowMode show);

  // The way out, whether by Exit, the close box or the end of the session:
  // offers to save the game, remembers the document and the window's place,
  // and ends the event loop. False when the player cancelled.
  bool CloseApplication(platform::Window* window);

  Session& session() { return session_; }
  GameDocument& document() { return document_; }
  GameController& controller() { return controller_; }

  bool Created(platform::Window* window) override;
  void Paint(platform::Window* window) override;
  bool CloseRequested(platform::Window* window) override;
  bool SessionEnding(platform::Window* window) override;
  void Destroyed(platform::Window* window) override { CloseApplication(window); }
  void MenuSelect(platform::Window* window, int id, unsigned flags) override;

  // The player's input goes through the controller, which holds it back
  // while a missile flies.
  void Command(platform::Window* window, int id, bool repeated) override {
    if (repeated && controller_.DropsRepeat(id == Id(Command::Fire))) return;
    controller_.Handle([this, window, id] { controller_.DoCommand(window, id); });
  }
  void KeyDown(platform::Window* window, int key, bool repeated) override {
    if (repeated && controller_.DropsRepeat(GameController::KeyFires(key))) return;
    controller_.Handle([this, window, key] { controller_.DoKeyDown(window, key); });
  }
  void LeftButtonDown(platform::Window* window, int x, int y) override {
    controller_.Handle([this, window, x, y] { controller_.DoLeftClick(window, x, y); });
  }
  void RightButtonDown(platform::Window* window, int x, int y) override {
    controller_.Handle([this, window, x, y] { controller_.DoRightClick(window, x, y); });
  }

 private:
  const LibraryState& library_;
  AppSettings& settings_;
  Splash& splash_;
  Session session_;
  GameDocument document_;
  GameController controller_{session_, document_, settings_, library_.IniPath, splash_};
};
