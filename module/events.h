// The event kinds the default module uses, each made from the words its handler reads. A
// word not named keeps the default that the event editor gives a new event of the type.
#pragma once

#include <array>
#include <cstdint>

#include "data/square_kinds.h"
#include "level_plan.h"

// Flag comparisons and assignments as events and scripts number them.
constexpr int16_t kAbove = 0, kBelow = 1, kAtLeast = 2, kAtMost = 3, kNotEqual = 4, kEqual = 5;
constexpr int16_t kSet = 0, kAdd = 1, kSubtract = 2;

// A flag condition; a flag below 1 means none (always true).
struct Cond {
    int16_t flag = -1, op = kAbove, value = -1;
};
// A flag change; a flag below 1 changes nothing.
struct Change {
    int16_t flag = -1, op = kSet, value = 0;
};
// Dice: count, sides, bonus.
struct Dice {
    int16_t count = 0, sides = 0, bonus = 0;
};
// One thing handed out by a loot slot, a shop line or a script: item, power X and count Y.
struct Loot {
    int16_t item = -1, x = 0, y = 0;
};

// Texts and signs.
Event PushText(int16_t tile, int16_t npc = -1, Change then = {});
Event StepText(Cond active, Change then, int16_t xp = 0, int16_t quest = -1, int16_t questState = 0);
Event Runes(std::array<int16_t, 5> symbols, int16_t tile);
Event Heraldry(int16_t sign, int16_t tile);
Event Trigger(Cond active, Change first, int16_t sound, int16_t score, Change second = {});

// Doors. Door kinds: 0 wooden, 1 reinforced, 2 stone, 3 iron, 5 portcullis, 6 grate.
constexpr int16_t kDoorOpen = 0, kDoorClosed = 2, kDoorLocked = 3;
Event SimpleDoor(int16_t kind);
Event ComplexDoor(int16_t kind, int16_t state, int16_t strength, int16_t pickLocks, int16_t key, int16_t statusFlag);
Event SecretDoor(int16_t wallTile, int16_t perception, int16_t statusFlag);

// Travel.
Event Portal(Cond live, int16_t picture, int16_t level, int16_t x, int16_t y);
Event MagicPortal(Cond live, int16_t picture, int16_t level, int16_t x, int16_t y);
Event Pit(int16_t spotSkill, Dice fall, int16_t spottedFlag, int16_t level, int16_t x, int16_t y, int16_t climbAgility);
Event PitBottom(int16_t spottedFlag, int16_t level, int16_t x, int16_t y, int16_t climbAgility);
// A paid ride to up to five places, each offered while its flag is 1. Text[0] names the places
// one a line; Text[1] is what is said while none is offered.
struct CoachStop {
    int16_t flag = -1, cost = 0, level = -1, x = 0, y = 0;
};
Event Coach(int16_t npc, std::array<CoachStop, 5> stops);

// Things to take.
Event OneItem(Cond live, int16_t slotFlag, Loot loot, int16_t tile);
Event ItemsCache(int16_t firstSlotFlag, std::array<Loot, 6> loot, int16_t tile);
// Chest kinds 0 locked, 1 closed and trapped; traps are `TrapKind`s.
Event LockedChest(int16_t strength, int16_t pickLocks, int16_t key, int16_t statusFlag, int16_t firstSlotFlag,
                  std::array<Loot, 6> loot, int16_t look);
Event TrappedChest(int16_t trap, Dice damage, int16_t dodge, int16_t findSkill, int16_t statusFlag,
                   int16_t firstSlotFlag, std::array<Loot, 6> loot, int16_t look);
Event Prise(int16_t trap, Dice damage, int16_t trapFlag, int16_t firstSlotFlag, std::array<Loot, 3> gems,
            int16_t findSkill, int16_t dodge);
Event Smash(int16_t kind, int16_t brokenFlag, int16_t slotFlag = -1, Loot loot = {});
Event Pantry(int16_t tile);
// A fountain, altar or throne: use 0 drink, 1 touch; effect 0 heals; a status flag of -1
// never wears out. Text[1] line 9 names the object.
Event StatPlus(int16_t use, int16_t effect, int16_t amount, int16_t statusFlag, int16_t tile);

// People and monsters.
Event Talk(int16_t script, int16_t npc, Cond active = {});
Event StepScript(int16_t script, Cond active = {});
Event Monster(int16_t monster, int16_t statusFlag, int16_t facing = 0, Change killed = {});
Event Wilderness(Cond active, int16_t chance, std::array<int16_t, 3> monsters, std::array<int16_t, 3> fewest,
                 std::array<int16_t, 3> most, int16_t flee, Change victory = {}, Change flight = {});

// Town services.
Event Shop(int16_t npc, std::array<Loot, 8> stock, int16_t costPercent, int16_t buysGems);
Event Inn(int16_t npc, int16_t roomCost);
Event Bank(int16_t npc);
Event Vault(int16_t npc, int16_t rent, int16_t vault);
Event Temple(int16_t npc);
Event Trainer(int16_t npc, int16_t maxSkill, int16_t kind);
Event Seer(int16_t npc, int16_t female);

// Dungeon devices.
Event TrapOnFloor(int16_t kind, Dice damage, int16_t sprungFlag, int16_t dodge);
Event PressurePad(int16_t padFlag);
// Switch kinds: 0 lever, 1 button, 4 valve. Switched on, the target flag is set to 1; off, -1.
Event Switch(int16_t kind, int16_t statusFlag, int16_t targetFlag);
// A wall that stands while the condition holds; a grate lets the light through.
Event ToggleWall(Cond stands, int16_t tile, int16_t lightPasses = 0);
Event Boulder(int16_t tile);
// A cracked wall that a strong hero smashes; its flag is 1 once broken.
Event CrackedWall(int16_t strength, int16_t statusFlag);
