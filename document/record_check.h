#pragma once

#include "document/game_file_format.h"

namespace kestravane {

// A document can be damaged or made by hand. These say whether what it holds
// is a game the engine can play without leaving its 9 x 9 x 9 tables...

bool RecordPlayable(const GameRecord& record);
bool StarFieldsPlayable(const QuadrantGrid& grid);

// ...and whether its parts agree as they do in every game the program saves,
// from the first move to the last: the grid is the truth, and the record's
// counts and the scan log's reports are derived from it.

// Sixty ships, every struck and enemy mark 0 or 1.
bool MarksPlayable(const QuadrantGrid& grid);
// The record counts sixty ships and one kill for each struck ship.
bool CountsMatchGrid(const GameRecord& record, const QuadrantGrid& grid);
// A sector never scanned reports nothing; a scanned one reports its ships and
// kills as they stand, since every kill updates the scanned sectors through it.
bool ScanLogMatchesGrid(const ScanLog& log, const QuadrantGrid& grid);

}  // namespace kestravane
