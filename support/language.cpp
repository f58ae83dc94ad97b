#include "support/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace kestravane {

namespace {

// Where the build puts the translations, kestravane_<language>.qm.
const QString TranslationsFolder = QStringLiteral(":/i18n");
const QString GamePrefix = QStringLiteral("kestravane_");

}  // namespace

Language::Language(const QLocale& locale) {
  if (game_.load(locale, QStringLiteral("kestravane"), QStringLiteral("_"), TranslationsFolder)) Install();
}

Language::Language(const QString& name) {
  if (game_.load(GamePrefix + name, TranslationsFolder)) Install();
}

void Language::Install() {
  QCoreApplication::installTranslator(&game_);
  // Qt's catalogue is split by module; qtbase holds the words of the widgets the game uses.
  if (qt_.load(QStringLiteral("qtbase_") + game_.language(), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&qt_);
}

Language::~Language() {
  QCoreApplication::removeTranslator(&qt_);
  QCoreApplication::removeTranslator(&game_);
}

QString Language::Name() const { return game_.isEmpty() ? QStringLiteral("en") : game_.language(); }

QStringList TranslatedLanguages() {
  QStringList languages;
  for (const QString& file : QDir(TranslationsFolder).entryList({GamePrefix + QStringLiteral("*.qm")}, QDir::Files))
    languages.append(file.mid(GamePrefix.size()).chopped(3));
  return languages;
}

}  // namespace kestravane
