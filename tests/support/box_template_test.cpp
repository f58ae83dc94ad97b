#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/file_fields.h"
#include "support/box_template.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Used(const BoxTemplate& layout) {
  return {layout.bytes.begin(), layout.bytes.begin() + layout.size};
}

Bytes Build(int buttonSet) {
  const auto layout = BuildBoxTemplate(buttonSet);
  EXPECT_NE(layout, nullptr);
  return layout ? Used(*layout) : Bytes{};
}

// Reads a zero-terminated UTF-16 string of ASCII characters, advancing `at`.
std::string Wide(const Bytes& bytes, std::size_t& at) {
  std::string text;
  for (unsigned c; (c = FieldU16(bytes, at)) != 0; at += 2) text += static_cast<char>(c);
  at += 2;
  return text;
}

// Set 0, written out by hand from the box layout.
const Bytes ErrorBoxBytes = {
    // header
    0xC2, 0x00, 0xC8, 0x90,  // 0: style 0x90C800C2
    0x00, 0x00, 0x00, 0x00,  // 4: extended style
    0x03, 0x00,              // 8: 3 controls
    0x5A, 0x00,              // 10: x 90
    0x46, 0x00,              // 12: y 70
    0xDC, 0x00,              // 14: width 220
    0x55, 0x00,              // 16: height 85
    0x00, 0x00,              // 18: no menu
    0x00, 0x00,              // 20: standard class
    'D', 0, 'i', 0, 'a', 0, 'l', 0, 'o', 0, 'g', 0, 'T', 0, 'm', 0, 'p', 0, 0, 0,  // 22: title
    0x08, 0x00,                                                                    // 42: 8 pt
    'M', 0, 'S', 0, ' ', 0, 'S', 0, 'a', 0, 'n', 0, 's', 0, ' ', 0,                // 44: font
    'S', 0, 'e', 0, 'r', 0, 'i', 0, 'f', 0, 0, 0,                                  // ends at 72
    // record 1, icon, at 72
    0x03, 0x00, 0x00, 0x50,  // style 0x50000003
    0x00, 0x00, 0x00, 0x00,  // extended style
    0x08, 0x00, 0x09, 0x00, 0x12, 0x00, 0x14, 0x00,  // 8, 9, 18 x 20
    0x64, 0x00,                                      // ID 100
    0xFF, 0xFF, 0x82, 0x00,                          // static
    ' ', 0, 0, 0,                                    // " "
    0x00, 0x00,                                      // no creation data; ends at 100
    // record 2, message text, at 100
    0x00, 0x00, 0x00, 0x50,  // style 0x50000000
    0x00, 0x00, 0x00, 0x00,
    0x25, 0x00, 0x08, 0x00, 0xAF, 0x00, 0x32, 0x00,  // 37, 8, 175 x 50
    0x65, 0x00,                                      // ID 101
    0xFF, 0xFF, 0x82, 0x00,                          // static
    ' ', 0, 0, 0,
    0x00, 0x00,  // ends at 128
    // record 3, OK button, at 128
    0x01, 0x00, 0x00, 0x50,  // style 0x50000001
    0x00, 0x00, 0x00, 0x00,
    0x5B, 0x00, 0x41, 0x00, 0x24, 0x00, 0x0E, 0x00,  // 91, 65, 36 x 14
    0x01, 0x00,                                      // ID 1
    0xFF, 0xFF, 0x80, 0x00,                          // button
    'O', 0, 'K', 0, 0, 0,
    0x00, 0x00,  // ends at 158
};

// The records from 128 on for set 2, by hand.
const Bytes YesNoButtonBytes = {
    // record 3, Yes, at 128
    0x01, 0x00, 0x00, 0x50, 0x00, 0x00, 0x00, 0x00,
    0x45, 0x00, 0x41, 0x00, 0x24, 0x00, 0x0E, 0x00,  // 69, 65, 36 x 14
    0x06, 0x00, 0xFF, 0xFF, 0x80, 0x00,              // ID 6, button
    '&', 0, 'Y', 0, 'e', 0, 's', 0, 0, 0, 0x00, 0x00,  // ends at 162
    0x00, 0x00,                                        // padding
    // record 4, No, at 164
    0x00, 0x00, 0x00, 0x50, 0x00, 0x00, 0x00, 0x00,
    0x73, 0x00, 0x41, 0x00, 0x24, 0x00, 0x0E, 0x00,  // 115, 65, 36 x 14
    0x07, 0x00, 0xFF, 0xFF, 0x80, 0x00,              // ID 7, button
    '&', 0, 'N', 0, 'o', 0, 0, 0, 0x00, 0x00,        // ends at 196
};

