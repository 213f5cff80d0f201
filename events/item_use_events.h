// Events that want an item, a spell or a lens used on them.
#pragma once

#include <cstdint>

// Bump handlers (the dispatcher's shape).
void RunUseItemEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunUseLensEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunSwapItemEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunIfGotEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunUseSpellEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunBuriedCacheEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
void RunElementalDamageEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
