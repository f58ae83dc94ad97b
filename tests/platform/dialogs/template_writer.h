#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes dialog templates for the tests, field by field, the way a resource
// compiler lays them out: little-endian, UTF-16 strings, controls on 4-byte
// boundaries.
class TemplateWriter {
 public:
  TemplateWriter& Word(std::uint16_t value) {
    bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
    return *this;
  }
  TemplateWriter& Dword(std::uint32_t value) {
    Word(static_cast<std::uint16_t>(value & 0xFFFF));
    return Word(static_cast<std::uint16_t>(value >> 16));
  }
  TemplateWriter& String(const std::u16string& text) {
    for (char16_t unit : text) Word(unit);
    return Word(0);
  }
  TemplateWriter& Ordinal(std::uint16_t value) { return Word(0xFFFF).Word(value); }
  TemplateWriter& Align() {
    while (bytes_.size() % 4 != 0) bytes_.push_back(0);
    return *this;
  }

  // A header with no menu, the standard class and, when `pointSize` is not
  // zero, a font.
  TemplateWriter& Header(std::uint32_t style, std::uint16_t controls, std::int16_t x,
                         std::int16_t y, std::int16_t width, std::int16_t height,
                         const std::u16string& title, std::uint16_t pointSize = 8,
                         const std::u16string& face = u"MS Sans Serif") {
    Dword(pointSize ? style | 0x40 : style).Dword(0).Word(controls);
    Word(static_cast<std::uint16_t>(x)).Word(static_cast<std::uint16_t>(y));
    Word(static_cast<std::uint16_t>(width)).Word(static_cast<std::uint16_t>(height));
    Word(0).Word(0).String(title);
    if (pointSize) Word(pointSize).String(face);
    return *this;
  }

  // A control of a predefined class with a text string and no creation data.
  TemplateWriter& Control(std::uint16_t classAtom, std::uint32_t style, std::int16_t x,
                          std::int16_t y, std::int16_t width, std::int16_t height, std::uint16_t id,
                          const std::u16string& text) {
    ControlStart(style, x, y, width, height, id).Ordinal(classAtom).String(text);
    return Word(0);
  }

  TemplateWriter& ControlStart(std::uint32_t style, std::int16_t x, std::int16_t y,
                               std::int16_t width, std::int16_t height, std::uint16_t id) {
    Align().Dword(style).Dword(0);
    Word(static_cast<std::uint16_t>(x)).Word(static_cast<std::uint16_t>(y));
    Word(static_cast<std::uint16_t>(width)).Word(static_cast<std::uint16_t>(height));
    return Word(id);
  }

  const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

// Control classes and styles the tests use.
inline constexpr std::uint16_t ButtonClass = 0x80;
inline constexpr std::uint16_t EditClass = 0x81;
inline constexpr std::uint16_t StaticClass = 0x82;
inline constexpr std::uint16_t ListBoxClass = 0x83;

inline constexpr std::uint32_t Child = 0x40000000;
inline constexpr std::uint32_t Visible = 0x10000000;
inline constexpr std::uint32_t Disabled = 0x08000000;
inline constexpr std::uint32_t Group = 0x00020000;
inline constexpr std::uint32_t TabStop = 0x00010000;
inline constexpr std::uint32_t Shown = Child | Visible;

inline constexpr std::uint32_t DialogStyle =
    0x80C80080;  // popup, caption, system menu, modal frame
