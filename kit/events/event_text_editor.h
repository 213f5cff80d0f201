// The editor of an event's two ten-line texts.
#pragma once

#include <cstdint>

// Edits text t (0 or 1) of the event on (x, y) until "Done" (D, Esc), showing `lines` lines
// (10, or 9 where line 9 holds a value of its own, which the line tools then leave alone).
void EditEventText(int16_t x, int16_t y, int16_t t, int16_t lines);
// Mode 0 edits a clicked line, 1 inserts a blank line there, 2 deletes it. Flips.
void DrawEventTextEditor(int16_t x, int16_t y, int16_t t, int16_t mode, int16_t lines);
// Line `line` of the shown lines opened (insert) or closed (delete); the lines below move
// by one within the shown lines. Both set the mode back to 0.
void InsertEventTextLine(int16_t x, int16_t y, int16_t t, int16_t line, int16_t lines, int16_t& mode);
void DeleteEventTextLine(int16_t x, int16_t y, int16_t t, int16_t line, int16_t lines, int16_t& mode);
