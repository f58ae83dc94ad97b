#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "support/catalogue.h"
#include "support/text_format.h"

namespace kestravane {

// What the main window's labels say, as a paint of the board leaves it. A
// text a paint did not set, or that the catalogue could not give, is empty:
// its label keeps what it showed before.
struct BoardTexts {
  std::optional<std::string> ScanLabel;
  std::optional<std::string> WeaponsReadout;
  std::optional<std::string> MissileCount;
  std::optional<std::string> EnginesReadout;
  std::optional<std::string> FuelCount;
  std::optional<std::string> ScannerReadout;
  std::optional<std::string> SectorShips;
  std::optional<std::string> SectorDestroyed;
  std::optional<std::string> SectorRemaining;
  std::optional<std::string> ShipsRemaining;
  std::optional<std::string> KillRatio;
};

// A label's text from a literal printf-style format.
template <typename... Values>
std::string LabelText(std::string_view format, Values... values) {
  const TextArgument arguments[] = {TextArgument(values)..., TextArgument(0)};
  return FormatText(format, std::span<const TextArgument>(arguments, sizeof...(Values)), LineTextLimit);
}

}  // namespace kestravane
