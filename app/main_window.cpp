#include "app/main_window.h"

#include <algorithm>
#include <cstring>

#include "app/main_menu.h"
#include "app/window_text.h"
#include "display/main_layout.h"
#include "display/main_paint.h"
#include "document/document_commands.h"
#include "document/game_file.h"
#include "engine/commands.h"
#include "engine/globals.h"
#include "platform/application.h"
#include "platform/system.h"
#include "support/library.h"
#include "support/message_box.h"
#include "support/splash.h"

namespace {

constexpr unsigned ProgramName = 1000;
constexpr unsigned ProgramIcon = 1000;
constexpr int KeepOnScreen = 35;  // pixels of a window saved off the desktop that come back

// Each message of the main window goes to the part of the game that owns it.
class MainWindowEvents final : public platform::WindowEvents {
 public:
  bool Created(platform::Window* window) override {
    platform::InstallMenu(window, MainMenu());
    platform::InstallShortcuts(window, MainWindowShortcuts());
    if (CreateChildWindows(window, &Settings)) return true;
    CloseApplication(window);
    return false;
  }

  void Paint(platform::Window* window) override { PaintMainWindow(window); }

  bool CloseRequested(platform::Window* window) override {
    return CloseGame(window, Document, Grid, Game, Scans) != 0;
  }

  bool SessionEnding(platform::Window* window) override { return CloseApplication(window) != 0; }

  void Destroyed(platform::Window* window) override { CloseApplication(window); }

  void Command(platform::Window* window, int id) override { DoCommand(window, id, Document); }

  void MenuSelect(platform::Window*, int id, unsigned flags) override { MenuSelectHelp(id, flags); }
};

MainWindowEvents mainWindowEvents;

}  // namespace

platform::Window* CreateMainWindow(platform::ShowMode show, AppSettings* settings) {
  platform::WindowSpec shape;
  shape.frame = platform::WindowFrame::Main;
  shape.title = "Kestravane";
  shape.x = std::min(settings->MainPlacement.Left, Library.DesktopRect.right - KeepOnScreen);
  shape.y = std::min(settings->MainPlacement.Top, Library.DesktopRect.bottom - KeepOnScreen);
  shape.clientWidth = ClientWidth;
  shape.clientHeight = ClientHeight;
  shape.topMost = settings->TopMost != 0;
  shape.iconId = ProgramIcon;
  shape.background = Library.BackgroundColor;

  int error = 0;
  platform::Window* window = platform::CreateAppWindow(shape, &mainWindowEvents, error);
  if (!window) {
    ErrorBox(60004, "Kestravane", error);
    return nullptr;
  }
  SetErrorBoxOwner(window);
  SetTitleString(window, ProgramName);
  platform::ShowWindow(window, show);
  platform::UpdateWindow(window);

  if (settings->OpenAtStart && platform::FileExists(settings->FileSpec.data())) {
    Document.Path = settings->FileSpec.data();
    if (ReadGameFile(window, Document, Grid, Game, Scans)) PictureIndex = 0;
  }
  UpdateMenus(window, Document);
  return window;
}

int CloseApplication(platform::Window* window) {
  if (!CloseGame(window, Document, Grid, Game, Scans)) return 0;
  // A path too long for the settings would come back as the name of some
  // other file; the last one that fitted is proposed instead.
  if (Document.Path.size() < FileSpecSize) {
    Settings.FileSpec.fill('\0');
    std::memcpy(Settings.FileSpec.data(), Document.Path.data(), Document.Path.size());
  }
  GetPlacement(window, &Settings.MainPlacement);
  CloseSplash();
  platform::QuitEventLoop(0);
  return 1;
}

int GetPlacement(platform::Window* window, Placement* placement) {
  const Rect frame = platform::NormalFrame(window);
  placement->Top = frame.top;
  placement->Left = frame.left;
  placement->Height = std::max(0, frame.bottom - frame.top);
  placement->Width = std::max(0, frame.right - frame.left);
  return 1;
}
