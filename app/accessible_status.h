#pragma once

#include <QAccessibleWidget>
#include <array>

#include "app/board_view.h"

namespace kestravane {

// The status line as a screen reader finds it: read-only text, which every
// message replaces. Each message also comes as a notification of its own,
// which readers speak even from a control without the keyboard.
class StatusLineAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit StatusLineAccessible(StatusLabel* line) : QAccessibleWidget(line, QAccessible::StatusBar) {}
  ~StatusLineAccessible() override;

  // Tells a reader the line says its whole text now instead of `previous`.
  void Announce(const QString& previous);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;

  void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override {
    return Whole().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(Whole().size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

 private:
  const QString& Whole() const { return static_cast<const StatusLabel*>(widget())->Whole(); }

  // The notifications, taken in turn: a reader may read one only after the
  // next messages have come, and must still find its own words.
  std::array<QAccessible::Id, 8> notices_{};
  std::size_t next_ = 0;
};

}  // namespace kestravane
