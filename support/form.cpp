#include "support/form.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTextOption>
#include <algorithm>
#include <cmath>

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

// Where a form's corner is measured from.
QPoint Origin(const QWidget* owner) {
  if (owner) return owner->mapToGlobal(QPoint(0, 0));
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().topLeft() : QPoint(0, 0);
}

int TextWidth(const QFont& font, const QString& text) {
  return QFontMetrics(font).size(Qt::TextSingleLine | Qt::TextShowMnemonic, text).width();
}

// The stand-in face is wider than the one the layouts were drawn for: a
// one-line text that would lose its last words to the wrap is drawn
// condensed to fit its line instead.
class FormLabel : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override {
    constexpr int NarrowestStretch = 60;
    const QRect area = contentsRect();
    const bool oneLine = area.height() < 2 * fontMetrics().height() && !text().contains(QLatin1Char('\n'));
    if (!oneLine || TextWidth(font(), text()) <= area.width()) {
      QLabel::paintEvent(event);
      return;
    }
    QFont condensed = font();
    int stretch = std::max(NarrowestStretch, area.width() * 100 / TextWidth(font(), text()));
    for (condensed.setStretch(stretch); stretch > NarrowestStretch && TextWidth(condensed, text()) > area.width();
         condensed.setStretch(--stretch)) {
    }
    QPainter painter(this);
    painter.setFont(condensed);
    const int mnemonic = buddy() ? Qt::TextShowMnemonic : 0;
    style()->drawItemText(&painter, area, static_cast<int>(alignment()) | Qt::TextSingleLine | mnemonic,
                          palette(), isEnabled(), text(), foregroundRole());
  }
};

// Draws list lines whose tabs move the text on to fixed stops, so that a
// list of several fields shows them as columns.
class TabStopDelegate : public QStyledItemDelegate {
 public:
  TabStopDelegate(int stopPixels, QObject* parent) : QStyledItemDelegate(parent), stopPixels_(stopPixels) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget* view = item.widget;
    QStyle* style = view ? view->style() : QApplication::style();
    // The selection and focus frame as the style draws them; the text on top.
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);

    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QRect textArea = item.rect.adjusted(margin, 0, -margin, 0);
    QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setTabStopDistance(stopPixels_);
    layout.setWrapMode(QTextOption::NoWrap);

    const bool selected = item.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QRectF(textArea), text, layout);
    painter->restore();
  }

 private:
  int stopPixels_;
};

QPixmap IconPixmap(unsigned icon) {
  const platform::Result<platform::Picture> picture = platform::LoadIconResource(icon);
  return picture ? QPixmap::fromImage(picture->data()->image) : QPixmap();
}

}  // namespace

QString FromGameText(std::string_view text) {
  QString converted = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  converted.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return converted;
}

QString WithoutMnemonic(const QString& text) { return QString(text).remove(QLatin1Char('&')); }

Form::Form(QDialog& dialog, const char* caption, UnitRect rect) : dialog_(dialog) {
  dialog.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  dialog.setWindowTitle(FromGameText(caption));
  dialog.setFont(DialogFont());
  const QFontMetrics metrics(dialog.font());
  static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  baseX_ = std::max(1, static_cast<int>(std::lround(metrics.horizontalAdvance(letters) / 52.0)));
  baseY_ = std::max(1, metrics.height());

  // A modal frame: the player cannot resize it.
  const QRect place = Pixels(rect);
  dialog.setFixedSize(place.size());
  QWidget* owner = dialog.parentWidget();
  dialog.move(Origin(owner) + place.topLeft());
  dialog.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
}

QRect Form::Pixels(const UnitRect& rect) const {
  return QRect(Across(rect.x), Down(rect.y), std::max(0, Across(rect.width)), std::max(0, Down(rect.height)));
}

