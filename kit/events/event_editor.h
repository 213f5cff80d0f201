// The event editor frame: the window in which the event on one square is edited through the
// dialog of its type, with "Erase" and "Done".
#pragma once

#include <cstdint>

// The page the CHEST EVENT dialog shows (0 or 1); 0 each time the frame opens.
extern int16_t ChestEditorPage;

// Edits the event on square (x, y) in place until the author leaves; returns at once when
// the square holds none. "Erase" frees the event and empties the level editor's clipboard,
// whose valid flag comes by reference.
void RunEventEditor(int16_t x, int16_t y, uint32_t& clipValid);
// The whole frame with the dialog of `type` for square (x, y); flips when asked. A number
// that is no event type leaves the window empty.
void DrawEventEditor(int16_t x, int16_t y, int16_t type, uint32_t flip);
// 1 for the 13 types whose window is seven pieces wider.
int IsWideEventType(int16_t type);
