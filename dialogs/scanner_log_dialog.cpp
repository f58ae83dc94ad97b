#include "dialogs/scanner_log_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTextOption>

#include "dialogs/scan_log_lines.h"
#include "engine/game_state.h"
#include "support/catalogue.h"
#include "support/dialog_layout.h"

namespace kestravane {

namespace {

// Draws the log's lines with their tabs moving the text on to a fixed stop,
// so that each sector's figures line up under its heading.
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

}  // namespace

ScannerLogDialog::ScannerLogDialog(QWidget* owner, const ScanLog& log, ScanAxis scanAxis, Placement& placement)
    : PlacedDialog(owner, placement), log_(log), axes_(new QButtonGroup(this)) {
  SetUpDialog(*this, Tr(Text::LogTitle));
  auto* layout = new DialogLayout(this, 148, 125);
  auto* label = layout->Add(new DialogLabel(Tr(Text::SectorScans)), {9, 5, 45, 8});
  sectors_ = layout->Add(new QListWidget, {7, 18, 95, 97});
  label->setBuddy(sectors_);
  // Qt names a field by its label, but not a list.
  sectors_->setAccessibleName(WithoutMnemonic(label->text()));
  // The tab stop lines up the figures under each sector heading.
  sectors_->setItemDelegate(new TabStopDelegate(layout->Across(14), sectors_));
  // The log scrolls up and down only: a heading wider than the list is cut
  // at its edge rather than give up a line to a sideways scroll bar.
  sectors_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  axes_->addButton(layout->Add(new QRadioButton(Tr(Text::LogZ)), {110, 38, 32, 10}), Id(ScanAxis::Z));
  axes_->addButton(layout->Add(new QRadioButton(Tr(Text::LogY)), {110, 52, 32, 10}), Id(ScanAxis::Y));
  axes_->addButton(layout->Add(new QRadioButton(Tr(Text::LogX)), {110, 66, 32, 10}), Id(ScanAxis::X));
  layout->Add(IconLabel(Icon::ScannerLog), {115, 8});
  QPushButton* ok = layout->Add(new QPushButton(Tr(Text::Ok)), {109, 100, 34, 14});
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(axes_, &QButtonGroup::idClicked, this, [this](int axis) { Fill(static_cast<ScanAxis>(axis)); });

  // An axis out of range checks no button and lists the Z axis.
  if (QAbstractButton* checked = axes_->button(Id(scanAxis))) checked->setChecked(true);
  Fill(scanAxis == ScanAxis::Y || scanAxis == ScanAxis::X ? scanAxis : ScanAxis::Z);
  MoveToPlacement();
  // The arrow keys scroll the log at once; Enter still closes it.
  sectors_->setFocus(Qt::OtherFocusReason);
}

void ScannerLogDialog::Fill(ScanAxis axis) {
  sectors_->clear();
  for (const Message& line : ScanLogLines(log_, axis)) sectors_->addItem(Tr(line));
  sectors_->setCurrentRow(0);
}

void RunScannerLogDialog(QWidget* owner, const ScanLog& log, ScanAxis scanAxis, Placement& placement) {
  RunModal(new ScannerLogDialog(owner, log, scanAxis, placement), [](const ScannerLogDialog&) { return true; });
}

}  // namespace kestravane
