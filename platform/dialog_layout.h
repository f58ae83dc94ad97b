#pragma once

#include <span>

namespace platform {

// A rectangle in dialog units: a horizontal unit is a quarter of the dialog
// font's average letter width, a vertical unit an eighth of its height, so a
// layout keeps its proportions whatever font size it ends up with.
struct UnitRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

enum class DialogControlKind {
  // Wrapped text. A label with "&" hands its mnemonic to the control after it.
  Label,
  CentredLabel,
  RightLabel,
  // The icon resource `icon`, or none until the game sets one.
  Icon,
  // One line of text; a number edit takes digits only.
  Edit,
  NumberEdit,
  // Enter presses the default button unless another push button has the keyboard.
  PushButton,
  DefaultPushButton,
  // The automatic kinds check themselves (a radio button clearing the others
  // of its group); the others only report the click and the game checks them.
  AutoRadioButton,
  RadioButton,
  AutoCheckBox,
  CheckBox,
  // A titled frame around other controls; it takes no input.
  GroupBox,
  // Lines of text, one selected at a time.
  ListBox,
};

enum class ControlFlags : unsigned {
  None = 0,
  GroupStart = 1u << 0,  // starts a new group of automatic radio buttons
  TabStop = 1u << 1,     // Tab reaches it
  Disabled = 1u << 2,
  Hidden = 1u << 3,
};

constexpr ControlFlags operator|(ControlFlags a, ControlFlags b) {
  return static_cast<ControlFlags>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

constexpr bool Has(ControlFlags set, ControlFlags flag) {
  return (static_cast<unsigned>(set) & static_cast<unsigned>(flag)) != 0;
}

// The ID of a control the game never addresses, such as a frame or a
// decorative icon.
inline constexpr int NoItem = -1;

struct DialogControl {
  DialogControlKind kind = DialogControlKind::Label;
  int id = NoItem;
  const char* text = "";  // UTF-8; carriage returns break lines
  UnitRect rect;
  ControlFlags flags = ControlFlags::None;
  unsigned icon = 0;    // Icon: the resource shown from the start; 0 for none
  int listTabStop = 0;  // ListBox: tabs move on to multiples of this many units; 0: left as they are
};

// The face and size the dialog units are measured in.
struct DialogFont {
  const char* face = "";
  int pointSize = 8;
};

// A modal dialog as a constant table. The controls are made in table order,
// which is also the order Tab visits them in and the order that groups
// automatic radio buttons. Its corner is measured from the owner's client
// area, or from the desktop's corner when there is no owner.
struct DialogLayout {
  const char* caption = "";
  UnitRect rect;
  DialogFont font;
  std::span<const DialogControl> controls;
};

}  // namespace platform
