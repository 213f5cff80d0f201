// Quest states and the two lists beside them: the quests active now, in the order they
// became active, and the awards, in the order earned. A quest is in ActiveQuests exactly
// while its state is 1.
#pragma once

#include <cstdint>

constexpr int kQuestCount = 200;

// Quest 0..199 to state s (0 inactive, 1 active, 2 complete, 3 cancelled), the lists kept
// in step; a quest number outside the table changes nothing.
void SetQuestState(int16_t q, int16_t s);
// Appends to ActiveQuests while it has room.
void AddActiveQuest(int16_t q);
// Appends to Awards when the quest has an award and the list has room.
void AddAward(int16_t q);
// Takes the quest out of ActiveQuests, later entries moving up; completing (2) earns the
// award first.
void RemoveActiveQuest(int16_t q, int16_t newState);
// When questA is active: questA (above 0) complete, then questB (above 0) active.
void AdvanceQuestChain(int16_t questA, int16_t questB);
