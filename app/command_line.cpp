#include "app/command_line.h"

#include <cerrno>
#include <cstring>

#include "support/message_box.h"

void DocumentFromCommandLine(const std::string& text, AppSettings& settings) {
  if (text.empty()) return;
  std::string path = text;
  StripChar(path.data(), '"', '\0');
  path.resize(std::strlen(path.c_str()));
  // A shortened path would name some other file; refuse it whole instead.
  if (path.size() >= FileSpecSize) {
    ErrorBox(Text::OpenFailed, path, ENAMETOOLONG);
    return;
  }

  settings.FileSpec.fill('\0');
  std::memcpy(settings.FileSpec.data(), path.data(), path.size());
  settings.OpenAtStart = true;
}

char* StripChar(char* text, char drop, char replacement) {
  char* out = text;
  for (const char* in = text; *in; ++in) {
    if (*in != drop)
      *out++ = *in;
    else if (replacement)
      *out++ = replacement;
  }
  *out = '\0';
  return text;
}
