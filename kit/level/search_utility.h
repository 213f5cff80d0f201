// The search utility's screen: a search kind on a tab row, a range of levels and a value,
// the hits on the screen and their report file.
#pragma once

#include <cstdint>

#include "kit/level/level_search.h"

// Runs the search screen; editedLevel is reloaded when it ends.
void RunSearchUtility(int16_t editedLevel);
// count -1: no search has run, and no count is shown.
void DrawSearchUtility(int16_t mode, int16_t value, int32_t count, int16_t first, int16_t last,
                       const SearchResults& results, int16_t flip);
// The report file of modes 0..6; false when it could not be written (modes 7 and 8 have none).
bool DumpSearchReport(const SearchResults& results, int16_t mode, int16_t value);
// The tiles left unmarked, runs as "first-last", a page at a time: Space shows the next
// page (and closes the last), Esc closes.
void ShowFreeTiles(const TileMarks& used);
void DrawFreeTiles(const TileMarks& used, int32_t page);
