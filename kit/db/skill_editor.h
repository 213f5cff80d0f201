// The skill bonus editor's screen (RunSkillEditor is declared with the other database
// editors).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

extern const std::array<std::string_view, 14> SkillPageLabels;
extern const std::array<std::string_view, 14> GemlorePowerLabels;
extern const std::array<std::string_view, 8> PrayerPowerLabels;
extern const std::array<std::string_view, 5> CursePowerLabels;

// Page -1 "Spend Skill Points", 0..11 a skill in SkillPageLabels order, 12 "Quest Skills";
// power indexes the page's power list where it has one. Flip 1 presents it.
void DrawSkillEditor(int16_t page, int16_t power, int16_t flip);
// The cells of one power, over the rest of the screen.
void DrawGemlorePowerTable(int16_t power);
void DrawPrayerPowerTable(int16_t power);
void DrawCursePowerTable(int16_t power);
