#include "kit/events/level_records.h"

#include <initializer_list>
#include <memory>

#include "data/level.h"
#include "kit/level/event_clipboard.h"

namespace {

struct TypeDefault {
    int16_t type;
    int16_t word;
    int16_t value;
};

// The only non-zero starting words of any type.
constexpr TypeDefault kTypeDefaults[] = {
    {1226, 7, -1},  {1226, 8, -1},  {1226, 13, -1}, {1226, 14, -1}, {1226, 19, -1}, {1226, 20, -1},  // push text
    {1227, 8, -1},  {1227, 14, -1}, {1227, 20, -1}, {1227, 22, -1},                                  // step text
    {1230, 10, -1},                                                                                  // rune
    {1231, 10, -1},                                                                                  // hieroglyph
    {1234, 4, 2},   {1234, 5, 130},                                                                  // complex door
    {1235, 1, 80},  {1235, 2, 1},                                                                    // secret door
    {1238, 4, -1},  {1238, 5, -1},  {1238, 6, -1},  {1238, 7, -1},  {1238, 8, -1},  {1238, 9, -1},   // module access
    {1242, 4, 130},                                                                                  // chest
    {1246, 6, -1},  {1246, 9, -1},  {1246, 10, -1},                                                  // script
    {1248, 29, 100},                                                                                 // shop
    {1249, 5, 5},                                                                                    // inn
    {1253, 5, 10},                                                                                   // train
    {1258, 11, -1},                                                                                  // trigger
    {1266, 1, 163}, {1266, 2, 1},                                                                    // crack
    {1272, 11, 500},                                                                                 // stat plus
};

}  // namespace

void ReleaseEvent(int16_t x, int16_t y) {
    if (!OnMap(x, y)) return;
    const int square = x * 50 + y;
    ForgetClipboardEvent(EventGrid[size_t(square)].get());
    EventGrid[size_t(square)].reset();
    CurrentLevel.EventGrid[square] = 0;
}

void CreateEvent(int16_t x, int16_t y, int16_t type) {
    if (!OnMap(x, y)) return;
    ReleaseEvent(x, y);
    auto event = std::make_unique<EventRecord>();  // every word 0, every text line empty
    event->Word[0] = type;
    for (const TypeDefault& d : kTypeDefaults) {
        if (d.type == type) event->Word[d.word] = d.value;
    }
    const int square = x * 50 + y;
    EventGrid[square] = std::move(event);
    CurrentLevel.EventGrid[square] = 1;
}

void FreeLevelEventsAndScripts(int16_t mode) {
    if (mode == 0 || mode == 2) {
        for (int16_t x = 0; x < 50; ++x) {
            for (int16_t y = 0; y < 50; ++y) ReleaseEvent(x, y);
        }
    }
    if (mode == 0 || mode == 1) {
        for (int s = 0; s < kScriptSlots; ++s) {
            ScriptTable[s].reset();  // its line texts go with it
            CurrentLevel.ScriptTable[s] = 0;
        }
    }
}
