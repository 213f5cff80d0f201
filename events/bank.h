// The bank.
#pragma once

#include <cstdint>

// Bump handlers (the dispatcher's shape).
void RunBankEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
