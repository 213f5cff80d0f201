#include "data/game_state.h"
#include "quests.h"

void SetQuestState(int16_t q, int16_t s) {
    if (q >= 0 && q < 200) GameState.QuestStates[q] = s;
}
