#pragma once

#include "engine/identifiers.h"
#include "platform/dialog_layout.h"

// Shorthands for the dialogs' layout tables, which read best one control to
// a line.
namespace layout_table {

using Kind = platform::DialogControlKind;
using platform::ControlFlags;
inline constexpr ControlFlags Group = ControlFlags::GroupStart;
inline constexpr ControlFlags Tab = ControlFlags::TabStop;
inline constexpr ControlFlags None = ControlFlags::None;
inline constexpr int NoItem = platform::NoItem;

inline constexpr platform::DialogFont DialogFont{.face = "MS Sans Serif", .pointSize = 8};

constexpr platform::DialogControl Item(Kind kind, int id, const char* text, platform::UnitRect rect,
                                          ControlFlags flags = None) {
  return {.kind = kind, .id = id, .text = text, .rect = rect, .flags = flags};
}

template <typename Identifier>
constexpr platform::DialogControl Item(Kind kind, Identifier id, const char* text, platform::UnitRect rect,
                                          ControlFlags flags = None) {
  return Item(kind, Id(id), text, rect, flags);
}

constexpr platform::DialogControl Frame(const char* title, platform::UnitRect rect, ControlFlags flags = None) {
  return Item(Kind::GroupBox, NoItem, title, rect, flags);
}

// An icon takes its own size; only its corner is given.
constexpr platform::DialogControl IconAt(Icon icon, int x, int y) {
  return {.kind = Kind::Icon, .id = NoItem, .rect = {x, y, 0, 0}, .icon = Id(icon)};
}

constexpr platform::DialogControl Button(Kind kind, DialogButton id, const char* text, platform::UnitRect rect,
                                         ControlFlags flags = Tab) {
  return Item(kind, Id(id), text, rect, flags);
}

}  // namespace layout_table
