#include "platform/window.h"

#include "platform/qt/window_impl.h"

namespace platform {
namespace {

// A widget of the game's own, seen as a window: it lives as long as the
// widget, as its child.
class OwnerOf final : public QObject, public Window {
 public:
  explicit OwnerOf(QWidget* widget) : QObject(widget), widget_(widget) {}
  QWidget* widget() override { return widget_; }

 private:
  QWidget* widget_;
};

}  // namespace

Window* OwnerWindow(QWidget* widget) {
  if (!widget) return nullptr;
  for (QObject* child : widget->children())
    if (auto* found = dynamic_cast<OwnerOf*>(child)) return found;
  return new OwnerOf(widget);
}

QWidget* WindowWidget(Window* window) { return window ? window->widget() : nullptr; }

}  // namespace platform
