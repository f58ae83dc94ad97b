#pragma once

#include <QString>
#include <QStringList>

// Every text the game puts on its status line, in order. The line itself
// cannot tell: a label handed the text it already shows ignores it, so a
// message posted twice in a row would look like one. The test program is
// linked with the window system's SetStatusText wrapped (see CMakeLists.txt),
// and each text is recorded here on its way to the line.
inline QStringList& StatusTexts() {
  static QStringList texts;
  return texts;
}

extern "C" void __real__ZN8platform13SetStatusTextEPKc(const char* text);

extern "C" void __wrap__ZN8platform13SetStatusTextEPKc(const char* text) {
  StatusTexts() << QString::fromUtf8(text);
  __real__ZN8platform13SetStatusTextEPKc(text);
}
