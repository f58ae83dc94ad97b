#pragma once

#include <array>

#include "dialogs/layout_table.h"

// Ship > Aim: the target typed as the two coordinates that vary across the
// sector on the scanner. The labels are set for the scan axis when it opens.
namespace aim_layout {

using namespace layout_table;

inline constexpr int HintItem = Id(AimItem::FirstHint);

inline constexpr std::array Controls{
    Frame(" Target ", {6, 5, 100, 49}),
    IconAt(Icon::Aim, 17, 23),
    Item(Kind::RightLabel, AimItem::FirstLabel, "&Y:", {50, 19, 8, 8}),
    Item(Kind::Edit, AimItem::FirstField, "", {62, 17, 20, 13}, Group | Tab),
    Item(Kind::RightLabel, AimItem::SecondLabel, "&X:", {50, 37, 8, 8}),
    Item(Kind::Edit, AimItem::SecondField, "", {62, 35, 20, 13}, Tab),
    Frame(" Shortcut ", {6, 57, 143, 52}),
    IconAt(Icon::Hint, 17, 76),
    Item(Kind::Label, HintItem, "You may also select a target by", {42, 70, 104, 8}),
    Item(Kind::Label, HintItem + 1, "clicking the mouse directly on a", {42, 78, 104, 8}),
    Item(Kind::Label, HintItem + 2, "coordinate, and then press the", {42, 86, 104, 8}),
    Item(Kind::Label, HintItem + 3, "space bar to launch a missile.", {42, 94, 104, 8}),
    Button(Kind::DefaultPushButton, DialogButton::Confirm, "&Fire", {113, 11, 34, 14}, Group | Tab),
    Button(Kind::PushButton, DialogButton::Cancel, "Cancel", {113, 31, 34, 14}),
};

inline constexpr platform::DialogLayout Layout{
    .caption = "Aim", .rect = {130, 40, 156, 116}, .font = DialogFont, .controls = Controls};

}  // namespace aim_layout
