// Events put straight into the level's grid, for tests that set a level up by hand.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <utility>

#include "data/level.h"

// A new event of that type on (x, y) with the given words, every other word 0.
inline EventRecord& PutEvent(int x, int y, int16_t type, std::initializer_list<std::pair<int, int16_t>> words = {}) {
    auto& slot = EventGrid[size_t(x * 50 + y)];
    slot = std::make_unique<EventRecord>();
    slot->Word[0] = type;
    for (auto [word, value] : words) slot->Word[word] = value;
    return *slot;
}
