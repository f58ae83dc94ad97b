#pragma once

#include <array>

#include "dialogs/layout_table.h"

// Game > Options: the difficulty level and the sound effects.
namespace options_layout {

using namespace layout_table;

inline constexpr std::array Controls{
    Frame(" Difficulty ", {6, 5, 145, 90}),
    IconAt(Icon::Program, 14, 22),
    Item(Kind::AutoRadioButton, OptionsItem::Easy, "&Easy", {40, 20, 45, 10}, Group | Tab),
    Item(Kind::AutoRadioButton, OptionsItem::Normal, "&Normal", {40, 45, 45, 10}),
    Item(Kind::AutoRadioButton, OptionsItem::Hard, "&Hard", {40, 70, 45, 10}),
    Item(Kind::Label, OptionsItem::EasySupplies, "", {53, 31, 93, 8}),
    Item(Kind::Label, OptionsItem::NormalSupplies, "", {53, 56, 93, 8}),
    Item(Kind::Label, OptionsItem::HardSupplies, "", {53, 81, 93, 8}),
    Frame(" Sound ", {6, 99, 145, 40}, Group),
    IconAt(Icon::Sound, 14, 112),
    Item(Kind::AutoCheckBox, OptionsItem::Sounds, "&Play Sound F/X Wave Files", {40, 117, 103, 10}, Group | Tab),
    Button(Kind::DefaultPushButton, DialogButton::Confirm, "OK", {159, 14, 34, 14}, Group | Tab),
    Button(Kind::PushButton, DialogButton::Cancel, "Cancel", {159, 36, 34, 14}),
};

inline constexpr platform::DialogLayout Layout{
    .caption = "Kestravane Options", .rect = {30, 40, 200, 146}, .font = DialogFont, .controls = Controls};

}  // namespace options_layout
