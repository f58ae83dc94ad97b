#include "app/picture_texts.h"

#include <QStringList>

namespace kestravane {

namespace {

#include "resources/page_words.inc"

// The page's words in reading order, each piece a sentence of its own.
QString Read(std::initializer_list<QString> pieces) {
  QStringList sentences;
  for (const QString& piece : pieces) {
    const bool ended = piece.endsWith(u'.') || piece.endsWith(u'!') || piece.endsWith(u':');
    sentences << (ended ? piece : piece + u'.');
  }
  return sentences.join(u' ');
}

QString W(const char* words) { return QString::fromUtf8(words); }

QString KeysPage() {
  QStringList sections;
  for (const PageKeys& section : KeysSections) {
    QStringList keys;
    for (int key = 0; key < section.count; ++key)
      keys << QStringLiteral("%1, %2").arg(W(section.keys[key][0]), W(section.keys[key][1]));
    sections << QStringLiteral("%1: %2").arg(W(section.system), keys.join(QStringLiteral("; ")));
  }
  return Read({W(GameName), W(KeysHeading), sections.join(QStringLiteral(". "))});
}

QString PageText(ScannerPicture picture) {
  switch (picture) {
    case ScannerPicture::Rules: {
      QStringList groups;
      for (const auto& [direction, axis] : RulesCaptions) groups << QStringLiteral("%1, %2").arg(W(direction), W(axis));
      return Read({W(GameName), W(RulesHeading), W(RulesGroups) + u' ' + groups.join(QStringLiteral("; ")),
                   W(RulesAttack), W(RulesAim)});
    }
    case ScannerPicture::Keys: return KeysPage();
    case ScannerPicture::Mission:
      return Read({W(GameName), W(MissionHeading), W(MissionSituation), W(MissionInvasion), W(MissionOrders),
                   W(MissionSeek), W(MissionWish), W(MissionSender)});
    case ScannerPicture::Victory: return Read({W(GameName), W(VictoryHeading), W(VictoryCheer), W(VictoryText)});
    case ScannerPicture::Defeat: return Read({W(GameName), W(DefeatHeading), W(DefeatWarning), W(DefeatText)});
    case ScannerPicture::None: break;
  }
  return Read({W(GameName), W(TitleHeading), W(TitleVersion), W(TitleGoal), W(TitleCopyright), W(TitleSharing),
               W(TitleStart)});
}

}  // namespace

QString PictureText(const Session& session) {
  if (SectorShown(session)) return {};
  return PageText(session.Picture);
}

}  // namespace kestravane
