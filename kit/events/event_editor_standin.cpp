// Until the event editor is built: a message naming the event.
#include "event_editor.h"

#include <string>

#include "data/level.h"
#include "platform/message_boxes.h"

void RunEventEditor(int16_t x, int16_t y, uint32_t&) {
    const EventRecord* event = EventAt(x, y);
    if (!event) return;
    ShowMessage(210, 175, "Event " + std::to_string(event->Word[0]) + " is here;", "its editor is not built yet.");
}
