#include "support/dialog_layout.h"

#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/qt/picture_data.h"
#include "platform/resources.h"

namespace kestravane {

namespace {

// The layouts were drawn for the classic 8-point bitmap face, which is not on
// this system. DejaVu Sans at the same size stands in for it, in whole
// pixels as the bitmap face had: 8 points at 96 dots per inch are 11 pixels.
QFont DialogFont() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double dotsPerInch = screen ? screen->logicalDotsPerInchY() : 96.0;
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(8 * dotsPerInch / 72.0))));
  return font;
}

// How far a label's words may be condensed before the label grows.
constexpr int NarrowestStretch = 90;

int WordsWidth(const QFont& font, const QString& text) {
  return QFontMetrics(font).size(Qt::TextSingleLine | Qt::TextShowMnemonic, text).width();
}

// The room a control's words take across, beyond which it grows.
int WidthNeeded(const QWidget& control) {
  const QStyle& style = *control.style();
  if (const auto* label = dynamic_cast<const DialogLabel*>(&control)) return label->NeededWidth();
  if (const auto* button = qobject_cast<const QPushButton*>(&control))
    return WordsWidth(button->font(), button->text()) +
           2 * (style.pixelMetric(QStyle::PM_ButtonMargin) + style.pixelMetric(QStyle::PM_DefaultFrameWidth));
  if (const auto* box = qobject_cast<const QAbstractButton*>(&control))
    return WordsWidth(box->font(), box->text()) + style.pixelMetric(QStyle::PM_IndicatorWidth) +
           style.pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
  if (const auto* frame = qobject_cast<const QGroupBox*>(&control))
    return WordsWidth(frame->font(), frame->title()) + 2 * style.pixelMetric(QStyle::PM_LayoutLeftMargin);
  return 0;
}

// The room a control's words take down once it is `width` across: a label
// of several lines wraps to more of them when its words are longer.
int HeightNeeded(const QWidget& control, int width) {
  const auto* label = qobject_cast<const QLabel*>(&control);
  return label && label->wordWrap() ? label->heightForWidth(width) : 0;
}

struct Span {
  int start;
  int end;
  bool Contains(const Span& other) const { return start <= other.start && other.end <= end; }
  bool Overlaps(const Span& other) const { return start < other.end && other.start < end; }
};

// Along one axis: each item grows to what it needs, an item wholly after a
// grown one in the same band moves along by as much, a frame grows to keep
// its margin round what it holds, and so does the whole `extent`.
void Spread(std::vector<Span>& along, const std::vector<Span>& across, const std::vector<int>& needs, int& extent) {
  const std::size_t count = along.size();
  const auto holds = [&](std::size_t outer, std::size_t inner) {
    return outer != inner && along[outer].Contains(along[inner]) && across[outer].Contains(across[inner]);
  };
  std::vector<int> shift(count, 0), grow(count, 0), margin(count, 0);
  int outerMargin = extent;
  for (std::size_t i = 0; i < count; ++i) {
    grow[i] = std::max(0, needs[i] - (along[i].end - along[i].start));
    outerMargin = std::min(outerMargin, extent - along[i].end);
    margin[i] = along[i].end - along[i].start;
    for (std::size_t j = 0; j < count; ++j)
      if (holds(i, j)) margin[i] = std::min(margin[i], along[i].end - along[j].end);
  }
  for (bool moved = true; moved;) {
    moved = false;
    const auto raise = [&moved](int& value, int to) {
      if (to > value) value = to, moved = true;
    };
    for (std::size_t i = 0; i < count; ++i) {
      for (std::size_t j = 0; j < count; ++j) {
        if (holds(i, j)) {
          raise(shift[j], shift[i]);
          raise(grow[i], along[j].end + shift[j] + grow[j] + margin[i] - along[i].end - shift[i]);
        } else if (!holds(j, i) && along[i].end <= along[j].start && across[i].Overlaps(across[j])) {
          raise(shift[j], shift[i] + grow[i]);
        }
      }
    }
  }
  for (std::size_t i = 0; i < count; ++i) {
    along[i] = {along[i].start + shift[i], along[i].end + shift[i] + grow[i]};
    extent = std::max(extent, along[i].end + std::max(outerMargin, 0));
  }
}

}  // namespace

