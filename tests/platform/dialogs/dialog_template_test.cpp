#include "platform/qt/dialog_template.h"

#include <gtest/gtest.h>

#include <random>

#include "support/box_template.h"
#include "template_writer.h"

namespace {

using platform::ParseDialogTemplate;

std::vector<std::uint8_t> ErrorBoxLayout() {
  const auto layout = BuildBoxTemplate(0);
  return {layout->bytes.begin(), layout->bytes.begin() + static_cast<std::ptrdiff_t>(layout->size)};
}

// A dialog that uses every form a field can take.
std::vector<std::uint8_t> EveryFieldForm() {
  TemplateWriter out;
  out.Dword(DialogStyle | 0x40).Dword(0x100).Word(3);
  out.Word(static_cast<std::uint16_t>(-5)).Word(7).Word(200).Word(120);
  out.Ordinal(42);  // menu by number
  out.String(u"KVaneDialog");  // class by name
  out.String(u"Fleet Orders");
  out.Word(10).String(u"Courier");
  out.Control(StaticClass, Shown | 3, 4, 5, 18, 20, 300, u"");
  out.ControlStart(Shown | TabStop, 10, 30, 60, 12, 301).String(u"Edit").Ordinal(7).Word(0);
  out.ControlStart(Shown, 10, 50, 60, 40, 302).Ordinal(ListBoxClass).String(u"").Word(3);
  out.Word(0x0201).Word(0x03);  // three creation bytes and one of padding
  return std::vector<std::uint8_t>(out.bytes().begin(), out.bytes().end() - 1);
}

TEST(DialogTemplate, ReadsTheGamesErrorBox) {
  const auto dialog = ParseDialogTemplate(ErrorBoxLayout());
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->style, 0x90C800C2u);
  EXPECT_EQ(dialog->x, 90);
  EXPECT_EQ(dialog->y, 70);
  EXPECT_EQ(dialog->width, 220);
  EXPECT_EQ(dialog->height, 85);
  EXPECT_FALSE(dialog->menu.ordinal);
  EXPECT_TRUE(dialog->menu.name.empty());
  EXPECT_EQ(dialog->title, u"DialogTmp");
  EXPECT_EQ(dialog->fontPointSize, 8);
  EXPECT_EQ(dialog->fontFace, u"MS Sans Serif");
  ASSERT_EQ(dialog->controls.size(), 3u);

  const auto& icon = dialog->controls[0];
  EXPECT_EQ(icon.id, 100);
  EXPECT_EQ(icon.controlClass.ordinal, 0x82);
  EXPECT_EQ(icon.style, 0x50000003u);
  EXPECT_EQ(icon.x, 8);
  EXPECT_EQ(icon.y, 9);
  EXPECT_EQ(icon.width, 18);
  EXPECT_EQ(icon.height, 20);

  const auto& text = dialog->controls[1];
  EXPECT_EQ(text.id, 101);
  EXPECT_EQ(text.x, 37);
  EXPECT_EQ(text.width, 175);
  EXPECT_EQ(text.height, 50);

  const auto& ok = dialog->controls[2];
  EXPECT_EQ(ok.id, 1);
  EXPECT_EQ(ok.controlClass.ordinal, 0x80);
  EXPECT_EQ(ok.style & 0x0F, 1u);
  EXPECT_EQ(ok.text.name, u"OK");
  EXPECT_EQ(ok.x, 91);
  EXPECT_EQ(ok.y, 65);
}

TEST(DialogTemplate, ReadsOrdinalsNamesSignedPlacesAndCreationData) {
  const auto dialog = ParseDialogTemplate(EveryFieldForm());
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->extendedStyle, 0x100u);
  EXPECT_EQ(dialog->x, -5);
  EXPECT_EQ(dialog->menu.ordinal, 42);
  EXPECT_EQ(dialog->windowClass.name, u"KVaneDialog");
  EXPECT_EQ(dialog->title, u"Fleet Orders");
  EXPECT_EQ(dialog->fontPointSize, 10);
  EXPECT_EQ(dialog->fontFace, u"Courier");
  ASSERT_EQ(dialog->controls.size(), 3u);
  EXPECT_EQ(dialog->controls[0].text.name, u"");
  EXPECT_FALSE(dialog->controls[0].text.ordinal);
  EXPECT_EQ(dialog->controls[1].controlClass.name, u"Edit");
  EXPECT_FALSE(dialog->controls[1].controlClass.ordinal);
  EXPECT_EQ(dialog->controls[1].text.ordinal, 7);
  EXPECT_EQ(dialog->controls[1].style, Shown | TabStop);
  EXPECT_EQ(dialog->controls[2].controlClass.ordinal, ListBoxClass);
  EXPECT_EQ(dialog->controls[2].creationData, (std::vector<std::uint8_t>{0x01, 0x02, 0x03}));
}

