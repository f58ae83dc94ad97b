#pragma once

#include <cstdint>
#include <optional>

#include "dialogs/dialog_placement.h"

class QLineEdit;

namespace kestravane {

// Game > New by Number: the number of the universe to start, typed in one
// field. Start closes it only once the number is one a universe can have.
class UniverseDialog : public PlacedDialog {
 public:
  UniverseDialog(QWidget* owner, std::uint32_t proposed, Placement& placement);

  std::uint32_t number() const { return number_; }

 private:
  void Start();

  std::uint32_t number_;
  QLineEdit* field_;
};

// Runs the dialog over `owner`, `proposed` in its field: the number to start
// when the player starts, nothing when he cancels. The dialog opens where
// `placement` says and leaves its place there when it closes, either way.
std::optional<std::uint32_t> RunUniverseDialog(QWidget* owner, std::uint32_t proposed, Placement& placement);

}  // namespace kestravane
