#pragma once

#include <QDialog>
#include <QFontMetrics>
#include <QRect>
#include <QTest>
#include <functional>
#include <type_traits>

#include "common/modal_driver.h"
#include "common/resource_pictures.h"
#include "platform/qt/picture_data.h"
#include "platform/qt/window_impl.h"
#include "platform/resources.h"

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

using DialogStep = std::function<void(QDialog*)>;

// Checks the next modal dialog of type T once it is up, then ends it with
// `end`. A failed check only leaves `look`, so the dialog still ends and the
// test goes on to report it instead of hanging in the dialog's loop.
template <class T = QDialog>
void LookThenEnd(const std::type_identity_t<std::function<void(T*)>>& look,
                 const std::type_identity_t<std::function<void(T*)>>& end) {
  WhenModal<T>([look, end](T* dialog) {
    look(dialog);
    end(dialog);
  });
}

inline DialogStep Clicking(int id) {
  return [id](QDialog* dialog) { Click(dialog, id); };
}

inline DialogStep Pressing(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  return [key, modifiers](QDialog* dialog) { Press(dialog, key, modifiers); };
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
