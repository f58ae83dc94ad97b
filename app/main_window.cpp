#include "app/main_window.h"

#include <algorithm>
#include <cstring>

#include "app/game_file.h"
#include "app/main_menu.h"
#include "app/show_outcome.h"
#include "app/window_text.h"
#include "display/main_layout.h"
#include "display/main_paint.h"
#include "engine/game_flow.h"
#include "engine/generation.h"
#include "platform/application.h"
#include "platform/system.h"
#include "support/message_box.h"

namespace {

constexpr int KeepOnScreen = 35;  // pixels of a window saved off the desktop that come back

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
  shape.x = std::min(settings_.MainPlacement.Left, library_.DesktopRect.right - KeepOnScreen);
  shape.y = std::min(settings_.MainPlacement.Top, library_.DesktopRect.bottom - KeepOnScreen);
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
      session_.Picture = NoPicture;
      ShowOutcome(window, GameOpened(session_), settings_.Sounds);
    }
  }
  controller_.UpdateMenus(window);
  return window;
}

void MainWindow::Paint(platform::Window* window) { PaintMainWindow(window, session_); }

bool MainWindow::CloseRequested(platform::Window* window) {
  DocumentContext context = controller_.Documents(window);
  return CloseGame(context);
}

void MainWindow::MenuSelect(platform::Window*, int id, unsigned flags) { MenuSelectHelp(id, flags); }

bool MainWindow::CloseApplication(platform::Window* window) {
  DocumentContext context = controller_.Documents(window);
  if (!CloseGame(context)) return false;
  // A path too long for the settings would come back as the name of some
  // other file; the last one that fitted is proposed instead.
  if (document_.Path.size() < FileSpecSize) {
    settings_.FileSpec.fill('\0');
    std::memcpy(settings_.FileSpec.data(), document_.Path.data(), document_.Path.size());
  }
  StorePlacement(window, settings_.MainPlacement);
  splash_.Close();
  platform::QuitEventLoop(0);
  return true;
}

void StorePlacement(platform::Window* window, Placement& placement) {
  const platform::Rect frame = platform::NormalFrame(window);
  placement.Top = frame.top;
  placement.Left = frame.left;
  placement.Height = std::max(0, frame.bottom - frame.top);
  placement.Width = std::max(0, frame.right - frame.left);
}
