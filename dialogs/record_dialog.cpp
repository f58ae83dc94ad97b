#include "dialogs/record_dialog.h"

#include <QDateTime>
#include <QDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "dialogs/dialog_placement.h"
#include "support/catalogue.h"
#include "support/dialog_layout.h"
#include "support/keyboard_return.h"
#include "support/message_box.h"

namespace kestravane {

namespace {

struct Level {
  Difficulty difficulty;
  Text name;
};
constexpr Level Levels[] = {
    {Difficulty::Easy, Text::Easy}, {Difficulty::Normal, Text::Normal}, {Difficulty::Hard, Text::Hard}};

QString Duration(std::uint32_t seconds) {
  return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// One difficulty's standing: its figures, then its best victories.
QWidget* StandingPage(const CaptainsRecord& record, Difficulty difficulty, std::optional<std::size_t> highlighted) {
  const DifficultyStanding standing = StandingAt(record, difficulty);
  auto* page = new QWidget;
  auto* layout = new DialogLayout(page, 280, 176);
  const QString figures =
      Tr(Text::RecordStanding, standing.Played, standing.Won, standing.Lost, standing.WinPercent, standing.Assisted);
  layout->Add(new DialogLabel(figures), {4, 4, 272, 8});
  auto* rule = layout->Add(new QLabel(Tr(Text::BestVictoriesRule)), {4, 16, 272, 16});
  rule->setWordWrap(true);
  auto* best = layout->Add(new QTableWidget(static_cast<int>(standing.Best.size()), 5), {4, 34, 272, 138});
  best->setAccessibleName(Tr(Text::BestVictories));
  best->setHorizontalHeaderLabels({Tr(Text::MissilesColumn), Tr(Text::FuelColumn), Tr(Text::TimeColumn),
                                   Tr(Text::UniverseColumn), Tr(Text::EndedColumn)});
  best->verticalHeader()->setDefaultSectionSize(best->fontMetrics().height() + 4);
  best->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  best->horizontalHeader()->setStretchLastSection(true);
  best->setEditTriggers(QAbstractItemView::NoEditTriggers);
  best->setSelectionBehavior(QAbstractItemView::SelectRows);
  for (int row = 0; row < best->rowCount(); ++row) {
    const std::size_t index = standing.Best[static_cast<std::size_t>(row)];
    const RecordEntry& entry = record.Entries[index];
    const QStringList cells = {
        QString::number(entry.MissilesFired), QString::number(entry.FuelUsed), Duration(entry.SecondsPlayed),
        entry.Universe ? QString::number(*entry.Universe) : QStringLiteral("-"),
        QDateTime::fromSecsSinceEpoch(entry.EndedAt).toString(QStringLiteral("yyyy-MM-dd hh:mm"))};
    for (int column = 0; column < cells.size(); ++column)
      best->setItem(row, column, new QTableWidgetItem(cells[column]));
    if (index == highlighted) best->selectRow(row);
  }
  return page;
}

class RecordDialog final : public PlacedDialog {
 public:
  RecordDialog(QWidget* owner, CaptainsRecord& record, Difficulty shown, std::optional<std::size_t> highlighted,
               Placement& placement)
      : PlacedDialog(owner, placement), record_(record) {
    SetUpDialog(*this, Tr(Text::RecordTitle));
    auto* layout = new DialogLayout(this, 300, 222);
    tabs_ = layout->Add(new QTabWidget, {6, 6, 288, 192});
    QPushButton* clear = layout->Add(new QPushButton(Tr(Text::ClearRecord)), {168, 202, 70, 14});
    QPushButton* close = layout->Add(new QPushButton(Tr(Text::Close)), {244, 202, 50, 14});
    close->setDefault(true);
    connect(clear, &QPushButton::clicked, this, &RecordDialog::Clear);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    Fill(highlighted);
    for (int page = 0; page < tabs_->count(); ++page)
      if (Levels[page].difficulty == shown) tabs_->setCurrentIndex(page);
    MoveToPlacement();
  }

  bool cleared() const { return cleared_; }

 private:
  void Fill(std::optional<std::size_t> highlighted) {
    const int current = tabs_->currentIndex();
    while (tabs_->count() > 0) delete tabs_->widget(0);
    for (const Level& level : Levels)
      tabs_->addTab(StandingPage(record_, level.difficulty, highlighted), Tr(level.name));
    tabs_->setCurrentIndex(current);
  }

  void Clear() {
    if (AskQuestion(this, Text::ClearRecordQuestion, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                    QMessageBox::No) != QMessageBox::Yes)
      return;
    record_.Entries.clear();
    cleared_ = true;
    Fill(std::nullopt);
  }

  CaptainsRecord& record_;
  QTabWidget* tabs_;
  bool cleared_ = false;
};

}  // namespace

bool RunRecordDialog(QWidget* owner, CaptainsRecord& record, Difficulty shown, std::optional<std::size_t> highlighted,
                     Placement& placement) {
  RecordDialog dialog(owner, record, shown, highlighted, placement);
  dialog.exec();
  ReturnKeyboardTo(owner);
  return dialog.cleared();
}

}  // namespace kestravane
