// The names of the hero's statistics, skills, sexes, saves, elements and tattoos, shared by
// every screen that shows them. An index that comes from a file or a record is read through
// NameAt, which gives an empty name outside the table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Combat .. Perception, in BaseStats order.
inline constexpr std::array<std::string_view, 7> StatNames{
    "Combat", "Strength", "Endurance", "Agility", "Dexterity", "Willpower", "Perception"};

// Their short forms, as the skill lists name a skill's Capstat.
inline constexpr std::array<std::string_view, 7> StatShortNames{"Com", "Str", "End", "Agi", "Dex", "Wil", "Per"};

// Armsmaster .. Targeteer, in BaseSkills order.
inline constexpr std::array<std::string_view, 12> SkillNames{
    "Armsmaster",   "Auras",  "Curse",   "Critical Hit", "Disarm Traps", "Dual Weapons",
    "Gemlore",      "Pick Locks", "Prayer", "Resilience", "Stealth",     "Targeteer"};

// By HeroSex.
inline constexpr std::array<std::string_view, 2> SexNames{"Male", "Female"};

// Mind and Body in Saves order; "Soul" has no save of its own.
inline constexpr std::array<std::string_view, 3> SaveNames{"Mind", "Body", "Soul"};

// Acid, Cold, Elect, Fire in Resists order (0..3). Callers that number the elements from 1
// pass element - 1.
inline constexpr std::array<std::string_view, 4> ElementNames{"Acid", "Cold", "Elect", "Fire"};

// By tattoo 0..9; the last has no tattoo behind it.
inline constexpr std::array<std::string_view, 10> TattooNames{
    "Hawk tattoo",     "Owl tattoo",   "Phoenix tattoo", "Bear tattoo", "Troll tattoo",
    "Basilisk tattoo", "Shark tattoo", "Dolphin tattoo", "Eel tattoo",  "XXX"};

template <size_t N>
constexpr std::string_view NameAt(const std::array<std::string_view, N>& names, int32_t index) {
    return index >= 0 && size_t(index) < N ? names[size_t(index)] : std::string_view();
}
