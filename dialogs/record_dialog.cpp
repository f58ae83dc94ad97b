#include "dialogs/record_dialog.h"

#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "support/keyboard_return.h"
#include "support/message_box.h"

namespace kestravane {

namespace {

struct Level {
  Difficulty difficulty;
  const char* name;
};
constexpr Level Levels[] = {{Difficulty::Easy, "&Easy"}, {Difficulty::Normal, "&Normal"}, {Difficulty::Hard, "&Hard"}};

QString Duration(std::uint32_t seconds) {
  return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// One difficulty's standing: its figures, then its best victories.
QWidget* StandingPage(const CaptainsRecord& record, Difficulty difficulty, std::optional<std::size_t> highlighted) {
  const DifficultyStanding standing = StandingAt(record, difficulty);
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel(QStringLiteral("Games played: %1, won: %2, lost: %3, win rate: %4%")
                                   .arg(standing.Played)
                                   .arg(standing.Won)
                                   .arg(standing.Lost)
                                   .arg(standing.WinPercent)));
  auto* best = new QTableWidget(static_cast<int>(standing.Best.size()), 5);
  best->setAccessibleName(QStringLiteral("Best victories"));
  best->setHorizontalHeaderLabels({"Missiles", "Fuel", "Time", "Universe", "Ended"});
  best->verticalHeader()->setDefaultSectionSize(best->fontMetrics().height() + 4);
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
  layout->addWidget(new QLabel(QStringLiteral("Best victories: fewest missiles, then least fuel, then the "
                                              "shortest time. Games played with diagnostics never rank.")));
  layout->addWidget(best);
  return page;
}

class RecordDialog final : public QDialog {
 public:
  RecordDialog(QWidget* owner, CaptainsRecord& record, Difficulty shown, std::optional<std::size_t> highlighted)
      : QDialog(owner), record_(record), tabs_(new QTabWidget) {
    setWindowTitle(QStringLiteral("Captain's Record"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* clear = buttons->addButton(QStringLiteral("C&lear Record..."), QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(clear, &QPushButton::clicked, this, &RecordDialog::Clear);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    Fill(highlighted);
    for (int page = 0; page < tabs_->count(); ++page)
      if (Levels[page].difficulty == shown) tabs_->setCurrentIndex(page);
    resize(520, 380);
  }

  bool cleared() const { return cleared_; }

 private:
  void Fill(std::optional<std::size_t> highlighted) {
    const int current = tabs_->currentIndex();
    while (tabs_->count() > 0) delete tabs_->widget(0);
    for (const Level& level : Levels)
      tabs_->addTab(StandingPage(record_, level.difficulty, highlighted), QString::fromUtf8(level.name));
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

bool RunRecordDialog(QWidget* owner, CaptainsRecord& record, Difficulty shown,
                     std::optional<std::size_t> highlighted) {
  RecordDialog dialog(owner, record, shown, highlighted);
  dialog.exec();
  ReturnKeyboardTo(owner);
  return dialog.cleared();
}

}  // namespace kestravane
