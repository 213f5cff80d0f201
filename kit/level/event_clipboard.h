// The level editor's event clipboard: a reference to a live event of the current level, not a
// copy, so later edits of the source show in later pastes. The one routine that releases an
// event (ReleaseEvent) empties it when it names the released record, so a paste never reads
// a freed record.
#pragma once

#include <cstdint>

struct EventRecord;

extern const EventRecord* EventClipboard;  // null when empty
extern uint32_t EventClipboardValid;       // 1 while a paste may read EventClipboard
extern int16_t EventClipboardType;         // the copied event's type; -1 when empty

void CopyEventToClipboard(const EventRecord& event);
void EmptyEventClipboard();
// Empties the clipboard when it names that record, which is about to be released.
void ForgetClipboardEvent(const EventRecord* released);
// A new record on square (x, y) with the type, words and texts of the clipboard's event; 1
// when pasted. Nothing when the clipboard is empty or the square already holds an event.
int PasteEvent(int16_t x, int16_t y);
