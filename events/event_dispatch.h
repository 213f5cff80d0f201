// From an event square to its handler: the table of the 82 event types and the bump dispatch.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// How an event type acts: bumped in any form, bumped in human form only, stepped on, turned
// into an encounter at level entry, after a rest, by an item used on its square, or not at all
// (a picture of the map view).
enum EventTrigger : uint8_t { kBumpAny, kBumpHuman, kStepOn, kEntry, kRestOn, kUseOn, kNoTrigger };

// A bump handler: (x, y) the square, (dx, dy) the step; result starts at 1 (the hero may enter)
// and is set to 0 when he stays.
using BumpHandler = void (*)(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);

struct EventType {
    int16_t number;  // also the tile the level editor paints
    std::string_view name;
    EventTrigger trigger;
    uint8_t head;         // words 1..3 are the activation condition
    BumpHandler handler;  // null for the types that are not bumped
};

constexpr size_t kEventTypeCount = 82;
// In order of number.
extern const std::array<EventType, kEventTypeCount> EventTypes;
// The type of that number, or null when it is none.
const EventType* FindEventType(int16_t number);

// The hero bumps into (x, y) coming by (dx, dy); 1 when he may enter, 0 when he stays.
int RunSquareEvent(int16_t x, int16_t y, int16_t dx, int16_t dy);
// The SCRIPT EVENTs of a large NPC whose other squares the hero bumped; 1 when he may move on,
// 0 once a script ran that keeps him.
int RunAdjacentScriptEvents(int16_t x, int16_t y, int16_t dx, int16_t dy);
