#include "event_clipboard.h"

#include <memory>

#include "data/level.h"

const EventRecord* EventClipboard = nullptr;
uint32_t EventClipboardValid = 0;
int16_t EventClipboardType = -1;

void CopyEventToClipboard(const EventRecord& event) {
    EventClipboard = &event;
    EventClipboardValid = 1;
    EventClipboardType = event.Word[0];
}

void EmptyEventClipboard() {
    EventClipboard = nullptr;
    EventClipboardValid = 0;
    EventClipboardType = -1;
}

void ForgetClipboardEvent(const EventRecord* released) {
    if (released && released == EventClipboard) EmptyEventClipboard();
}

int PasteEvent(int16_t x, int16_t y) {
    if (!EventClipboardValid || !EventClipboard || !OnMap(x, y) || EventAt(x, y)) return 0;
    const int square = x * 50 + y;
    EventGrid[size_t(square)] = std::make_unique<EventRecord>(*EventClipboard);
    CurrentLevel.EventGrid[square] = 1;
    return 1;
}