// The records from 128 on for set 3 and above, by hand.
const Bytes YesNoCancelButtonBytes = {
    // record 3, Yes, at 128
    0x01, 0x00, 0x00, 0x50, 0x00, 0x00, 0x00, 0x00,
    0x2E, 0x00, 0x41, 0x00, 0x24, 0x00, 0x0E, 0x00,  // 46, 65, 36 x 14
    0x06, 0x00, 0xFF, 0xFF, 0x80, 0x00,
    '&', 0, 'Y', 0, 'e', 0, 's', 0, 0, 0, 0x00, 0x00,
    0x00, 0x00,  // padding
    // record 4, No, at 164
    0x00, 0x00, 0x00, 0x50, 0x00, 0x00, 0x00, 0x00,
    0x5C, 0x00, 0x41, 0x00, 0x24, 0x00, 0x0E, 0x00,  // 92, 65, 36 x 14
    0x07, 0x00, 0xFF, 0xFF, 0x80, 0x00,
    '&', 0, 'N', 0, 'o', 0, 0, 0, 0x00, 0x00,
    // record 5, Cancel, at 196
    0x00, 0x00, 0x00, 0x50, 0x00, 0x00, 0x00, 0x00,
    0x8A, 0x00, 0x41, 0x00, 0x24, 0x00, 0x0E, 0x00,  // 138, 65, 36 x 14
    0x02, 0x00, 0xFF, 0xFF, 0x80, 0x00,              // ID 2, button
    '&', 0, 'C', 0, 'a', 0, 'n', 0, 'c', 0, 'e', 0, 'l', 0, 0, 0, 0x00, 0x00,  // ends at 236
};

Bytes WithButtons(std::uint8_t controls, const Bytes& buttons) {
  Bytes bytes;
  for (std::size_t i = 0; i < 128; ++i) bytes.push_back(ErrorBoxBytes[i]);
  for (const std::uint8_t byte : buttons) bytes.push_back(byte);
  bytes[8] = controls;
  return bytes;
}

TEST(BoxTemplateTest, HandWrittenLayoutsHaveTheComputedSizes) {
  ASSERT_EQ(ErrorBoxBytes.size(), 158u);
  ASSERT_EQ(YesNoButtonBytes.size(), 196u - 128u);
  ASSERT_EQ(YesNoCancelButtonBytes.size(), 236u - 128u);
}

TEST(BoxTemplateTest, ErrorBoxSetIsByteExact) {
  const auto layout = BuildBoxTemplate(0);
  ASSERT_NE(layout, nullptr);
  EXPECT_EQ(layout->size, 158u);
  EXPECT_EQ(Used(*layout), ErrorBoxBytes);
}

TEST(BoxTemplateTest, WarningBoxSetIsTheSameSingleOkLayout) {
  EXPECT_EQ(Build(1), ErrorBoxBytes);
}

TEST(BoxTemplateTest, YesNoSetIsByteExact) {
  const auto layout = BuildBoxTemplate(2);
  ASSERT_NE(layout, nullptr);
  EXPECT_EQ(layout->size, 196u);
  EXPECT_EQ(Used(*layout), WithButtons(4, YesNoButtonBytes));
}

TEST(BoxTemplateTest, YesNoCancelSetIsByteExact) {
  const auto layout = BuildBoxTemplate(3);
  ASSERT_NE(layout, nullptr);
  EXPECT_EQ(layout->size, 236u);
  EXPECT_EQ(Used(*layout), WithButtons(5, YesNoCancelButtonBytes));
}

TEST(BoxTemplateTest, SetsAboveThreeAreTheYesNoCancelLayout) {
  EXPECT_EQ(Build(7), WithButtons(5, YesNoCancelButtonBytes));
  EXPECT_EQ(Build(7), Build(3));
}

TEST(BoxTemplateTest, TheBlockIs2048BytesAndZeroBeyondTheLayout) {
  for (const int set : {0, 1, 2, 3, 7}) {
    const auto layout = BuildBoxTemplate(set);
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(layout->bytes.size(), 2048u);
    for (std::size_t i = layout->size; i < layout->bytes.size(); ++i) {
      ASSERT_EQ(layout->bytes[i], 0) << "set " << set << " offset " << i;
    }
  }
}

TEST(BoxTemplateTest, HeaderFieldsAtTheirOffsets) {
  const Bytes bytes = Build(0);
  EXPECT_EQ(FieldU32(bytes, 0), 0x90C800C2u);
  EXPECT_EQ(FieldU32(bytes, 4), 0u);
  EXPECT_EQ(FieldU16(bytes, 8), 3u);
  EXPECT_EQ(FieldU16(bytes, 10), 90u);
  EXPECT_EQ(FieldU16(bytes, 12), 70u);
  EXPECT_EQ(FieldU16(bytes, 14), 220u);
  EXPECT_EQ(FieldU16(bytes, 16), 85u);
  EXPECT_EQ(FieldU16(bytes, 18), 0u);
  EXPECT_EQ(FieldU16(bytes, 20), 0u);
  std::size_t at = 22;
  EXPECT_EQ(Wide(bytes, at), "DialogTmp");
  EXPECT_EQ(at, 42u);
  EXPECT_EQ(FieldU16(bytes, 42), 8u);
  at = 44;
  EXPECT_EQ(Wide(bytes, at), "MS Sans Serif");
  EXPECT_EQ(at, 72u);  // already on a 4-byte boundary: no padding
}

