#pragma once

#include <array>

#include "dialogs/layout_table.h"

// Ship > Helm: a destination typed as coordinates, and the scan axis. Only
// the fields are on the Tab chain, so that "3 Tab 4 Tab 5 Enter" sets a
// course; the axis buttons answer to their letters.
namespace helm_layout {

using namespace layout_table;

inline constexpr int HintItem = Id(HelmItem::FirstHint);

inline constexpr std::array Controls{
    Frame(" Destination ", {6, 5, 100, 69}),
    IconAt(Icon::Helm, 17, 24),
    Item(Kind::RadioButton, HelmItem::ZAxis, "&Z:", {48, 21, 18, 10}, Group),
    Item(Kind::Edit, HelmItem::ZField, "", {69, 19, 20, 13}, Tab),
    Item(Kind::RadioButton, HelmItem::YAxis, "&Y:", {48, 38, 18, 10}),
    Item(Kind::Edit, HelmItem::YField, "", {69, 36, 20, 13}, Tab),
    Item(Kind::RadioButton, HelmItem::XAxis, "&X:", {48, 55, 18, 10}),
    Item(Kind::Edit, HelmItem::XField, "", {69, 53, 20, 13}, Tab),
    Frame(" Help ", {6, 76, 144, 45}, Group),
    IconAt(Icon::Hint, 16, 91),
    Item(Kind::Label, HintItem, "Use the radio buttons to the left", {40, 90, 105, 8}),
    Item(Kind::Label, HintItem + 1, "of the coordinate labels to specify", {40, 98, 105, 8}),
    Item(Kind::Label, HintItem + 2, "the desired scanner viewing axis.", {40, 106, 105, 8}),
    Button(Kind::DefaultPushButton, DialogButton::Confirm, "&Engage", {114, 13, 34, 14}, Group | Tab),
    Button(Kind::PushButton, DialogButton::Cancel, "Cancel", {114, 33, 34, 14}),
};

inline constexpr platform::DialogLayout Layout{
    .caption = "Helm", .rect = {130, 40, 156, 126}, .font = DialogFont, .controls = Controls};

}  // namespace helm_layout
