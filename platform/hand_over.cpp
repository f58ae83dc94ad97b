#include "platform/hand_over.h"

#include <algorithm>

namespace kestravane::platform {
namespace {

constexpr std::string_view ComeForwardLine = "come forward\n";

}  // namespace

std::string HandOverRequest(std::string_view document) {
  std::string request(ComeForwardLine);
  request += document;
  request += '\0';
  return request;
}

HandOver ReadHandOver(std::string_view received, bool ended) {
  using Decision = HandOver::Decision;
  const std::size_t compared = std::min(received.size(), ComeForwardLine.size());
  if (received.substr(0, compared) != ComeForwardLine.substr(0, compared)) return {Decision::Refused, {}};
  if (received.size() < ComeForwardLine.size()) return {ended ? Decision::Refused : Decision::Waiting, {}};
  const std::size_t end = received.find('\0', ComeForwardLine.size());
  if (end < LongestHandOver) return {Decision::ComeForward, std::string(received.substr(compared, end - compared))};
  // A request without its end, from an older copy or too long to hold a
  // path, only brings the copy forward.
  if (end == std::string_view::npos && !ended && received.size() < LongestHandOver) return {Decision::Waiting, {}};
  return {Decision::ComeForward, {}};
}

}  // namespace kestravane::platform
