#include "platform/message_box.h"

#include <QWindow>

#include "platform/dialog.h"
#include "platform/dialog_items.h"
#include "platform/qt/game_text.h"
#include "platform/qt/window_impl.h"
#include "platform/resources.h"
#include "platform/screen.h"

namespace platform {
namespace {

constexpr unsigned ErrorIconId = 5500;
constexpr unsigned WarningIconId = 5300;

// Puts the whole box, frame included, in the middle of the primary screen.
void CentreOnScreen(QWidget* box) {
  box->winId();  // the frame is known once the window exists
  const QMargins frame = box->windowHandle() ? box->windowHandle()->frameMargins() : QMargins();
  const int frameWidth = box->width() + frame.left() + frame.right();
  const int frameHeight = box->height() + frame.top() + frame.bottom();
  const Rect desktop = DesktopRect();
  box->move(desktop.left + (desktop.right - desktop.left - frameWidth) / 2,
            desktop.top + (desktop.bottom - desktop.top - frameHeight) / 2);
}

class BoxEvents : public DialogEvents {
 public:
  BoxEvents(BoxIcon icon, const char* caption, const char* text)
      : icon_(icon), caption_(caption), text_(text) {}

  bool Initialise(Window* box) override {
    if (const Result<Picture> icon = LoadIconResource(icon_ == BoxIcon::Error ? ErrorIconId : WarningIconId))
      SetItemIcon(box, BoxIconItem, *icon);
    QWidget* window = box->widget();
    // Flags first: changing them may make the window anew.
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->setWindowTitle(FromGameText(caption_));
    CentreOnScreen(window);
    SetItemText(box, BoxTextItem, text_);
    return true;
  }

  // Any button ends the box with its ID; Escape and the close box with 2.
  void Command(Window* box, int id, int) override { EndDialog(box, id); }

 private:
  BoxIcon icon_;
  const char* caption_;
  const char* text_;
};

}  // namespace

int RunBox(Window* owner, const DialogLayout& layout, BoxIcon icon, const char* caption,
           const char* text) {
  BoxEvents events(icon, caption, text);
  return RunDialog(owner, layout, &events);
}

}  // namespace platform
