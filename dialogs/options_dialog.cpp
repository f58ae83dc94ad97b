#include "dialogs/options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/dialog_placement.h"
#include "engine/generation.h"
#include "support/catalogue.h"
#include "support/form.h"

namespace kestravane {

namespace {

// The levels by their difficulty number, top to bottom, and the line under
// each that says what it gives.
struct Level {
  Difficulty difficulty;
  const char* name;
  UnitRect button;
  UnitRect supplies;
};

constexpr Level Levels[] = {{Difficulty::Easy, "&Easy", {40, 20, 45, 10}, {53, 31, 93, 8}},
                            {Difficulty::Normal, "&Normal", {40, 45, 45, 10}, {53, 56, 93, 8}},
                            {Difficulty::Hard, "&Hard", {40, 70, 45, 10}, {53, 81, 93, 8}}};

}  // namespace

OptionsDialog::OptionsDialog(QWidget* owner, const GameOptions& current) : QDialog(owner), options_(current) {
  Form form(*this, "Kestravane Options", {30, 40, 200, 146});
  form.Frame(" Difficulty ", {6, 5, 145, 90});
  form.IconAt(Icon::Program, 14, 22);
  levels_ = form.RadioGroup();
  // Tab reaches the group once, at its first button; the arrows move within it.
  for (const Level& level : Levels)
    form.Radio(levels_, Id(level.difficulty), level.name, level.button, &level == Levels ? Tab::Stop : Tab::Skip);
  for (const Level& level : Levels) {
    // A line whose text cannot be loaded stays empty; the catalogue has said why.
    const std::optional<std::string> supplies =
        CatalogueLine(Text::LevelSupplies, MissilesFor(level.difficulty), FuelFor(level.difficulty));
    form.Label(supplies ? supplies->c_str() : "", level.supplies);
  }
  form.Frame(" Sound ", {6, 99, 145, 40});
  form.IconAt(Icon::Sound, 14, 112);
  sounds_ = form.Check("&Play Sound F/X Wave Files", {40, 117, 103, 10});
  QPushButton* ok = form.Button("OK", {159, 14, 34, 14}, true);
  QPushButton* cancel = form.Button("Cancel", {159, 36, 34, 14});
  connect(ok, &QPushButton::clicked, this, &OptionsDialog::Confirm);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  if (QAbstractButton* level = levels_->button(Id(options_.Difficulty))) level->setChecked(true);
  sounds_->setChecked(options_.Sounds);
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
