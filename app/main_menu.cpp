#include "app/main_menu.h"

#include <variant>

namespace kestravane {
namespace {

enum Control { WithControl, WithoutControl, AnyModifiers };

struct KeyBinding {
  int key;
  Control control;
  std::variant<Command, GameKey> meaning;
};

#include "resources/menu.inc"
#include "resources/shortcuts.inc"

bool Matches(const KeyBinding& binding, int key, bool control) {
  if (binding.key != key) return false;
  switch (binding.control) {
    case WithControl: return control;
    case WithoutControl: return !control;
    case AnyModifiers: return true;
  }
  return false;
}

}  // namespace

std::span<const MenuPopup> MainMenu() { return MainMenuBar; }

KeyMeaning MeaningOf(int qtKey, Qt::KeyboardModifiers modifiers) {
  const bool control = modifiers.testFlag(Qt::ControlModifier);
  KeyMeaning meaning;
  for (const KeyBinding& binding : MainKeys) {
    if (!Matches(binding, qtKey, control)) continue;
    if (const Command* command = std::get_if<Command>(&binding.meaning)) {
      if (!meaning.shortcut) meaning.shortcut = *command;
    } else if (meaning.key == GameKey::Other) {
      meaning.key = std::get<GameKey>(binding.meaning);
    }
  }
  return meaning;
}

}  // namespace kestravane
