// Until the quests are built: the chain's rule over the active list as it stands.
#include <algorithm>

#include "data/game_state.h"
#include "script/quests.h"

void AdvanceQuestChain(int16_t questA, int16_t questB) {
    const int16_t count = std::clamp<int16_t>(GameState.ActiveQuestCount, 0, 200);
    if (std::find(GameState.ActiveQuests, GameState.ActiveQuests + count, questA) == GameState.ActiveQuests + count)
        return;
    if (questA > 0) SetQuestState(questA, 2);
    if (questB > 0) SetQuestState(questB, 1);
}
