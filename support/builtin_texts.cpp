#include "support/builtin_texts.h"

#include <algorithm>
#include <iterator>

namespace kestravane {

namespace {

struct BuiltinText {
  unsigned id;
  const char* text;
};

// Callers name these texts by their IDs, so a text that goes away leaves a
// gap rather than moving the ones after it.
constexpr BuiltinText Texts[] = {
    {60000, "Ready ..."},
    {60010, "%s(LoadBitmap): Error detected loading specified picture (ID:%u)\r\rCode %d"},
    {60014, "%s(LoadIcon): Error detected loading icon resource (ID:%u)\r\rCode %d"},
    {60017, "%s(FindResource): Error detected finding %s resource (ID:%u)\r\rCode %d"},
    {60026, "File: %s\r\rError detected creating this disk file\r\rCode %d"},
    {60027, "File: %s\r\rError detected opening this disk file\r\rCode %d"},
    {60030, "File: %s\r\rError detected rewinding this disk file\r\rCode %d"},
    {60032, "File: %s\r\rError detected reading header from this disk file\r\rCode %d"},
    {60036, "File: %s\r\rError detected writing header signature to this disk file\r\rCode %d"},
    {60040, "File: %s\r\rError detected flushing buffers for this disk file\r\rCode %d"},
    {60042, "File: %s\r\rError detected closing this disk file\r\rCode %d"},
    {60043, "File: %s\r\rInvalid file header signature detected. This\rdocument was not created by %s"},
    {60066, "Options saved"},
    {60093, "File: %s\r\rError detected reading %s data from disk\rCode %d"},
    {60094, "File: %s\r\rError detected writing %s data to disk\rCode %d"},
    {60096, "OFF"},
    {60097, "ON"},
    {60098, "File: %s\rName: %s\r\rError detected renaming this disk file\rCode %d"},
};

}  // namespace

const char* FindBuiltinText(unsigned id) {
  const auto found = std::ranges::find(Texts, id, &BuiltinText::id);
  return found == std::end(Texts) ? nullptr : found->text;
}

}  // namespace kestravane
