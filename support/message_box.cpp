#include "support/message_box.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/message_box.h"
#include "support/box_template.h"
#include "support/catalogue.h"

namespace {

using BoxText = std::array<char, BoxTextSize>;

constexpr int ErrorButtons = 0;
constexpr int WarningButtons = 1;

platform::Window* errorBoxOwner = nullptr;
void (*beforeBoxes)() = nullptr;

// The caption of the warning box being shown, library-wide.
std::array<char, 256> warningCaption{};

// Formats into `text`: at most BoxTextSize - 1 characters, always terminated.
void FormatBoxText(BoxText& text, const char* format, std::va_list args) {
  if (std::vsnprintf(text.data(), text.size(), format, args) < 0) text[0] = '\0';
}

// The first ")", ":", " " becomes ")" and two carriage returns, so that
// "Routine(Call): description" shows the description after an empty line.
void BreakAfterFailedCall(BoxText& text) {
  if (char* found = std::strstr(text.data(), "): ")) {
    found[1] = '\r';
    found[2] = '\r';
  }
}

// Runs a box laid out with `buttonSet`. Returns 0.
int RunBox(int buttonSet, platform::Window* owner, platform::BoxIcon icon, const char* caption,
           const char* text) {
  platform::RunBox(owner, BoxLayout(buttonSet), icon, caption, text);
  return 0;
}

void PrepareForBox() {
  if (beforeBoxes) beforeBoxes();
}

int ShowErrorText(BoxText& text) {
  BreakAfterFailedCall(text);
  PrepareForBox();
  return RunBox(ErrorButtons, errorBoxOwner, platform::BoxIcon::Error, "Error", text.data());
}

}  // namespace

int ErrorBox(unsigned id, ...) {
  std::array<char, CatalogueTextSize> format;
  if (GetString(format, id) == 0) return 0;

  BoxText text;
  std::va_list args;
  va_start(args, id);
  FormatBoxText(text, format.data(), args);
  va_end(args);
  return ShowErrorText(text);
}

int ErrorBoxText(const char* format, ...) {
  BoxText text;
  std::va_list args;
  va_start(args, format);
  FormatBoxText(text, format, args);
  va_end(args);
  return ShowErrorText(text);
}

int WarningBox(platform::Window* owner, unsigned captionId, unsigned textId, ...) {
  PrepareForBox();
  std::array<char, CatalogueTextSize> caption;
  if (GetString(caption, captionId) == 0) return 0;
  std::array<char, CatalogueTextSize> format;
  if (GetString(format, textId) == 0) return 0;

  BoxText text;
  std::va_list args;
  va_start(args, textId);
  FormatBoxText(text, format.data(), args);
  va_end(args);

  static_assert(sizeof(caption) <= sizeof(warningCaption));
  std::memcpy(warningCaption.data(), caption.data(), caption.size());
  return RunBox(WarningButtons, owner, platform::BoxIcon::Warning, warningCaption.data(),
                text.data());
}

void SetErrorBoxOwner(platform::Window* owner) { errorBoxOwner = owner; }

void SetBeforeBoxes(void (*prepare)()) { beforeBoxes = prepare; }
