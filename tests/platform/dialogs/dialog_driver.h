#pragma once

#include <QDialog>
#include <QFontMetrics>
#include <QRect>
#include <QTest>

#include "common/modal_driver.h"
#include "platform/qt/picture_data.h"
#include "platform/qt/window_impl.h"
#include "platform/resources.h"
#include "common/resource_pictures.h"

// Reaching into a running dialog or box of the game the way the player does.

inline platform::Window* AsWindow(QDialog* dialog) {
  return dynamic_cast<platform::Window*>(dialog);
}

inline QWidget* Control(QDialog* dialog, int id) { return AsWindow(dialog)->Item(id); }

template <class T>
T* Control(QDialog* dialog, int id) {
  return qobject_cast<T*>(AsWindow(dialog)->Item(id));
}

inline void Click(QDialog* dialog, int id) {
  QTest::mouseClick(Control(dialog, id), Qt::LeftButton);
}

inline void Press(QDialog* dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(KeyboardTarget(dialog), key, modifiers);
}

// The icon resource `id` as the platform decodes it; null when there is none.
inline QImage IconImage(unsigned id) {
  const platform::Picture picture = IconPicture(id);
  return picture.IsNull() ? QImage() : picture.data()->image;
}

// Dialog units measured on a dialog's font as they are defined: across, a
// quarter of the average letter width; down, an eighth of the line height.
class FontUnits {
 public:
  explicit FontUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    baseX_ = qRound(metrics.horizontalAdvance(
                        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                    52.0);
    baseY_ = metrics.height();
  }

  int baseX() const { return baseX_; }
  int baseY() const { return baseY_; }
  int Across(int units) const { return units * baseX_ / 4; }
  int Down(int units) const { return units * baseY_ / 8; }
  QRect Pixels(int x, int y, int width, int height) const {
    return QRect(Across(x), Down(y), Across(width), Down(height));
  }

 private:
  int baseX_ = 0;
  int baseY_ = 0;
};
