#include "dialogs/options_dialog.h"

#include "dialogs/options_layout.h"
#include "engine/generation.h"
#include "platform/dialog.h"
#include "platform/window.h"
#include "support/item_text.h"

namespace {

struct Level {
  OptionsItem button;
  OptionsItem supplies;
  Difficulty difficulty;
};

constexpr Level Levels[] = {{OptionsItem::Easy, OptionsItem::EasySupplies, Difficulty::Easy},
                            {OptionsItem::Normal, OptionsItem::NormalSupplies, Difficulty::Normal},
                            {OptionsItem::Hard, OptionsItem::HardSupplies, Difficulty::Hard}};

class OptionsEvents final : public platform::DialogEvents {
 public:
  explicit OptionsEvents(const GameOptions& current) : options_(current) {}

  const GameOptions& options() const { return options_; }

  bool Initialise(platform::Window* dialog) override {
    for (const Level& level : Levels) {
      platform::CheckButton(dialog, Id(level.button), options_.Difficulty == level.difficulty);
      SetItemString(dialog, Id(level.supplies),
                    MakeMessage(Text::LevelSupplies, MissilesFor(level.difficulty), FuelFor(level.difficulty)));
    }
    platform::CheckButton(dialog, Id(OptionsItem::Sounds), options_.Sounds);
    return true;
  }

  void Command(platform::Window* dialog, int id, int) override {
    if (id == Id(DialogButton::Confirm)) {
      if (ReadControls(dialog)) platform::EndDialog(dialog, 1);
    } else if (id == Id(DialogButton::Cancel)) {
      platform::EndDialog(dialog, 0);
    }
  }

 private:
  // Fails, keeping the dialog open, while no level is checked.
  bool ReadControls(platform::Window* dialog) {
    options_.Sounds = platform::ButtonChecked(dialog, Id(OptionsItem::Sounds));
    for (const Level& level : Levels) {
      if (platform::ButtonChecked(dialog, Id(level.button))) {
        options_.Difficulty = level.difficulty;
        return true;
      }
    }
    return false;
  }

  GameOptions options_;
};

}  // namespace

std::optional<GameOptions> RunOptionsDialog(QWidget* ownerWidget, const GameOptions& current) {
  platform::Window* owner = platform::OwnerWindow(ownerWidget);
  OptionsEvents events(current);
  if (platform::RunDialog(owner, options_layout::Layout, &events) == 0) return std::nullopt;
  return events.options();
}
