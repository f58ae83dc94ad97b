#include "support/box_template.h"

#include <cassert>
#include <new>

namespace {

// Writes the template's fields one after the other, little-endian.
class TemplateWriter {
 public:
  explicit TemplateWriter(BoxTemplate& block) : block_(block) {}

  void Word(std::uint16_t value) {
    Byte(static_cast<std::uint8_t>(value & 0xFF));
    Byte(static_cast<std::uint8_t>(value >> 8));
  }

  void Dword(std::uint32_t value) {
    Word(static_cast<std::uint16_t>(value & 0xFFFF));
    Word(static_cast<std::uint16_t>(value >> 16));
  }

  // A zero-terminated UTF-16 string from ASCII text.
  void String(const char* text) {
    for (; *text != '\0'; ++text) Word(static_cast<unsigned char>(*text));
    Word(0);
  }

  // Skips to the next 4-byte boundary; the block is zero-filled already.
  void AlignToDword() {
    while (offset_ % 4 != 0) Byte(0);
  }

  std::size_t Offset() const { return offset_; }

 private:
  void Byte(std::uint8_t value) {
    assert(offset_ < block_.bytes.size());
    block_.bytes[offset_++] = value;
  }

  BoxTemplate& block_;
  std::size_t offset_ = 0;
};

constexpr std::uint32_t BoxStyle = 0x90C800C2;  // popup, visible, caption, system menu,
                                                // modal frame, set-font, system-modal
constexpr std::uint16_t StaticClass = 0x0082;
constexpr std::uint16_t ButtonClass = 0x0080;

struct Control {
  std::uint32_t style;
  std::uint16_t x, y, width, height;
  std::uint16_t id;
  std::uint16_t classAtom;
  const char* text;
};

constexpr Control IconControl = {0x50000003, 8, 9, 18, 20, 100, StaticClass, " "};
constexpr Control TextControl = {0x50000000, 37, 8, 175, 50, 101, StaticClass, " "};
constexpr std::uint32_t DefaultButtonStyle = 0x50000001;
constexpr std::uint32_t ButtonStyle = 0x50000000;
constexpr std::uint16_t ButtonLine = 65, ButtonWidth = 36, ButtonHeight = 14;

void WriteControl(TemplateWriter& out, const Control& control) {
  out.AlignToDword();
  out.Dword(control.style);
  out.Dword(0);  // extended style
  out.Word(control.x);
  out.Word(control.y);
  out.Word(control.width);
  out.Word(control.height);
  out.Word(control.id);
  out.Word(0xFFFF);  // a predefined class follows
  out.Word(control.classAtom);
  out.String(control.text);
  out.Word(0);  // no creation data
}

Control Button(std::uint32_t style, std::uint16_t x, std::uint16_t id, const char* text) {
  return {style, x, ButtonLine, ButtonWidth, ButtonHeight, id, ButtonClass, text};
}

}  // namespace

std::unique_ptr<BoxTemplate> BuildBoxTemplate(int buttonSet) {
  std::unique_ptr<BoxTemplate> block(new (std::nothrow) BoxTemplate);
  if (!block) return nullptr;

  const std::uint16_t controls = buttonSet <= 1 ? 3 : buttonSet == 2 ? 4 : 5;

  TemplateWriter out(*block);
  out.Dword(BoxStyle);
  out.Dword(0);  // extended style
  out.Word(controls);
  out.Word(90);  // x
  out.Word(70);  // y
  out.Word(220);  // width
  out.Word(85);  // height
  out.Word(0);  // no menu
  out.Word(0);  // the standard dialog class
  out.String("DialogTmp");
  out.Word(8);  // font size in points
  out.String("MS Sans Serif");

  WriteControl(out, IconControl);
  WriteControl(out, TextControl);
  if (buttonSet <= 1) {
    WriteControl(out, Button(DefaultButtonStyle, 91, 1, "OK"));
  } else if (buttonSet == 2) {
    WriteControl(out, Button(DefaultButtonStyle, 69, 6, "&Yes"));
    WriteControl(out, Button(ButtonStyle, 115, 7, "&No"));
  } else {
    WriteControl(out, Button(DefaultButtonStyle, 46, 6, "&Yes"));
    WriteControl(out, Button(ButtonStyle, 92, 7, "&No"));
    WriteControl(out, Button(ButtonStyle, 138, 2, "&Cancel"));
  }

  block->size = out.Offset();
  return block;
}
