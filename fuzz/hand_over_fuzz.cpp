// Feeds arbitrary bytes to the running copy as the request of a later start, arriving in pieces. Whatever the bytes,
// what they ask for is decided once the sender has gone, and a decision on the first pieces is the one all give; a
// document is a path short of the limit without a NUL byte; and the bytes sent as a path come through whole.

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "platform/hand_over.h"

using namespace kestravane::platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const HandOver whole = ReadHandOver(bytes, true);
  Check(whole.decision != HandOver::Decision::Waiting);
  Check(whole.document.size() < LongestHandOver && whole.document.find('\0') == std::string_view::npos);
  Check(whole.decision == HandOver::Decision::ComeForward || whole.document.empty());
  const std::size_t step = std::max<std::size_t>(1, size / 64);
  for (std::size_t cut = 0; cut <= size; cut += step) {
    const HandOver early = ReadHandOver(bytes.substr(0, cut), false);
    Check(early.decision == HandOver::Decision::Waiting || early == whole);
  }
  if (bytes.find('\0') == std::string_view::npos && HandOverRequest(bytes).size() <= LongestHandOver)
    Check(ReadHandOver(HandOverRequest(bytes), false) ==
          HandOver{HandOver::Decision::ComeForward, std::string(bytes)});
  return 0;
}
