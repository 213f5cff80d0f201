// The monsters' turn: which monsters of the window act, in which order, and what each does.
#pragma once

#include <cstdint>

// The encounter whose blow is on screen (drawn in its attack pose); -1 none.
extern int16_t StrikingEncounter;

struct TurnEntry {
    int16_t x, y;       // the anchor square; x -1 marks an empty entry
    int16_t encounter;  // the monster listed there: another one on the square later is not it
};
// The monsters that noticed the hero this turn, column by column from the left.
extern TurnEntry MonsterTurnList[50];

// Every monster of the window acts; force makes slow monsters move every turn.
void RunMonsterTurns(uint32_t force);
// One monster's turn; (x, y) is its anchor square.
void MonsterAct(int16_t x, int16_t y, int16_t encounter, uint32_t force);
// 1 when the monster used its power this turn (20 percent of turns, once in its life).
uint32_t TryMonsterPower(int16_t monster, int16_t x, int16_t y, int16_t encounter, int16_t adjacent);
// One step toward the hero, by the monster's speed.
void MaybeMoveMonster(int16_t monster, int16_t x, int16_t y, int16_t encounter, uint32_t force);
// 1 when window square (i, j) is seen this turn.
uint32_t IsWindowCellVisible(int16_t i, int16_t j);
// The monster without a path strikes every barrier on the ring of its footprint; 1 when it
// struck at least one.
uint32_t AttackAdjacentBarriers(int16_t x, int16_t y, int16_t encounter, int16_t monster);
// The monster of encounter strikes the barrier on map square (bx, by).
void AttackBarrier(int16_t bx, int16_t by, int16_t encounter, int16_t monster);
