#pragma once

#include <array>

#include "platform/dialog_layout.h"

// A dialog with one of every kind of control the game's dialogs use.
namespace orders {

inline constexpr int NameLabel = 10, NameEdit = 11, CountEdit = 12;
inline constexpr int Attack = 20, Defend = 21, Retreat = 22;  // automatic radio group
inline constexpr int Fast = 30, Slow = 31;                    // a second automatic group
inline constexpr int Left = 40, Right = 41;                   // radio buttons the game checks
inline constexpr int Escort = 50, Cloak = 51;                 // automatic and manual check boxes
inline constexpr int Ships = 60;                              // list with tab stops
inline constexpr int Ok = 1, Cancel = 2, Help = 3, Locked = 80, Secret = 81;
inline constexpr int CountLabel = 90, HeadingLabel = 91;

inline constexpr int X = 20, Y = 10, Width = 200, Height = 150;
inline constexpr int ShipsTabStop = 14;
inline constexpr unsigned WarningIcon = 5300;

using Kind = platform::DialogControlKind;
using platform::ControlFlags;
inline constexpr ControlFlags Group = ControlFlags::GroupStart;
inline constexpr ControlFlags Tab = ControlFlags::TabStop;

constexpr platform::DialogControl Control(Kind kind, int id, const char* text,
                                          platform::UnitRect rect,
                                          ControlFlags flags = ControlFlags::None) {
  return {.kind = kind, .id = id, .text = text, .rect = rect, .flags = flags};
}

inline constexpr std::array Controls{
    Control(Kind::Label, NameLabel, "&Name:", {5, 5, 40, 10}),
    Control(Kind::Edit, NameEdit, "Vanguard", {50, 5, 80, 12}, Group | Tab),
    Control(Kind::NumberEdit, CountEdit, "", {50, 20, 40, 12}, Tab),
    Control(Kind::AutoRadioButton, Attack, "&Attack", {5, 40, 60, 10}, Group | Tab),
    Control(Kind::AutoRadioButton, Defend, "&Defend", {5, 52, 60, 10}),
    Control(Kind::AutoRadioButton, Retreat, "&Retreat", {5, 64, 60, 10}),
    Control(Kind::AutoRadioButton, Fast, "Fast", {70, 40, 40, 10}, Group | Tab),
    Control(Kind::AutoRadioButton, Slow, "Slow", {70, 52, 40, 10}),
    Control(Kind::RadioButton, Left, "Left", {110, 40, 30, 10}, Group | Tab),
    Control(Kind::RadioButton, Right, "Right", {110, 52, 30, 10}),
    Control(Kind::AutoCheckBox, Escort, "&Escort", {5, 80, 60, 10}, Group | Tab),
    Control(Kind::CheckBox, Cloak, "Cloak", {70, 80, 60, 10}, Tab),
    platform::DialogControl{.kind = Kind::ListBox,
                            .id = Ships,
                            .rect = {5, 95, 125, 50},
                            .flags = Group | Tab,
                            .listTabStop = ShipsTabStop},
    Control(Kind::DefaultPushButton, Ok, "OK", {145, 95, 50, 14}, Group | Tab),
    Control(Kind::PushButton, Cancel, "Cancel", {145, 113, 50, 14}, Tab),
    Control(Kind::PushButton, Help, "&Help", {145, 131, 50, 14}, Tab),
    Control(Kind::PushButton, Locked, "Locked", {145, 5, 50, 14}, ControlFlags::Disabled | Tab),
    Control(Kind::Label, Secret, "Secret", {145, 22, 50, 8}, ControlFlags::Hidden),
    Control(Kind::GroupBox, platform::NoItem, "Orders", {2, 32, 140, 45}, Group),
    Control(Kind::CentredLabel, CountLabel, "Count", {2, 20, 45, 10}),
    Control(Kind::RightLabel, HeadingLabel, "Heading", {145, 80, 50, 8}),
    // Only its corner: it takes the icon's size.
    platform::DialogControl{
        .kind = Kind::Icon, .id = platform::NoItem, .rect = {150, 40, 0, 0}, .icon = WarningIcon},
};

inline constexpr platform::DialogLayout Layout{.caption = "Fleet Orders",
                                               .rect = {X, Y, Width, Height},
                                               .font = {.face = "MS Sans Serif", .pointSize = 8},
                                               .controls = Controls};

}  // namespace orders
