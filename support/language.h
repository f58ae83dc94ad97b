#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace kestravane {

// The language the game speaks, as long as this object lives: the first of
// the locale's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG for the
// system's) that the game has been translated into, English when none is.
// Qt's own words, the file dialog's and the boxes' buttons, come in that same
// language, so that a player never reads two languages in one window.
class Language {
 public:
  explicit Language(const QLocale& locale = QLocale::system());
  // The language of that name, as TranslatedLanguages() gives it.
  explicit Language(const QString& name);
  ~Language();
  Language(const Language&) = delete;
  Language& operator=(const Language&) = delete;

  // The language's name as its translation is called ("de", "pt_BR"), or
  // "en" for the English the game is written in.
  QString Name() const;

 private:
  void Install();

  QTranslator game_;
  QTranslator qt_;
};

// The languages the game has been translated into, pseudo-language included,
// by the names Language::Name gives.
QStringList TranslatedLanguages();

}  // namespace kestravane
