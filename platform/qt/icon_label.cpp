#include "platform/qt/icon_label.h"

#include "platform/qt/picture_data.h"

namespace platform {

void ShowIcon(QLabel* label, const Picture& icon) {
  if (icon.IsNull()) {
    label->clear();
    return;
  }
  const QPixmap pixmap = QPixmap::fromImage(icon.data()->image);
  label->setPixmap(pixmap);
  label->resize(label->size().expandedTo(pixmap.size()));
}

}  // namespace platform
