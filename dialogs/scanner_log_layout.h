#pragma once

#include <array>

#include "dialogs/layout_table.h"

// View > Scanner Log: what the scanner recorded of the nine sectors along one
// axis. The list's tab stop lines up the figures under each sector heading.
namespace scanner_log_layout {

using namespace layout_table;

inline constexpr int ListTabStop = 14;

inline constexpr std::array Controls{
    Item(Kind::Label, NoItem, "&Sector Scans", {9, 5, 45, 8}),
    platform::DialogControl{.kind = Kind::ListBox,
                            .id = Id(ScannerLogItem::Sectors),
                            .rect = {7, 18, 95, 97},
                            .flags = Group | Tab,
                            .listTabStop = ListTabStop},
    Item(Kind::RadioButton, ScannerLogItem::ZAxis, "&Z Axis", {110, 38, 32, 10}, Group | Tab),
    Item(Kind::RadioButton, ScannerLogItem::YAxis, "&Y Axis", {110, 52, 32, 10}, Tab),
    Item(Kind::RadioButton, ScannerLogItem::XAxis, "&X Axis", {110, 66, 32, 10}, Tab),
    IconAt(Icon::ScannerLog, 115, 8),
    Button(Kind::DefaultPushButton, DialogButton::Confirm, "OK", {109, 100, 34, 14}, Group | Tab),
};

inline constexpr platform::DialogLayout Layout{
    .caption = "Scanner Log", .rect = {130, 40, 148, 125}, .font = DialogFont, .controls = Controls};

}  // namespace scanner_log_layout