void SetUpDialog(QDialog& dialog, const QString& caption) {
  dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  dialog.setWindowTitle(caption);
  dialog.setFont(DialogFont());
  dialog.setWindowModality(dialog.parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
}

DialogLayout::DialogLayout(QWidget* dialog, int width, int height) : QLayout(dialog), units_(width, height) {
  setContentsMargins(0, 0, 0, 0);
  setSizeConstraint(QLayout::SetFixedSize);
}

DialogLayout::~DialogLayout() {
  for (const Placed& placed : placed_) delete placed.item;
}

// As the window system has always converted them: to the nearest pixel.
int DialogLayout::Across(int units) const {
  const QFontMetrics metrics(parentWidget()->font());
  static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const int base = std::max(1, static_cast<int>(std::lround(metrics.horizontalAdvance(letters) / 52.0)));
  return (units * base + 2) / 4;
}

int DialogLayout::Down(int units) const {
  return (units * std::max(1, parentWidget()->fontMetrics().height()) + 4) / 8;
}

void DialogLayout::addItem(QLayoutItem* item) {
  placed_.append({item, pending_});
  invalidate();
}

QLayoutItem* DialogLayout::itemAt(int index) const {
  return index >= 0 && index < placed_.size() ? placed_[index].item : nullptr;
}

QLayoutItem* DialogLayout::takeAt(int index) {
  if (index < 0 || index >= placed_.size()) return nullptr;
  invalidate();
  return placed_.takeAt(index).item;
}

void DialogLayout::invalidate() {
  arranged_.clear();
  QLayout::invalidate();
}

QSize DialogLayout::sizeHint() const {
  Arrange();
  return size_;
}

void DialogLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  Arrange();
  for (qsizetype index = 0; index < placed_.size(); ++index) {
    const QRect place = arranged_[index].translated(rect.topLeft());
    // Exactly there: Qt's own item would move it by the style's margins.
    if (QWidget* control = placed_[index].item->widget())
      control->setGeometry(place);
    else
      placed_[index].item->setGeometry(place);
  }
}

void DialogLayout::Arrange() const {
  if (!arranged_.isEmpty() || placed_.isEmpty()) return;
  std::vector<Span> across, down;
  std::vector<int> needs;
  for (const Placed& placed : placed_) {
    const UnitRect& units = placed.units;
    const QSize own = placed.item->sizeHint();
    const bool ownSize = units.width == 0 && units.height == 0;
    const int left = Across(units.x), top = Down(units.y);
    across.push_back({left, left + (ownSize ? own.width() : Across(units.width))});
    down.push_back({top, top + (ownSize ? own.height() : Down(units.height))});
    const QWidget* control = placed.item->widget();
    needs.push_back(control && !ownSize ? WidthNeeded(*control) : 0);
  }
  int width = Across(units_.width()), height = Down(units_.height());
  Spread(across, down, needs, width);
  for (qsizetype index = 0; index < placed_.size(); ++index) {
    const QWidget* control = placed_[index].item->widget();
    needs[index] = control ? HeightNeeded(*control, across[index].end - across[index].start) : 0;
  }
  Spread(down, across, needs, height);
  for (std::size_t index = 0; index < across.size(); ++index)
    arranged_.append(QRect(QPoint(across[index].start, down[index].start),
                           QPoint(across[index].end - 1, down[index].end - 1)));
  size_ = QSize(width, height);
}

QLabel* IconLabel(Icon icon) {
  auto* label = new QLabel;
  label->setFocusPolicy(Qt::NoFocus);
  if (const platform::Result<platform::Picture> picture = platform::LoadIconResource(Id(icon)))
    label->setPixmap(QPixmap::fromImage(picture->data()->image));
  return label;
}

DialogLabel::DialogLabel(const QString& text, Qt::Alignment alignment) : QLabel(text) {
  setTextFormat(Qt::PlainText);
  setFocusPolicy(Qt::NoFocus);
  setAlignment(Qt::AlignTop | alignment);
}

int DialogLabel::NeededWidth() const { return (WordsWidth(font(), text()) * NarrowestStretch + 99) / 100; }

void DialogLabel::paintEvent(QPaintEvent* event) {
  const QRect area = contentsRect();
  const int width = WordsWidth(font(), text());
  if (width <= area.width()) {
    QLabel::paintEvent(event);
    return;
  }
  QFont condensed = font();
  int stretch = std::max(NarrowestStretch, area.width() * 100 / width);
  for (condensed.setStretch(stretch); stretch > NarrowestStretch && WordsWidth(condensed, text()) > area.width();
       condensed.setStretch(--stretch)) {
  }
  QPainter painter(this);
  painter.setFont(condensed);
  const int mnemonic = buddy() ? Qt::TextShowMnemonic : 0;
  style()->drawItemText(&painter, area, static_cast<int>(alignment()) | Qt::TextSingleLine | mnemonic, palette(),
                        isEnabled(), text(), foregroundRole());
}

}  // namespace kestravane
