#include "support/message_box.h"

#include <QApplication>
#include <string>

#include "platform/message_box.h"
#include "platform/window.h"
#include "support/box_layouts.h"
#include "support/catalogue.h"
#include "support/text_format.h"

namespace {

// The first ")", ":", " " becomes ")" and two carriage returns, so that
// "Routine(Call): description" shows the description after an empty line.
void BreakAfterFailedCall(std::string& text) {
  const std::size_t found = text.find("): ");
  if (found != std::string::npos) text.replace(found + 1, 2, "\r\r");
}

// Error and warning boxes have the one OK button. Returns false.
bool RunBox(platform::Window* owner, platform::BoxIcon icon, const std::string& caption, const std::string& text) {
  platform::RunBox(owner, OkBoxLayout, icon, caption.c_str(), text.c_str());
  return false;
}

bool ShowErrorText(std::string text) {
  BreakAfterFailedCall(text);
  return RunBox(platform::OwnerWindow(QApplication::activeWindow()), platform::BoxIcon::Error, "Error", text);
}

}  // namespace

bool ErrorBox(const Message& message) {
  const std::optional<std::string> text = CatalogueMessage(message, BoxTextLimit);
  if (!text) return false;
  return ShowErrorText(*text);
}

bool ErrorBoxText(std::string_view format, std::span<const TextArgument> arguments) {
  return ShowErrorText(FormatText(format, arguments, BoxTextLimit));
}

bool WarningBox(QWidget* owner, Text caption, const Message& message) {
  const std::optional<std::string> captionText = CatalogueText(caption);
  if (!captionText) return false;
  const std::optional<std::string> text = CatalogueMessage(message, BoxTextLimit);
  if (!text) return false;
  return RunBox(platform::OwnerWindow(owner), platform::BoxIcon::Warning, *captionText, *text);
}
