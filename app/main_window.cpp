#include "app/main_window.h"

#include <cstring>

#include "app/game_file.h"
#include "app/main_menu.h"
#include "app/show_outcome.h"
#include "app/window_placement.h"
#include "app/window_text.h"
#include "display/main_layout.h"
#include "display/main_paint.h"
#include "engine/game_flow.h"
#include "engine/generation.h"
#include "platform/application.h"
#include "platform/screen.h"
#include "platform/system.h"
#include "support/message_box.h"

namespace {

// The window manager's caption, the menu bar and the borders are measured
// only once the window is on screen; this is room enough for them.
constexpr int FrameWidth = ClientWidth + 16;
constexpr int FrameHeight = ClientHeight + 80;

// A place the player can see and reach, for the window as it is placed.
void PlaceOnScreen(Placement& placement, int width, int height) {
  const WindowOrigin origin =
      KeepOnScreen(placement.Left, placement.Top, width, height, platform::ScreenWorkAreas());
  placement.Left = origin.x;
  placement.Top = origin.y;
}

}  // namespace

bool MainWindow::Created(platform::Window* window) {
  platform::InstallMenu(window, MainMenu());
  platform::InstallShortcuts(window, MainWindowShortcuts());
  if (!CreateChildWindows(window)) {
    CloseApplication(window);
    return false;
  }
  document_ = GameDocument{};
  document_.Path = settings_.FileSpec.data();
  GameState& state = session_.State;
  state.Difficulty = settings_.Difficulty;
  state.Missiles = {0, MissilesFor(state.Difficulty), 0};
  state.Fuel = {0, FuelFor(state.Difficulty), 0};
  DocumentContext context = controller_.Documents(window);
  CloseGame(context);
  controller_.UpdateMenus(window);
  return true;
}

platform::Window* MainWindow::Create(platform::ShowMode show) {
  platform::WindowSpec shape;
  shape.frame = platform::WindowFrame::Main;
  shape.title = "Kestravane";
  Placement place = settings_.MainPlacement;
  PlaceOnScreen(place, FrameWidth, FrameHeight);
  shape.x = place.Left;
  shape.y = place.Top;
  shape.clientWidth = ClientWidth;
  shape.clientHeight = ClientHeight;
  shape.topMost = settings_.TopMost;
  shape.iconId = Id(Icon::Program);
  shape.background = library_.BackgroundColor;

  const platform::Result<platform::Window*> made = platform::CreateAppWindow(shape, this);
  if (!made) {
    ErrorBox(Text::WindowFailed, "Kestravane", made.error());
    return nullptr;
  }
  platform::Window* window = *made;
  SetTitleString(window, Text::ProgramName);
  platform::ShowWindow(window, show);
  platform::UpdateWindow(window);

  if (settings_.OpenAtStart && platform::FileExists(settings_.FileSpec.data())) {
    document_.Path = settings_.FileSpec.data();
    if (ReadGameFile(window, document_, session_)) {
      session_.Picture = ScannerPicture::None;
      ShowOutcome(window, GameOpened(session_), session_.State, settings_.Sounds);
    }
  }
  controller_.UpdateMenus(window);
  return window;
}

void MainWindow::Paint(platform::Window* window) { PaintMainWindow(window, session_); }

bool MainWindow::CloseRequested(platform::Window* window) {
  // The question to save is about the game the missile leaves behind, and
  // the player's input held back meanwhile comes first.
  controller_.LandMissiles();
  DocumentContext context = controller_.Documents(window);
  return CloseGame(context);
}

bool MainWindow::SessionEnding(platform::Window* window) { return CloseApplication(window); }

void MainWindow::MenuSelect(platform::Window*, int id, unsigned flags) { MenuSelectHelp(id, flags); }

bool MainWindow::CloseApplication(platform::Window* window) {
  controller_.LandMissiles();
  DocumentContext context = controller_.Documents(window);
  if (!CloseGame(context)) return false;
  // A path too long for the settings would come back as the name of some
  // other file; the last one that fitted is proposed instead.
  if (document_.Path.size() < FileSpecSize) {
    settings_.FileSpec.fill('\0');
    std::memcpy(settings_.FileSpec.data(), document_.Path.data(), document_.Path.size());
  }
  StorePlacement(window, settings_.MainPlacement);
  // A window dragged off the screens, or left on one unplugged since, is not
  // remembered there.
  PlaceOnScreen(settings_.MainPlacement, settings_.MainPlacement.Width, settings_.MainPlacement.Height);
  splash_.Close();
  platform::QuitEventLoop(0);
  return true;
}