TEST(DialogTemplate, WithoutTheFontStyleHasNoFontFields) {
  TemplateWriter out;
  out.Header(DialogStyle, 1, 0, 0, 100, 50, u"Plain", 0);
  out.Control(ButtonClass, Shown, 5, 5, 40, 14, 1, u"OK");
  const auto dialog = ParseDialogTemplate(out.bytes());
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(dialog->fontPointSize);
  ASSERT_EQ(dialog->controls.size(), 1u);
  EXPECT_EQ(dialog->controls[0].text.name, u"OK");
}

TEST(DialogTemplate, AControlStartsOnTheNextFourByteBoundary) {
  // Titles of odd length put the first control at 2 bytes past a boundary.
  for (const std::u16string title : {u"", u"A", u"AB", u"ABC"}) {
    TemplateWriter out;
    out.Header(DialogStyle, 1, 0, 0, 100, 50, title, 0);
    out.Control(ButtonClass, Shown, 5, 6, 40, 14, 9, u"Go");
    const auto dialog = ParseDialogTemplate(out.bytes());
    ASSERT_TRUE(dialog) << "title length " << title.size();
    ASSERT_EQ(dialog->controls.size(), 1u);
    EXPECT_EQ(dialog->controls[0].id, 9);
    EXPECT_EQ(dialog->controls[0].y, 6);
    EXPECT_EQ(dialog->controls[0].text.name, u"Go");
  }
}

TEST(DialogTemplate, RefusesEveryCutShortTemplate) {
  for (const auto& whole : {ErrorBoxLayout(), EveryFieldForm()}) {
    ASSERT_TRUE(ParseDialogTemplate(whole));
    for (std::size_t size = 0; size < whole.size(); ++size) {
      // A copy of exactly `size` bytes, so that a read past it is caught.
      const std::vector<std::uint8_t> cut(whole.begin(),
                                          whole.begin() + static_cast<std::ptrdiff_t>(size));
      EXPECT_FALSE(ParseDialogTemplate(cut)) << "cut at " << size << " of " << whole.size();
    }
  }
}

TEST(DialogTemplate, RefusesMalformedTemplates) {
  // More controls announced than written.
  TemplateWriter tooFew;
  tooFew.Header(DialogStyle, 2, 0, 0, 100, 50, u"Two", 0);
  tooFew.Control(ButtonClass, Shown, 5, 5, 40, 14, 1, u"OK");
  EXPECT_FALSE(ParseDialogTemplate(tooFew.bytes()));

  // A title that never ends.
  TemplateWriter endless;
  endless.Dword(DialogStyle).Dword(0).Word(0).Word(0).Word(0).Word(10).Word(10).Word(0).Word(0);
  endless.Word(u'T').Word(u'i');
  EXPECT_FALSE(ParseDialogTemplate(endless.bytes()));

  // Creation data longer than what is left.
  TemplateWriter longData;
  longData.Header(DialogStyle, 1, 0, 0, 100, 50, u"Data", 0);
  longData.ControlStart(Shown, 1, 1, 1, 1, 1).Ordinal(ButtonClass).String(u"X").Word(40).Word(0);
  EXPECT_FALSE(ParseDialogTemplate(longData.bytes()));

  // The extended form, even when what follows would read as a classic one.
  std::vector<std::uint8_t> extended = ErrorBoxLayout();
  extended[0] = 1;
  extended[1] = 0;
  extended[2] = 0xFF;
  extended[3] = 0xFF;
  EXPECT_FALSE(ParseDialogTemplate(extended));

  EXPECT_FALSE(ParseDialogTemplate({}));
}

TEST(DialogTemplate, SurvivesRandomDamage) {
  // Whatever it concludes, the parser stays inside the bytes it is given;
  // the sanitizer build is what catches a read beyond them.
  std::mt19937 random(20240611);
  const std::vector<std::uint8_t> original = EveryFieldForm();
  int refused = 0;
  for (int round = 0; round < 4000; ++round) {
    std::vector<std::uint8_t> damaged = original;
    const int hits = 1 + static_cast<int>(random() % 4);
    for (int hit = 0; hit < hits; ++hit) {
      damaged[random() % damaged.size()] = static_cast<std::uint8_t>(random());
    }
    damaged.resize(random() % (damaged.size() + 1));
    const auto dialog = ParseDialogTemplate(damaged);
    if (!dialog) {
      ++refused;
      continue;
    }
    for (const auto& control : dialog->controls)
      EXPECT_LE(control.creationData.size(), damaged.size());
  }
  EXPECT_GT(refused, 0);
}

}  // namespace
