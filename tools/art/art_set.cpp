#include "art_set.h"

#include <algorithm>

#include "box_icons.h"
#include "desktop_icon.h"
#include "dialog_icons.h"
#include "pages.h"
#include "panel_icons.h"
#include "ships.h"
#include "sounds.h"
#include "star_fields.h"
#include "title_picture.h"

namespace kestravane::art {

ArtSet BuildArtSet() {
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
  set.bitmaps = {
      {1000, "title picture", TitlePicture()},
      {5000, "title page", TitlePage()},
      {5001, "game rules", GameRulesPage()},
      {5002, "keyboard shortcuts", ShortcutsPage()},
      {5003, "mission orders", MissionOrdersPage()},
      {5004, "victory", VictoryPage()},
      {5005, "defeat", DefeatPage()},
  };
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
