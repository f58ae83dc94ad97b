#include "art_set.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTranslator>

#include "box_icons.h"
#include "desktop_icon.h"
#include "dialog_icons.h"
#include "fonts.h"
#include "pages.h"
#include "panel_icons.h"
#include "ships.h"
#include "sounds.h"
#include "star_fields.h"
#include "title_picture.h"

namespace kestravane::art {
namespace {

struct PictureDrawing {
  unsigned id;
  const char* label;
  IndexedImage (*draw)(QStringList& misfits);
};

constexpr PictureDrawing PicturesWithWords[] = {
    {1000, "title picture", TitlePicture},
    {5000, "title page", TitlePage},
    {5001, "game rules", GameRulesPage},
    {5002, "keyboard shortcuts", ShortcutsPage},
    {5003, "mission orders", MissionOrdersPage},
    {5004, "victory", VictoryPage},
    {5005, "defeat", DefeatPage},
};

// Draws the pictures with words in every language, the English ones first.
void AddPicturesWithWords(ArtSet& set, const QStringList& translations) {
  for (const PictureDrawing& picture : PicturesWithWords)
    set.bitmaps.push_back({picture.id, picture.label, picture.draw(set.misfits)});
  for (const QString& file : translations) {
    const QString language = QFileInfo(file).completeBaseName().section(u'_', 1);
    QTranslator translator;
    if (language.isEmpty() || !translator.load(file)) {
      set.misfits << file + ": not a translation of the game";
      continue;
    }
    UseFontsFor(language);
    for (const PictureDrawing& picture : PicturesWithWords) {
      QStringList misfits;
      // The picture in the language's lettering but still in English, to see
      // whether the translation changes it at all.
      const IndexedImage untranslated = picture.draw(misfits);
      QCoreApplication::installTranslator(&translator);
      misfits.clear();
      IndexedImage image = picture.draw(misfits);
      QCoreApplication::removeTranslator(&translator);
      for (const QString& misfit : misfits)
        set.misfits << QStringLiteral("%1 %2: %3").arg(language).arg(picture.id).arg(misfit);
      // A picture still all in English is left to the English one.
      if (image.pixels != untranslated.pixels)
        set.bitmaps.push_back({picture.id, picture.label, std::move(image), language.toStdString()});
    }
  }
  UseFontsFor({});
}

}  // namespace

ArtSet BuildArtSet(const QStringList& translations) {
  ArtSet set;
  set.icons = {
      {1000, "program", ProgramIcon()},
      {2200, "helm", HelmIcon()},
      {2300, "aim", AimIcon()},
      {2400, "scanner log", ScannerLogIcon()},
      {2525, "sound", SoundIcon()},
      {2550, "help", HelpIcon()},
      {5000, "map", MapIcon()},
      {5001, "wreck", DestroyedEnemyShip()},
      {5002, "Roder ship", LiveEnemyShip()},
      {5003, "engines", EnginesIcon()},
      {5300, "warning", WarningIcon()},
      {5500, "error", ErrorIcon()},
  };
  for (unsigned number = 1; number <= StarFieldCount; ++number) {
    set.icons.push_back({FirstStarFieldId + number - 1, "", StarField(number)});
  }
  AddPicturesWithWords(set, translations);
  set.sounds = {
      {2000, MissileLaunchSound()},
      {2001, EnginesEngagedSound()},
      {2002, ShipDestroyedSound()},
      {2003, WastedShotSound()},
  };
  for (const int size : DesktopIconSizes) set.desktopIcons.push_back({size, DesktopIcon(size)});
  return set;
}

}  // namespace kestravane::art
