#pragma once

#include <array>

#include "platform/dialog_layout.h"
#include "platform/message_box.h"

// The layouts every error and warning box is run from, so that each box has
// the same size, font, icon position and buttons whoever raises it: 220 x 85
// dialog units at 90,70 in 8 pt "MS Sans Serif", the icon at the top left,
// the message beside it and the buttons on one line below. The caption and
// the texts of the icon and the message are placeholders; the box puts its
// own there when it opens.
namespace box_layout {

using Kind = platform::DialogControlKind;

inline constexpr platform::DialogControl Icon{
    .kind = Kind::Icon, .id = platform::BoxIconItem, .text = " ", .rect = {8, 9, 18, 20}};
inline constexpr platform::DialogControl Message{
    .kind = Kind::Label, .id = platform::BoxTextItem, .text = " ", .rect = {37, 8, 175, 50}};

constexpr platform::DialogControl Button(Kind kind, int x, int id, const char* text) {
  return {.kind = kind, .id = id, .text = text, .rect = {x, 65, 36, 14}};
}

inline constexpr std::array OkControls{Icon, Message, Button(Kind::DefaultPushButton, 91, 1, "OK")};

constexpr platform::DialogLayout Box(std::span<const platform::DialogControl> controls) {
  return {.caption = "DialogTmp",
          .rect = {90, 70, 220, 85},
          .font = {.face = "MS Sans Serif", .pointSize = 8},
          .controls = controls};
}

}  // namespace box_layout

// One OK button: the error box and the warning box.
inline constexpr platform::DialogLayout OkBoxLayout = box_layout::Box(box_layout::OkControls);
