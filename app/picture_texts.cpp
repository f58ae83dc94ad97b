#include "app/picture_texts.h"

#include <QStringList>

#include "display/result_panel.h"
#include "support/catalogue.h"

namespace kestravane {

namespace {

#include "resources/page_words.inc"

// The page's words in reading order, each piece a sentence of its own.
QString Read(const QStringList& pieces) {
  QStringList sentences;
  for (const QString& piece : pieces) {
    const bool ended = piece.endsWith(u'.') || piece.endsWith(u'!') || piece.endsWith(u':');
    sentences << (ended ? piece : piece + u'.');
  }
  return sentences.join(u' ');
}

QString KeysPage() {
  QStringList sections;
  for (const PageKeys& section : KeysSections) {
    QStringList keys;
    for (int key = 0; key < section.count; ++key)
      keys << QStringLiteral("%1, %2").arg(QString::fromUtf8(section.keys[key].key), Tr(section.keys[key].does));
    sections << QStringLiteral("%1: %2").arg(Tr(section.system), keys.join(QStringLiteral("; ")));
  }
  return Read({Tr(Text::PageGameName), Tr(Text::KeysHeading), sections.join(QStringLiteral(". "))});
}

QString PageText(ScannerPicture picture) {
  switch (picture) {
    case ScannerPicture::Rules: {
      QStringList groups;
      for (const auto& [direction, axis] : RulesCaptions)
        groups << QStringLiteral("%1, %2").arg(Tr(direction), Tr(axis));
      return Read({Tr(Text::PageGameName), Tr(Text::RulesHeading),
                   Tr(Text::RulesGroups) + u' ' + groups.join(QStringLiteral("; ")), Tr(Text::RulesAttack),
                   Tr(Text::RulesAim)});
    }
    case ScannerPicture::Keys: return KeysPage();
    case ScannerPicture::Mission:
      return Read({Tr(Text::PageGameName), Tr(Text::MissionHeading), Tr(Text::MissionSituation),
                   Tr(Text::MissionInvasion), Tr(Text::MissionOrders), Tr(Text::MissionSeek), Tr(Text::MissionWish),
                   Tr(Text::MissionSender)});
    case ScannerPicture::Victory:
      return Read({Tr(Text::PageGameName), Tr(Text::VictoryHeading), Tr(Text::VictoryCheer), Tr(Text::VictoryText)});
    case ScannerPicture::Defeat:
      return Read({Tr(Text::PageGameName), Tr(Text::DefeatHeading), Tr(Text::DefeatWarning), Tr(Text::DefeatText)});
    case ScannerPicture::None: break;
  }
  return Read({Tr(Text::PageGameName), Tr(Text::TitleHeading), Tr(Text::TitleVersion), Tr(Text::TitleGoal),
               Tr(Text::TitleCopyright), Tr(Text::TitleSharing), Tr(Text::TitleStart)});
}

}  // namespace

QString PictureText(const Session& session) {
  if (SectorShown(session)) return {};
  const QString page = PageText(session.Picture);
  const std::optional<ResultTexts> result = ShownResult(session);
  if (!result) return page;
  QStringList lines = result->Lines();
  // The heading reads as what the figures after it are.
  lines.front() += u':';
  return page + u' ' + Read(lines);
}

}  // namespace kestravane
