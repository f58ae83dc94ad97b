#pragma once

#include <QMainWindow>
#include <map>
#include <optional>

#include "app/board_view.h"
#include "app/game_controller.h"
#include "app/game_document.h"
#include "app/services.h"
#include "app/settings.h"
#include "engine/session.h"
#include "support/library.h"
#include "support/splash.h"

class QAction;

namespace kestravane {

// The main window and the game it shows: the menu bar, the board and the
// status line. The player's commands, keys and clicks go through the
// controller.
class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(const LibraryState& library, AppSettings& settings, Splash& splash, Services& services);

  // Shows the window where the settings last left it, paints it, and opens
  // the document named on the command line.
  void Start();

  // The way out, whether by Exit, the close box or the end of the session:
  // lands a missile in flight, offers to save the game, remembers the
  // document and the window's place, and ends the event loop. False when the
  // player cancelled.
  bool CloseApplication();

  Session& session() { return session_; }
  GameDocument& document() { return document_; }
  GameController& controller() { return controller_; }
  BoardView& board() { return *board_; }
  // The menu item of `command`.
  QAction* Action(Command command) const { return actions_.at(command); }

  // The window's title: the program's name.
  void ShowTitle();
  // Moves the window into the always-on-top band or out of it.
  void SetTopMost(bool topMost);
  // Shows the game `zoom` times as large; the window takes the board's size.
  void SetZoom(int zoom);
  // Gives the keyboard back to the board, where the game's keys go.
  void FocusBoard();
  // Another start of the game asked this one to come forward: restores a
  // minimized window, raises it and gives it the keyboard, then opens
  // `document`, when that names one, as Open would, once no dialog is up.
  void ComeForward(const std::string& document);
  // Grays and checks the menu items as the command table says.
  void UpdateMenus();
  // Whether a held shortcut repeats its command: not while a missile flies,
  // and never for Fire, so that a held key fires once.
  void RepeatShortcuts(bool repeat);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void BuildMenus();
  void ShowMenuHelp(const QAction* item);
  void OpenWhenNoDialogIsUp(const std::string& document);
  // True when the frame was moved to its place just now.
  bool PlaceFrame();

  AppSettings& settings_;
  Splash& splash_;
  Session session_;
  GameDocument document_;
  // Where the frame goes once the window manager has framed the window. It
  // comes before the children, whose making already sends the window events.
  std::optional<QPoint> framePlace_;
  BoardView* board_;
  GameController controller_;
  std::map<Command, QAction*> actions_;
};

}  // namespace kestravane
