// The fuzz targets that play the game: a level and a save of any bytes restored, drawn and
// played through the headless back end, and levels whose events and scripts are any bytes.
// Shared by the targets and the corpus test; each run starts from the program's state at
// start-up, so an input plays the same in both.
#pragma once

#include <cstdint>
#include <span>

namespace fuzz {

// The world every input changes, made current as a restore makes it: the tables of a few items
// and monsters, level 1 (a walled room with monsters of every size) loaded from its file, and
// a hero of level 3 on it with weapons, armour and a backpack of things.
void EnterPlayWorld();

// Input: a count byte and that many moves (at most 48), then overlays until the end, each
// {u8 target, u16 offset, u8 length, bytes}. The target's low two bits pick what is damaged:
// 0 the level image, 1 the save, 2 a monster record or another of the module's files (options,
// quest texts, forge, books, ...), 3 an item record of the world; the rest picks the part (a
// layer, the encounter list, the backpack, ..., the record or the file), and the offset falls
// inside it. The tables load as their files would, the level is written as the
// save's level, the save restored onto it (the base save when it is refused), then the moves
// are played, the last one Ctrl+Q. A move byte's low four bits pick the action, the high
// four its detail: 0..3 steps (then Enter, 1, Esc or Y as the detail's bits say), 4 a wait,
// 5 a right-click on the view, 6 a click of either button on a page of the hero screen, 7 a
// backpack item taken up and used, 8 Ctrl+F, 9 the hero box, the bow or a wand aimed at a
// square, 10 Tab, 11 the map, 12 a power of Activate Skill aimed at a square, 13 a rest,
// 14 the journal, 15 a click on the side panel. Returns 0 when a property is broken; the
// sanitizers and the watchdog catch the rest.
bool CheckPlayInput(std::span<const uint8_t> data);

// Input: a byte n, then n + 1 events (at most 16), each {u16 length, that many leading bytes of
// its record, the rest zero}, placed on row 10 at x = 3, 5, 7, ...; a byte s, then the level
// file's script part for slots 0..s-1 (at most 30). The hero stands west of each event square
// in turn and steps onto it; every question is answered with its first choice.
bool CheckEventInput(std::span<const uint8_t> data);

}  // namespace fuzz
