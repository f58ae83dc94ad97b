#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRegion>
#include <map>
#include <span>
#include <vector>

#include "platform/qt/surface_impl.h"
#include "platform/qt/window_impl.h"
#include "platform/shortcuts.h"

class QAction;
class QMenuBar;

namespace platform {

class ClientArea;
class FrameWidget;

// A window the game draws itself: the main window or the splash picture. The
// frame holds the menu bar and the client area; the client area shows the
// window's one image, which the game draws through WindowSurface().
class AppWindow : public QObject, public Window {
 public:
  AppWindow(const WindowSpec& shape, WindowEvents* events);
  ~AppWindow() override;

  // Hides the window for good; from now on it tells the game nothing.
  void Retire();

  // The game's window as one of these, or null for any other kind (dialogs).
  static AppWindow* From(Window* window) { return dynamic_cast<AppWindow*>(window); }

  QWidget* widget() override;
  ClientArea* clientArea() const { return clientArea_; }
  // After destruction has begun, every notification goes nowhere.
  WindowEvents* events() const { return events_; }
  QColor background() const { return background_; }
  QImage& image() { return image_; }
  Surface* surface() { return &surface_; }
  bool painting() const { return painting_; }

  void Invalidate(const QRect& area);
  // Runs the game's Paint if any part is invalid; the invalid region is
  // cleared first so that the game may invalidate again while it paints.
  void PaintInvalid();
  // Puts `area` of the image on the screen now, without asking the game to
  // paint.
  void ShowImage(const QRect& area);
  void Update();

  void SetTopMost(bool topMost);
  void SetMenuBar(QMenuBar* menuBar);
  void AddMenuAction(int id, QAction* action);
  QAction* MenuAction(int id) const;
  void SetShortcuts(std::span<const Shortcut> shortcuts);
  // Sends the command of the matching shortcut; false when none matches or
  // its menu item is grayed, and the key is then the game's.
  bool SendShortcut(int virtualKey, bool control, bool repeated);

 private:
  WindowEvents* events_;
  QColor background_;
  QImage image_;
  Surface surface_{&image_, this};
  QRegion invalid_;
  bool painting_ = false;
  FrameWidget* frame_;
  ClientArea* clientArea_;
  std::map<int, QPointer<QAction>> menuActions_;
  std::vector<Shortcut> shortcuts_;
};

}  // namespace platform