template <class Control>
Control* Form::Focusable(Control* control, UnitRect rect, Tab tab) {
  control->setGeometry(Pixels(rect));
  if (tab == Tab::Stop) {
    control->setFocusPolicy(Qt::StrongFocus);
    if (lastTabStop_) QWidget::setTabOrder(lastTabStop_, control);
    lastTabStop_ = control;
  } else {
    control->setFocusPolicy(Qt::ClickFocus);
  }
  if (labelAwaitingBuddy_) {
    labelAwaitingBuddy_->setBuddy(control);
    // Qt names a field by its label, but not a list.
    control->setAccessibleName(WithoutMnemonic(labelAwaitingBuddy_->text()));
  }
  labelAwaitingBuddy_ = nullptr;
  return control;
}

QGroupBox* Form::Frame(const char* title, UnitRect rect) {
  auto* frame = new QGroupBox(FromGameText(title), &dialog_);
  frame->setGeometry(Pixels(rect));
  frame->setAttribute(Qt::WA_TransparentForMouseEvents);
  frame->setFocusPolicy(Qt::NoFocus);
  frame->lower();
  return frame;
}

QLabel* Form::Label(const char* text, UnitRect rect, Qt::Alignment alignment) {
  auto* label = new FormLabel(&dialog_);
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignTop | alignment);
  label->setText(FromGameText(text));
  label->setGeometry(Pixels(rect));
  if (label->text().contains(QLatin1Char('&'))) labelAwaitingBuddy_ = label;
  return label;
}

QLabel* Form::IconIn(unsigned icon, UnitRect rect) {
  auto* label = new QLabel(&dialog_);
  label->setFocusPolicy(Qt::NoFocus);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(Pixels(rect));
  const QPixmap pixmap = IconPixmap(icon);
  if (!pixmap.isNull()) {
    label->setPixmap(pixmap);
    label->resize(label->size().expandedTo(pixmap.size()));
  }
  return label;
}

QLineEdit* Form::Edit(UnitRect rect, Tab tab) { return Focusable(new QLineEdit(&dialog_), rect, tab); }

QPushButton* Form::Button(const char* text, UnitRect rect, bool isDefault, Tab tab) {
  auto* button = new QPushButton(FromGameText(text), &dialog_);
  button->setAutoDefault(true);
  button->setDefault(isDefault);
  return Focusable(button, rect, tab);
}

QCheckBox* Form::Check(const char* text, UnitRect rect, Tab tab) {
  return Focusable(new QCheckBox(FromGameText(text), &dialog_), rect, tab);
}

QButtonGroup* Form::RadioGroup() { return new QButtonGroup(&dialog_); }

QRadioButton* Form::Radio(QButtonGroup* group, int id, const char* text, UnitRect rect, Tab tab) {
  auto* button = new FormRadioButton(FromGameText(text), true, &dialog_);
  // A radio button belongs to the group the form draws, not to its parent.
  button->setAutoExclusive(false);
  group->addButton(button, id);
  return Focusable(button, rect, tab);
}

QRadioButton* Form::Radio(RadioSet& set, int id, const char* text, UnitRect rect, Tab tab) {
  // The set checks it.
  auto* button = new FormRadioButton(FromGameText(text), false, &dialog_);
  button->setAutoExclusive(false);
  set.buttons_.emplace_back(id, button);
  QObject::connect(button, &QAbstractButton::clicked, button, [&set, id] {
    set.Check(id);
    if (set.chosen) set.chosen(id);
  });
  return Focusable(button, rect, tab);
}

void RadioSet::Check(int id) {
  for (const auto& [buttonId, button] : buttons_) button->setChecked(buttonId == id);
}

int RadioSet::Checked() const {
  for (const auto& [id, button] : buttons_)
    if (button->isChecked()) return id;
  return -1;
}

QListWidget* Form::List(UnitRect rect, int tabStopUnits, Tab tab) {
  auto* list = new QListWidget(&dialog_);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  if (tabStopUnits > 0) list->setItemDelegate(new TabStopDelegate(Across(tabStopUnits), list));
  return Focusable(list, rect, tab);
}

}  // namespace kestravane
