#include "support/item_text.h"

#include "platform/dialog_items.h"
#include "support/catalogue.h"
#include "support/text_format.h"

void SetItemString(platform::Window* dialog, int item, const Message& message) {
  if (const std::optional<std::string> text = CatalogueLine(message))
    platform::SetItemText(dialog, item, text->c_str());
}

void SetItemFormat(platform::Window* dialog, int item, std::string_view format,
                   std::span<const TextArgument> arguments) {
  platform::SetItemText(dialog, item, FormatText(format, arguments, LineTextLimit).c_str());
}
