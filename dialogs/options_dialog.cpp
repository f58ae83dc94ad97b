#include "dialogs/options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/dialog_placement.h"
#include "engine/generation.h"
#include "support/catalogue.h"
#include "support/dialog_layout.h"

namespace kestravane {

namespace {

// The levels by their difficulty number, top to bottom, and the line under
// each that says what it gives.
struct Level {
  Difficulty difficulty;
  Text name;
  UnitRect button;
  UnitRect supplies;
};

constexpr Level Levels[] = {{Difficulty::Easy, Text::Easy, {40, 20, 45, 10}, {53, 31, 93, 8}},
                            {Difficulty::Normal, Text::Normal, {40, 45, 45, 10}, {53, 56, 93, 8}},
                            {Difficulty::Hard, Text::Hard, {40, 70, 45, 10}, {53, 81, 93, 8}}};

}  // namespace

OptionsDialog::OptionsDialog(QWidget* owner, const GameOptions& current)
    : QDialog(owner), options_(current), levels_(new QButtonGroup(this)) {
  SetUpDialog(*this, Tr(Text::OptionsTitle));
  auto* layout = new DialogLayout(this, 200, 146);
  layout->Add(new QGroupBox(Tr(Text::DifficultyFrame)), {6, 5, 145, 90});
  layout->Add(IconLabel(Icon::Program), {14, 22});
  // Tab reaches the levels once, at the first; the arrows move among them.
  for (const Level& level : Levels) {
    auto* button = layout->Add(new QRadioButton(Tr(level.name)), level.button);
    if (&level != Levels) button->setFocusPolicy(Qt::ClickFocus);
    levels_->addButton(button, Id(level.difficulty));
  }
  for (const Level& level : Levels)
    layout->Add(new DialogLabel(Tr(Text::LevelSupplies, MissilesFor(level.difficulty), FuelFor(level.difficulty))),
                level.supplies);
  layout->Add(new QGroupBox(Tr(Text::SoundFrame)), {6, 99, 145, 40});
  layout->Add(IconLabel(Icon::Sound), {14, 112});
  sounds_ = layout->Add(new QCheckBox(Tr(Text::PlaySounds)), {40, 117, 103, 10});
  QPushButton* ok = layout->Add(new QPushButton(Tr(Text::Ok)), {159, 14, 34, 14});
  QPushButton* cancel = layout->Add(new QPushButton(Tr(Text::Cancel)), {159, 36, 34, 14});
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &OptionsDialog::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  if (QAbstractButton* level = levels_->button(Id(options_.Difficulty))) level->setChecked(true);
  sounds_->setChecked(options_.Sounds);
  // Sized before it is placed, so that the place is its frame's.
  adjustSize();
  if (owner) move(owner->mapToGlobal(QPoint(layout->Across(30), layout->Down(40))));
  ok->setFocus(Qt::OtherFocusReason);
}

void OptionsDialog::Confirm() {
  options_.Sounds = sounds_->isChecked();
  if (levels_->checkedId() < 0) return;
  options_.Difficulty = static_cast<Difficulty>(levels_->checkedId());
  accept();
}

std::optional<GameOptions> RunOptionsDialog(QWidget* owner, const GameOptions& current) {
  return RunModal(new OptionsDialog(owner, current), [](const OptionsDialog& dialog) { return dialog.options(); });
}

}  // namespace kestravane
