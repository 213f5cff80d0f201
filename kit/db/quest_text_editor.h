// The quest description editor's screen (RunQuestTextEditor is declared with the other
// database editors).
#pragma once

#include <cstdint>

// Quest 0..199; flip 1 presents it.
void DrawQuestTextEditor(int16_t quest, int16_t flip);
