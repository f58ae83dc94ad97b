#pragma once

#include "platform/color.h"
#include "platform/rect.h"
#include "platform/result.h"

class QWidget;

namespace platform {

// A top-level window of the game: the main window, the splash picture or a
// dialog. Opaque to the game; it is only passed back to the platform.
class Window;

// What a window tells the game. Every handler has a default that does
// nothing (and, where it answers, agrees), so a window overrides only what
// it cares about. Coordinates are client pixels.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;

  // The window exists, hidden; its controls are made here. False abandons
  // the window: it is destroyed and CreateAppWindow returns null.
  virtual bool Created(Window*) { return true; }
  // The invalid parts of the client area need drawing. Draw on
  // WindowSurface(); the whole area may be redrawn.
  virtual void Paint(Window*) {}
  // The player asked to close (close box, system menu). True destroys it.
  virtual bool CloseRequested(Window*) { return true; }
  // The desktop session is about to end. False asks the desktop to wait.
  virtual bool SessionEnding(Window*) { return true; }
  // The window is being destroyed; it is still valid during the call.
  virtual void Destroyed(Window*) {}
  // A key went down, or `repeated` while held; `virtualKey` is one of the
  // codes of platform/keys.h.
  virtual void KeyDown(Window*, int /*virtualKey*/, bool /*repeated*/) {}
  // A menu item, shortcut or push button with this command ID was chosen;
  // `repeated` when a held shortcut key repeats.
  virtual void Command(Window*, int /*id*/, bool /*repeated*/) {}
  // The highlight in the menus moved: `id` is the item's command ID (a
  // grayed item's too), the popup's index for a popup title, 0 for a
  // separator or no item and when the menu closed. `flags` holds
  // MenuPopupFlag or MenuSystemFlag (platform/menu.h).
  virtual void MenuSelect(Window*, int /*id*/, unsigned /*flags*/) {}
  virtual void LeftButtonDown(Window*, int /*x*/, int /*y*/) {}
  virtual void RightButtonDown(Window*, int /*x*/, int /*y*/) {}
};

enum class WindowFrame {
  Main,   // caption, system menu and minimize box; no sizing, no maximize
  Popup,  // no caption, no border
};

struct WindowSpec {
  WindowFrame frame = WindowFrame::Main;
  const char* title = "";
  // Top-left corner of the whole window (frame included) on the desktop.
  int x = 0;
  int y = 0;
  // The client area, fixed for the window's life.
  int clientWidth = 0;
  int clientHeight = 0;
  bool topMost = false;
  unsigned iconId = 0;  // 0: none
  // The colour the client area shows wherever the game has drawn nothing.
  Color background{192, 192, 192};
  // A window that must never hide a box, such as a picture over the desktop:
  // CloseWindowsBeforeBox() asks it to close.
  bool closesBeforeBoxes = false;
};

// Creates the window, hidden, and calls events->Created(). Its whole client
// area starts invalid, so the first paint after showing it draws everything.
// Fails when the window could not be made (with the system's error number)
// or Created() refused it (with 0). `events` must outlive the window. The
// first Main window is the program's main window.
Result<Window*> CreateAppWindow(const WindowSpec& shape, WindowEvents* events);

// Asks the window to close as its close box does: events->CloseRequested()
// decides.
void RequestClose(Window* window);

// Asks every window made with `closesBeforeBoxes` to close, as RequestClose
// does. Called before a modal box or file dialog.
void CloseWindowsBeforeBox();

// Calls events->Destroyed(), then takes the window off the screen for good.
// It stays a valid, silent handle until control is back in the event loop,
// so that the handler that destroyed it may still pass it to the platform.
void DestroyWindow(Window* window);

enum class ShowMode { Normal, Minimized, Maximized, Hidden };
void ShowWindow(Window* window, ShowMode mode);

// Paints whatever is invalid now and puts it on the screen, without letting
// any input through. Works before the event loop runs.
void UpdateWindow(Window* window);

// Marks `area` of the client area (all of it when null) for the next paint.
// Nothing is erased: the area keeps its pixels until the game draws.
void InvalidateRect(Window* window, const Rect* area);

void SetWindowTitle(Window* window, const char* title);

// Moves the window into the always-on-top band or out of it, keeping its
// place and size.
void SetTopMost(Window* window, bool topMost);

// Restores a minimized window, raises it above the others and gives it the
// keyboard.
void BringToFront(Window* window);

// Gives the keyboard to the window's client area.
void FocusWindow(Window* window);

// The window's frame on the desktop (frame included), as it is or, when
// minimized, as it would be restored.
Rect NormalFrame(Window* window);

// Moves the whole window so that its top-left corner is at (x, y), keeping
// its size.
void MoveWindow(Window* window, int x, int y);

// The program's main window, or null before it exists.
Window* MainWindow();

// The widget that is `window` on the Qt platform; null for no window or
// without a screen.
QWidget* WindowWidget(Window* window);

}  // namespace platform
