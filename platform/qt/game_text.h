#pragma once

#include <QString>
#include <string>

namespace kestravane {

namespace platform {

// The game breaks lines with carriage returns, the way its catalogue was
// written; Qt breaks them with line feeds.
inline QString WithLineBreaks(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

// The game's texts are UTF-8.
inline QString FromGameText(const char* text) {
  return WithLineBreaks(QString::fromUtf8(text ? text : ""));
}

inline std::string ToGameText(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace platform

}  // namespace kestravane
