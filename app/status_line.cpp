#include "app/status_line.h"

#include "platform/status_line.h"
#include "support/catalogue.h"

void ShowStatus(const Message& message) {
  if (!platform::StatusLineVisible()) return;
  if (const std::optional<std::string> line = CatalogueLine(message)) platform::SetStatusText(line->c_str());
}
