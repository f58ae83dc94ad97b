#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "platform/window.h"

// Writes down every event a window sends the game, in order, as short
// lines ("KeyDown 70", "Command 5"), and answers as told.
class RecordingEvents : public platform::WindowEvents {
 public:
  bool acceptCreation = true;
  bool allowClose = true;
  // What the game draws when asked to paint.
  std::function<void(platform::Window*)> onPaint;

  QStringList calls;

  // The recorded lines that start with `name`.
  QStringList Named(const QString& name) const {
    QStringList found;
    for (const QString& call : calls) {
      if (call.section(' ', 0, 0) == name) found << call;
    }
    return found;
  }

  bool Created(platform::Window*) override {
    calls << "Created";
    return acceptCreation;
  }
  void Paint(platform::Window* window) override {
    calls << "Paint";
    if (onPaint) onPaint(window);
  }
  bool CloseRequested(platform::Window*) override {
    calls << "CloseRequested";
    return allowClose;
  }
  void Destroyed(platform::Window*) override { calls << "Destroyed"; }
  void KeyDown(platform::Window*, int key, bool) override { calls << QString("KeyDown %1").arg(key); }
  void Command(platform::Window*, int id, bool) override { calls << QString("Command %1").arg(id); }
  void MenuSelect(platform::Window*, int id, unsigned flags) override {
    calls << QString("MenuSelect %1 %2").arg(id).arg(flags);
  }
  void LeftButtonDown(platform::Window*, int x, int y) override {
    calls << QString("LeftButtonDown %1 %2").arg(x).arg(y);
  }
  void RightButtonDown(platform::Window*, int x, int y) override {
    calls << QString("RightButtonDown %1 %2").arg(x).arg(y);
  }
};
