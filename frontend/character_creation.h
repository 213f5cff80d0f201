// The four pages of character creation: sex, statistics, skills and name. Each Run function
// returns 1 when the player cancelled creation, 0 to go on.
#pragma once

#include <cstdint>

int RunCreationPage1();
int RunCreationPage2();
int RunCreationPage3();
int RunCreationPage4();
void DrawCreationPage1(uint32_t flip);
void DrawCreationPage2(uint32_t flip);
void DrawCreationPage3(uint32_t flip);
// The name page; always flips (text entry redraws it behind the field).
void DrawCreationPage4();
