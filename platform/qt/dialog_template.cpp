#include "platform/qt/dialog_template.h"

namespace platform {
namespace {

// Reads little-endian fields front to back; once a read runs past the end
// every later read fails too, so a parse checks only at its end.
class TemplateReader {
 public:
  explicit TemplateReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool ok() const { return ok_; }

  std::uint16_t Word() {
    if (!Has(2)) return 0;
    const std::uint16_t value =
        static_cast<std::uint16_t>(bytes_[offset_] | bytes_[offset_ + 1] << 8);
    offset_ += 2;
    return value;
  }

  std::uint32_t Dword() {
    const std::uint32_t low = Word();
    return low | static_cast<std::uint32_t>(Word()) << 16;
  }

  std::int16_t Short() { return static_cast<std::int16_t>(Word()); }

  // A zero-terminated UTF-16 string.
  std::u16string String() {
    std::u16string text;
    for (std::uint16_t unit = Word(); ok_ && unit != 0; unit = Word()) text.push_back(unit);
    return text;
  }

  // 0: nothing; 0xFFFF: an ordinal follows; anything else starts a name.
  NameOrOrdinal NameOrNumber() {
    NameOrOrdinal field;
    if (!Has(2)) return field;
    const std::uint16_t first =
        static_cast<std::uint16_t>(bytes_[offset_] | bytes_[offset_ + 1] << 8);
    if (first == 0xFFFF) {
      Word();
      field.ordinal = Word();
    } else {
      field.name = String();
    }
    return field;
  }

  std::vector<std::uint8_t> Bytes(std::size_t count) {
    if (!Has(count)) return {};
    std::vector<std::uint8_t> data(bytes_.begin() + static_cast<std::ptrdiff_t>(offset_),
                                   bytes_.begin() + static_cast<std::ptrdiff_t>(offset_ + count));
    offset_ += count;
    return data;
  }

  // Control records start on 4-byte boundaries from the template's start.
  void AlignToDword() {
    const std::size_t padding = (4 - offset_ % 4) % 4;
    if (Has(padding)) offset_ += padding;
  }

 private:
  bool Has(std::size_t count) {
    if (ok_ && bytes_.size() - offset_ >= count) return true;
    ok_ = false;
    return false;
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t offset_ = 0;
  bool ok_ = true;
};

ControlTemplate ReadControl(TemplateReader& in) {
  ControlTemplate control;
  in.AlignToDword();
  control.style = in.Dword();
  control.extendedStyle = in.Dword();
  control.x = in.Short();
  control.y = in.Short();
  control.width = in.Short();
  control.height = in.Short();
  control.id = in.Word();
  control.controlClass = in.NameOrNumber();
  control.text = in.NameOrNumber();
  control.creationData = in.Bytes(in.Word());
  return control;
}

// The extended form starts with version 1 and the signature 0xFFFF.
bool IsExtendedForm(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= 4 && bytes[0] == 1 && bytes[1] == 0 && bytes[2] == 0xFF &&
         bytes[3] == 0xFF;
}

}  // namespace

std::optional<DialogTemplate> ParseDialogTemplate(std::span<const std::uint8_t> bytes) {
  if (IsExtendedForm(bytes)) return std::nullopt;

  TemplateReader in(bytes);
  DialogTemplate dialog;
  dialog.style = in.Dword();
  dialog.extendedStyle = in.Dword();
  const std::uint16_t controlCount = in.Word();
  dialog.x = in.Short();
  dialog.y = in.Short();
  dialog.width = in.Short();
  dialog.height = in.Short();
  dialog.menu = in.NameOrNumber();
  dialog.windowClass = in.NameOrNumber();
  dialog.title = in.String();
  if (dialog.style & style::SetFont) {
    dialog.fontPointSize = in.Word();
    dialog.fontFace = in.String();
  }
  for (std::uint16_t i = 0; i < controlCount && in.ok(); ++i)
    dialog.controls.push_back(ReadControl(in));

  if (!in.ok()) return std::nullopt;
  return dialog;
}

}  // namespace platform
