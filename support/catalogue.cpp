#include "support/catalogue.h"

#include <QCoreApplication>

namespace kestravane {

namespace {

QString Lines(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

// The text's format in the player's language. Without a translation Qt hands
// back the English it was asked for, and English then counts its own way.
QString Format(Text text, std::optional<int> count) {
  const TextSource& source = SourceOf(text);
  if (!count) return QCoreApplication::translate(source.context, source.english);
  const QString translated = QCoreApplication::translate(source.context, source.english, nullptr, *count);
  const QString untranslated = QString::fromUtf8(source.english).replace(QStringLiteral("%n"), QString::number(*count));
  if (translated != untranslated || *count != 1) return translated;
  return QString::fromUtf8(source.englishForOne).replace(QStringLiteral("%n"), QString::number(*count));
}

}  // namespace

QString Tr(Text text) { return Lines(Format(text, std::nullopt)); }

QString Tr(const Message& message, std::size_t limit) {
  std::vector<TextArgument> values = message.Arguments;
  for (TextArgument& value : values)
    if (const Text* word = std::get_if<Text>(&value)) value = Tr(*word).toStdString();
  const std::string format = Format(message.Id, CountOf(message)).toStdString();
  return Lines(QString::fromStdString(FormatText(format, values, limit)));
}

QString WithoutMnemonic(const QString& text) { return QString(text).remove(QLatin1Char('&')); }

}  // namespace kestravane
