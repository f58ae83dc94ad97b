#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "engine/session.h"

namespace kestravane {

// The finished game's figures as its victory or defeat page shows them.
struct ResultTexts {
  QString Heading;
  QString Universe;
  QString Difficulty;
  QString Ships;
  QString Missiles;
  QString Fuel;
  QString Time;
  QString Place;

  // In reading order.
  QStringList Lines() const;
};

// The result while the page of the game's end shows. None before the end,
// nor for a game whose end an older version saved, which kept no figures.
std::optional<ResultTexts> ShownResult(const Session& session);

// The finished game in one line to paste into a chat; empty before its end.
QString ResultLine(const Session& session);

// Minutes and seconds, "6:02".
QString PlayTime(std::uint32_t seconds);

// The difficulty's name, with the letter that marks it in a control.
Text DifficultyText(Difficulty difficulty);

}  // namespace kestravane
