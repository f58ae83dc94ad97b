#include "platform/dialog_items.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "platform/dialog.h"
#include "platform/qt/game_text.h"
#include "platform/qt/icon_label.h"
#include "platform/qt/window_impl.h"

namespace platform {
namespace {

template <class Control>
Control* ItemAs(Window* window, int item) {
  return window ? qobject_cast<Control*>(window->Item(item)) : nullptr;
}

// A decimal number with blanks around it; a sign only when signed. Empty
// when the text is anything else or does not fit in 32 bits.
std::optional<std::int64_t> ParseItemNumber(const std::string& text, bool isSigned) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t begin = 0, end = text.size();
  while (begin < end && blank(text[begin])) ++begin;
  while (end > begin && blank(text[end - 1])) --end;

  bool negative = false;
  if (isSigned && begin < end && (text[begin] == '-' || text[begin] == '+')) {
    negative = text[begin] == '-';
    ++begin;
  }
  if (begin == end) return std::nullopt;
  std::uint64_t magnitude = 0;
  const auto [stop, error] = std::from_chars(text.data() + begin, text.data() + end, magnitude);
  if (error != std::errc() || stop != text.data() + end) return std::nullopt;

  const std::uint64_t limit = !isSigned  ? std::numeric_limits<std::uint32_t>::max()
                              : negative ? std::uint64_t{1} << 31
                                         : std::numeric_limits<std::int32_t>::max();
  if (magnitude > limit) return std::nullopt;
  return negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
}

// Unchecking the checked button of an exclusive group needs the group to let go.
void SetChecked(QAbstractButton* button, bool checked) {
  QButtonGroup* group = button->group();
  const bool exclusive = group && group->exclusive();
  if (exclusive && !checked) group->setExclusive(false);
  button->setChecked(checked);
  if (exclusive && !checked) group->setExclusive(true);
}

}  // namespace

void SetItemText(Window* dialog, int item, const char* text) {
  QWidget* control = dialog ? dialog->Item(item) : nullptr;
  const QString converted = FromGameText(text);
  if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(converted);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(converted);
  } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    edit->setText(converted);
  } else if (auto* box = qobject_cast<QGroupBox*>(control)) {
    box->setTitle(converted);
  }
}

std::string ItemText(Window* dialog, int item) {
  QWidget* control = dialog ? dialog->Item(item) : nullptr;
  if (auto* label = qobject_cast<QLabel*>(control)) return ToGameText(label->text());
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return ToGameText(button->text());
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return ToGameText(edit->text());
  if (auto* box = qobject_cast<QGroupBox*>(control)) return ToGameText(box->title());
  return {};
}

std::optional<int> ItemInt(Window* dialog, int item, bool isSigned) {
  const std::optional<std::int64_t> number = ParseItemNumber(ItemText(dialog, item), isSigned);
  if (!number) return std::nullopt;
  return static_cast<int>(static_cast<std::uint32_t>(*number));
}

void SetItemInt(Window* dialog, int item, int value, bool isSigned) {
  const std::string text =
      isSigned ? std::to_string(value) : std::to_string(static_cast<unsigned>(value));
  SetItemText(dialog, item, text.c_str());
}

void SetItemIcon(Window* dialog, int item, const Picture& icon) {
  if (auto* label = ItemAs<QLabel>(dialog, item)) ShowIcon(label, icon);
}

void CheckButton(Window* dialog, int item, bool checked) {
  if (auto* button = ItemAs<QAbstractButton>(dialog, item)) SetChecked(button, checked);
}

bool ButtonChecked(Window* dialog, int item) {
  const auto* button = ItemAs<QAbstractButton>(dialog, item);
  return button && button->isChecked();
}

void CheckRadioButton(Window* dialog, int first, int last, int item) {
  for (int id = first; id <= last; ++id) {
    if (auto* button = ItemAs<QAbstractButton>(dialog, id)) SetChecked(button, id == item);
  }
}

void FocusItem(Window* dialog, int item) {
  QWidget* control = dialog ? dialog->Item(item) : nullptr;
  if (!control) return;
  control->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

// The game fills and selects its lists itself; only the player's changes are
// reported back to it, so the signals stay quiet here.

void ClearList(Window* dialog, int item) {
  if (auto* list = ItemAs<QListWidget>(dialog, item)) {
    const QSignalBlocker quiet(list);
    list->clear();
  }
}

void AddListLine(Window* dialog, int item, const char* line) {
  if (auto* list = ItemAs<QListWidget>(dialog, item)) {
    const QSignalBlocker quiet(list);
    list->addItem(QString::fromUtf8(line ? line : ""));
  }
}

void SelectListLine(Window* dialog, int item, int index) {
  if (auto* list = ItemAs<QListWidget>(dialog, item)) {
    const QSignalBlocker quiet(list);
    if (index >= 0 && index < list->count()) {
      list->setCurrentRow(index);
    } else {
      list->clearSelection();
    }
  }
}

int SelectedListLine(Window* dialog, int item) {
  if (auto* list = ItemAs<QListWidget>(dialog, item)) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
  }
  return -1;
}

}  // namespace platform
