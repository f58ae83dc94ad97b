#include "dialogs/scanner_log_dialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <string>

#include "dialogs/scan_log_lines.h"
#include "engine/game_state.h"
#include "support/catalogue.h"
#include "support/form.h"

namespace kestravane {

ScannerLogDialog::ScannerLogDialog(QWidget* owner, const ScanLog& log, ScanAxis scanAxis, Placement& placement)
    : PlacedDialog(owner, placement), log_(log) {
  Form form(*this, "Scanner Log", {130, 40, 148, 125});
  form.Label("&Sector Scans", {9, 5, 45, 8});
  // The tab stop lines up the figures under each sector heading.
  sectors_ = form.List({7, 18, 95, 97}, 14);
  // The log scrolls up and down only: a heading wider than the list is cut
  // at its edge rather than give up a line to a sideways scroll bar.
  sectors_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  form.Radio(axes_, Id(ScanAxis::Z), "&Z Axis", {110, 38, 32, 10});
  form.Radio(axes_, Id(ScanAxis::Y), "&Y Axis", {110, 52, 32, 10});
  form.Radio(axes_, Id(ScanAxis::X), "&X Axis", {110, 66, 32, 10});
  form.IconAt(Icon::ScannerLog, 115, 8);
  QPushButton* ok = form.Button("OK", {109, 100, 34, 14}, true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  axes_.chosen = [this](int axis) { Fill(static_cast<ScanAxis>(axis)); };

  // An axis out of range checks no button and lists the Z axis.
  axes_.Check(Id(scanAxis));
  Fill(scanAxis == ScanAxis::Y || scanAxis == ScanAxis::X ? scanAxis : ScanAxis::Z);
  MoveToPlacement();
  // The arrow keys scroll the log at once; Enter still closes it.
  sectors_->setFocus(Qt::OtherFocusReason);
}

// A line whose text cannot be loaded stays blank; the catalogue has already
// said why.
void ScannerLogDialog::Fill(ScanAxis axis) {
  sectors_->clear();
  for (const Message& line : ScanLogLines(log_, axis))
    sectors_->addItem(QString::fromStdString(CatalogueLine(line).value_or(std::string())));
  sectors_->setCurrentRow(0);
}

void RunScannerLogDialog(QWidget* owner, const ScanLog& log, ScanAxis scanAxis, Placement& placement) {
  RunModal(new ScannerLogDialog(owner, log, scanAxis, placement), [](const ScannerLogDialog&) { return true; });
}

}  // namespace kestravane
