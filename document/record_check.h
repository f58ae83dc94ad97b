#pragma once

#include "document/game_file_format.h"

// A document can be damaged or made by hand. These say whether what it holds
// is a game the engine can play without leaving its 9 x 9 x 9 tables.

bool RecordPlayable(const GameRecord& record);
bool StarFieldsPlayable(const QuadrantGrid& grid);
