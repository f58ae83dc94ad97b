#include "app/command_line.h"

#include <cerrno>
#include <cstring>

#include "support/message_box.h"

int DocumentFromCommandLine(const std::string& text, AppSettings* settings) {
  if (text.empty()) return 1;
  std::string path = text;
  StripChar(path.data(), '"', '\0');
  path.resize(std::strlen(path.c_str()));
  // A shortened path would name some other file; refuse it whole instead.
  if (path.size() >= FileSpecSize) {
    ErrorBox(60027, path.c_str(), ENAMETOOLONG);
    return 1;
  }

  settings->FileSpec.fill('\0');
  std::memcpy(settings->FileSpec.data(), path.data(), path.size());
  settings->OpenAtStart = 1;
  return 1;
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
