#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

// A field of a dialog template that holds either a number or a name: the
// menu, the window class, a control's class and a control's text.
struct NameOrOrdinal {
  std::optional<std::uint16_t> ordinal;
  std::u16string name;  // empty when there is an ordinal
};

// One control of a dialog template. Position and size are in dialog units.
struct ControlTemplate {
  std::uint32_t style = 0;
  std::uint32_t extendedStyle = 0;
  std::int16_t x = 0, y = 0, width = 0, height = 0;
  std::uint16_t id = 0;
  NameOrOrdinal controlClass;
  NameOrOrdinal text;
  std::vector<std::uint8_t> creationData;
};

// A whole dialog template in the classic (not extended) binary form.
struct DialogTemplate {
  std::uint32_t style = 0;
  std::uint32_t extendedStyle = 0;
  std::int16_t x = 0, y = 0, width = 0, height = 0;
  NameOrOrdinal menu;
  NameOrOrdinal windowClass;
  std::u16string title;
  std::optional<std::uint16_t> fontPointSize;  // present when the style asks for a font
  std::u16string fontFace;
  std::vector<ControlTemplate> controls;
};

// The window and control style bits the dialogs understand.
namespace style {
inline constexpr std::uint32_t SetFont = 0x40;
inline constexpr std::uint32_t ModalFrame = 0x80;
inline constexpr std::uint32_t Group = 0x00020000;
inline constexpr std::uint32_t TabStop = 0x00010000;
inline constexpr std::uint32_t Disabled = 0x08000000;
inline constexpr std::uint32_t Visible = 0x10000000;
}  // namespace style

// The predefined control classes, as their atoms.
namespace control_class {
inline constexpr std::uint16_t Button = 0x80;
inline constexpr std::uint16_t Edit = 0x81;
inline constexpr std::uint16_t Static = 0x82;
inline constexpr std::uint16_t ListBox = 0x83;
inline constexpr std::uint16_t ComboBox = 0x85;
}  // namespace control_class

// Reads a template. Nothing is read outside `bytes`: a template that is cut
// short, or that is in the extended form, gives no result.
std::optional<DialogTemplate> ParseDialogTemplate(std::span<const std::uint8_t> bytes);

}  // namespace platform
