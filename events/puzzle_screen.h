// What the puzzle screens share: the play screen with its side panel under a scroll, and the
// exit button answering C or D by its label, and Esc.
#pragma once

#include <cstdint>
#include <string_view>

void DrawPuzzleBackground();
void DrawMediumScroll(int16_t x, int16_t y);
// The play screen, the medium scroll at (140, 63) and a title in the big font.
void DrawPuzzleHeading(std::string_view title);
// The 8-unit exit at (x, y): "Done" answers D, "Cancel" C; both Esc.
int PuzzleExitClicked(int16_t x, int16_t y, bool done);
