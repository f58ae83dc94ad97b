#include "display/result_panel.h"

#include <algorithm>
#include <iterator>

#include "support/catalogue.h"

namespace kestravane {

namespace {

QString DifficultyName(Difficulty difficulty) { return WithoutMnemonic(Tr(DifficultyText(difficulty))); }

QString PlaceWords(const std::optional<ResultPlace>& place) {
  using Kind = ResultPlace::Kind;
  static constexpr Text Ordinals[] = {Text::Second,  Text::Third,  Text::Fourth, Text::Fifth, Text::Sixth,
                                      Text::Seventh, Text::Eighth, Text::Ninth,  Text::Tenth};
  switch (place ? place->kind : Kind::Unrecorded) {
    case Kind::Ranked:
      if (place->rank <= 1) return Tr(Text::ResultNewBest);
      return Tr(Text::ResultPlaced, Ordinals[std::min(place->rank, std::size(Ordinals) + 1) - 2]);
    case Kind::Assisted: return Tr(Text::ResultAssisted);
    case Kind::Lost: return Tr(Text::ResultLost);
    case Kind::Outside: return Tr(Text::ResultOutside);
    case Kind::Unrecorded: break;
  }
  return Tr(Text::ResultUnrecorded);
}

}  // namespace

QStringList ResultTexts::Lines() const { return {Heading, Universe, Difficulty, Ships, Missiles, Fuel, Time, Place}; }

std::optional<ResultTexts> ShownResult(const Session& session) {
  const bool endPage = session.Picture == ScannerPicture::Victory || session.Picture == ScannerPicture::Defeat;
  const GameHistory& history = session.History;
  if (!session.InProgress || !endPage || !history.Ended) return std::nullopt;
  return ResultTexts{
      .Heading = Tr(Text::ResultHeading),
      .Universe = history.Universe ? Tr(Text::ResultUniverse, *history.Universe) : Tr(Text::ResultUniverseUnknown),
      .Difficulty = Tr(Text::ResultDifficulty, DifficultyName(session.State.Difficulty).toStdString()),
      .Ships = Tr(Text::ResultShips, session.State.ShipsDestroyed),
      .Missiles = Tr(Text::ResultMissiles, history.MissilesFired),
      .Fuel = Tr(Text::ResultFuel, history.FuelUsed),
      .Time = Tr(Text::ResultTime, PlayTime(history.SecondsPlayed).toStdString()),
      .Place = PlaceWords(history.Place)};
}

QString ResultLine(const Session& session) {
  const GameHistory& history = session.History;
  if (!session.InProgress || !history.Ended) return {};
  const QString universe =
      history.Universe ? Tr(Text::ResultLineUniverse, *history.Universe) : Tr(Text::ResultLineNoUniverse);
  return Tr(MakeMessage(Text::ResultLine, universe.toStdString(),
                        DifficultyName(session.State.Difficulty).toStdString(),
                        history.Ended == GameEnd::Won ? Text::ResultWon : Text::ResultLostWord,
                        Tr(Text::ResultLineMissiles, history.MissilesFired).toStdString(), history.FuelUsed,
                        PlayTime(history.SecondsPlayed).toStdString()));
}

Text DifficultyText(Difficulty difficulty) {
  switch (difficulty) {
    case Difficulty::Easy: return Text::Easy;
    case Difficulty::Hard: return Text::Hard;
    case Difficulty::Normal: break;
  }
  return Text::Normal;
}

QString PlayTime(std::uint32_t seconds) {
  return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace kestravane
