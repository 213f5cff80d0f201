// The seer: the hero's score and the title it earns, free of charge.
#pragma once

#include <cstdint>
#include <string_view>

void RunSeerEvent(int16_t x, int16_t y, int16_t dx, int16_t dy, int& result);
// The reading page, the seer's sex 0 male, any other value female; closed by L, Enter or Esc.
void RunSeerReading(int16_t sex);
// The title after "dub thee" for a score of 10 and above.
std::string_view SeerTitle(int16_t score);
