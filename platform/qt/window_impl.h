#pragma once

#include <QPointer>
#include <QWidget>
#include <map>

#include "platform/window.h"

namespace platform {

// What every window of the game is on this platform: a Qt widget with
// numbered controls. The main window, the splash picture and the dialogs
// each derive from it.
class Window {
 public:
  virtual ~Window() = default;

  virtual QWidget* widget() = 0;

  // Control `id` of this window, or null.
  QWidget* Item(int id) const {
    const auto found = items_.find(id);
    return found == items_.end() ? nullptr : found->second.data();
  }
  void AddItem(int id, QWidget* control) { items_[id] = control; }

 private:
  std::map<int, QPointer<QWidget>> items_;
};

}  // namespace platform