TEST(BoxTemplateTest, ControlCountPerSet) {
  EXPECT_EQ(FieldU16(Build(0), 8), 3u);
  EXPECT_EQ(FieldU16(Build(1), 8), 3u);
  EXPECT_EQ(FieldU16(Build(2), 8), 4u);
  EXPECT_EQ(FieldU16(Build(3), 8), 5u);
  EXPECT_EQ(FieldU16(Build(7), 8), 5u);
}

struct Control {
  std::uint32_t style, extendedStyle;
  unsigned x, y, width, height, id, classMarker, classAtom;
  std::string text;
  unsigned creationData;
  bool operator==(const Control&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Control& c) {
  return out << std::hex << c.style << " " << c.extendedStyle << std::dec << " " << c.x << ","
             << c.y << " " << c.width << "x" << c.height << " id " << c.id << std::hex << " class "
             << c.classMarker << ":" << c.classAtom << std::dec << " '" << c.text << "' "
             << c.creationData;
}

// Walks the records the way the platform reads them; each must start on a
// 4-byte boundary after the previous one, and the last must end the layout.
std::vector<Control> Controls(const Bytes& bytes) {
  std::vector<Control> controls;
  std::size_t at = 72;
  for (unsigned i = 0; i < FieldU16(bytes, 8); ++i) {
    while (at % 4 != 0) {
      EXPECT_EQ(bytes.at(at), 0) << "padding at " << at;
      ++at;
    }
    Control c;
    c.style = FieldU32(bytes, at);
    c.extendedStyle = FieldU32(bytes, at + 4);
    c.x = FieldU16(bytes, at + 8);
    c.y = FieldU16(bytes, at + 10);
    c.width = FieldU16(bytes, at + 12);
    c.height = FieldU16(bytes, at + 14);
    c.id = FieldU16(bytes, at + 16);
    c.classMarker = FieldU16(bytes, at + 18);
    c.classAtom = FieldU16(bytes, at + 20);
    at += 22;
    c.text = Wide(bytes, at);
    c.creationData = FieldU16(bytes, at);
    at += 2;
    controls.push_back(c);
  }
  EXPECT_EQ(at, bytes.size());
  return controls;
}

const Control Icon = {0x50000003, 0, 8, 9, 18, 20, 100, 0xFFFF, 0x0082, " ", 0};
const Control Message = {0x50000000, 0, 37, 8, 175, 50, 101, 0xFFFF, 0x0082, " ", 0};

Control Button(std::uint32_t style, unsigned x, unsigned id, const char* text) {
  return {style, 0, x, 65, 36, 14, id, 0xFFFF, 0x0080, text, 0};
}

TEST(BoxTemplateTest, RecordsOfTheSingleOkSets) {
  const std::vector<Control> expected = {Icon, Message, Button(0x50000001, 91, 1, "OK")};
  EXPECT_EQ(Controls(Build(0)), expected);
  EXPECT_EQ(Controls(Build(1)), expected);
}

TEST(BoxTemplateTest, RecordsOfTheYesNoSet) {
  const std::vector<Control> expected = {Icon, Message, Button(0x50000001, 69, 6, "&Yes"),
                                         Button(0x50000000, 115, 7, "&No")};
  EXPECT_EQ(Controls(Build(2)), expected);
}

TEST(BoxTemplateTest, RecordsOfTheYesNoCancelSets) {
  const std::vector<Control> expected = {Icon, Message, Button(0x50000001, 46, 6, "&Yes"),
                                         Button(0x50000000, 92, 7, "&No"),
                                         Button(0x50000000, 138, 2, "&Cancel")};
  EXPECT_EQ(Controls(Build(3)), expected);
  EXPECT_EQ(Controls(Build(7)), expected);
}

TEST(BoxTemplateTest, EachBuildIsAFreshBlock) {
  const auto first = BuildBoxTemplate(3);
  const auto second = BuildBoxTemplate(0);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first.get(), second.get());
  EXPECT_EQ(Used(*second), ErrorBoxBytes);
  for (std::size_t i = second->size; i < second->bytes.size(); ++i) ASSERT_EQ(second->bytes[i], 0);
}

}  // namespace
