#include "dialogs/record_dialog.h"

#include <QDateTime>
#include <QDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "dialogs/dialog_placement.h"
#include "display/result_panel.h"
#include "support/catalogue.h"
#include "support/dialog_layout.h"
#include "support/keyboard_return.h"
#include "support/message_box.h"

namespace kestravane {

namespace {

constexpr Difficulty Levels[] = {Difficulty::Easy, Difficulty::Normal, Difficulty::Hard};

// A read-only table of whole rows under `columns`, named for a screen reader.
QTableWidget* RecordTable(int rows, const QStringList& columns, Text name) {
  auto* table = new QTableWidget(rows, static_cast<int>(columns.size()));
  table->setAccessibleName(Tr(name));
  table->setHorizontalHeaderLabels(columns);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table->horizontalHeader()->setStretchLastSection(true);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  return table;
}

void FillRow(QTableWidget* table, int row, const QStringList& cells) {
  for (int column = 0; column < cells.size(); ++column)
    table->setItem(row, column, new QTableWidgetItem(cells[column]));
}

// Missiles, fuel and time of a game; dashes for none.
QStringList Figures(const CaptainsRecord& record, std::optional<std::size_t> index) {
  if (!index) return {QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-")};
  const RecordEntry& entry = record.Entries[*index];
  return {QString::number(entry.MissilesFired), QString::number(entry.FuelUsed), PlayTime(entry.SecondsPlayed)};
}

// One difficulty's standing: its figures, its best victories, then the best
// on each universe played again.
QWidget* StandingPage(const CaptainsRecord& record, Difficulty difficulty, std::optional<std::size_t> highlighted) {
  const DifficultyStanding standing = StandingAt(record, difficulty);
  auto* page = new QWidget;
  auto* layout = new DialogLayout(page, 280, 256);
  const QString figures =
      Tr(Text::RecordStanding, standing.Played, standing.Won, standing.Lost, standing.WinPercent, standing.Assisted);
  layout->Add(new DialogLabel(figures), {4, 4, 272, 8});
  auto* rule = layout->Add(new QLabel(Tr(Text::BestVictoriesRule)), {4, 16, 272, 16});
  rule->setWordWrap(true);
  const QStringList figureColumns = {Tr(Text::MissilesColumn), Tr(Text::FuelColumn), Tr(Text::TimeColumn)};
  auto* best = layout->Add(
      RecordTable(static_cast<int>(standing.Best.size()),
                  figureColumns + QStringList{Tr(Text::UniverseColumn), Tr(Text::EndedColumn)}, Text::BestVictories),
      {4, 34, 272, 138});
  for (int row = 0; row < best->rowCount(); ++row) {
    const std::size_t index = standing.Best[static_cast<std::size_t>(row)];
    const RecordEntry& entry = record.Entries[index];
    FillRow(best, row,
            Figures(record, index) +
                QStringList{entry.Universe ? QString::number(*entry.Universe) : QStringLiteral("-"),
                            QDateTime::fromSecsSinceEpoch(entry.EndedAt).toString(QStringLiteral("yyyy-MM-dd hh:mm"))});
    if (index == highlighted) best->selectRow(row);
  }
  const std::vector<UniverseBest> universes = RepeatedUniverses(record, difficulty);
  layout->Add(new DialogLabel(Tr(Text::RepeatedUniverses)), {4, 176, 272, 8});
  auto* replayed = layout->Add(RecordTable(static_cast<int>(universes.size()),
                                           QStringList{Tr(Text::UniverseColumn), Tr(Text::GamesColumn)} + figureColumns,
                                           Text::RepeatedUniverses),
                               {4, 186, 272, 66});
  for (int row = 0; row < replayed->rowCount(); ++row) {
    const UniverseBest& universe = universes[static_cast<std::size_t>(row)];
    FillRow(replayed, row,
            QStringList{QString::number(universe.Universe), QString::number(universe.Played)} +
                Figures(record, universe.Best));
  }
  return page;
}

class RecordDialog final : public PlacedDialog {
 public:
  RecordDialog(QWidget* owner, CaptainsRecord& record, Difficulty shown, std::optional<std::size_t> highlighted,
               Placement& placement)
      : PlacedDialog(owner, placement), record_(record) {
    SetUpDialog(*this, Tr(Text::RecordTitle));
    auto* layout = new DialogLayout(this, 300, 302);
    tabs_ = layout->Add(new QTabWidget, {6, 6, 288, 272});
    QPushButton* clear = layout->Add(new QPushButton(Tr(Text::ClearRecord)), {168, 282, 70, 14});
    QPushButton* close = layout->Add(new QPushButton(Tr(Text::Close)), {244, 282, 50, 14});
    close->setDefault(true);
    connect(clear, &QPushButton::clicked, this, &RecordDialog::Clear);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    Fill(highlighted);
    for (int page = 0; page < tabs_->count(); ++page)
      if (Levels[page] == shown) tabs_->setCurrentIndex(page);
    MoveToPlacement();
  }

  bool cleared() const { return cleared_; }

 private:
  void Fill(std::optional<std::size_t> highlighted) {
    const int current = tabs_->currentIndex();
    while (tabs_->count() > 0) delete tabs_->widget(0);
    for (const Difficulty level : Levels)
      tabs_->addTab(StandingPage(record_, level, highlighted), Tr(DifficultyText(level)));
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
