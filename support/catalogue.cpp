#include "support/catalogue.h"

#include "support/message_box.h"

namespace kestravane {
namespace {

std::optional<std::string> ShownOrBoxed(LookedUp text) {
  if (std::string* found = std::get_if<std::string>(&text)) return std::move(*found);
  ErrorBoxText("%s", std::get<MissingText>(text).report.c_str());
  return std::nullopt;
}

}  // namespace

std::optional<std::string> CatalogueText(Text id) { return ShownOrBoxed(LookUpText(id)); }

std::optional<std::string> CatalogueMessage(const Message& message, std::size_t limit) {
  return ShownOrBoxed(LookUpMessage(message, limit));
}

}  // namespace kestravane
