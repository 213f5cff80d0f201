// The module's objective pages (title button Objective).
#pragma once

#include <cstdint>

constexpr int16_t kObjectivePages = 10;
constexpr int16_t kObjectivePageLines = 11;

void ShowIntroPages();
// Page 1..10; lastPage is the number of pages shown.
void DrawIntroPage(int16_t page, int16_t lastPage);
// The pages whose first line is not empty, up to the first that is; at least 1.
int16_t CountIntroPages();
