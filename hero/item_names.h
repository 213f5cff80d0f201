// The shown name of an item instance, and the names the description panel uses.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// Room for the longest shown name (the record's 31 characters and its suffix) and the zero.
constexpr size_t kItemNameSize = 53;

// Writes the shown name, zero-terminated and cut to the buffer. An item number outside the
// table gives an empty name.
void ItemDisplayName(int16_t item, int16_t x, int16_t y, uint32_t curseKnown, std::span<char> name);

// The monster type names 0..18 of the slayer line; an empty view outside the table.
std::string_view MonsterTypeName(int32_t type);
