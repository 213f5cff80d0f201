#include "quests.h"

#include <algorithm>
#include <string>

#include "data/campaign_tables.h"
#include "data/game_state.h"
#include "data/text_field.h"
#include "script_codes.h"

namespace {

bool ValidQuest(int16_t q) { return q >= 0 && q < kQuestCount; }

// The entries in use, never more than the list holds.
int16_t UsedEntries(int16_t count) { return std::clamp<int16_t>(count, 0, kQuestCount); }

bool IsActiveListed(int16_t q) {
    const int16_t* list = GameState.ActiveQuests;
    const int16_t* end = list + UsedEntries(GameState.ActiveQuestCount);
    return std::find(list, end, q) != end;
}

}  // namespace

void SetQuestState(int16_t q, int16_t s) {
    if (!ValidQuest(q)) return;
    const int16_t old = GameState.QuestStates[q];
    GameState.QuestStates[q] = s;
    if (old == s) return;
    if (s == 1 && (old == 0 || old == 2 || old == 3)) AddActiveQuest(q);
    else if (old == 0 && s == 2) AddAward(q);
    else if (old == 1 && (s == 0 || s == 2 || s == 3)) RemoveActiveQuest(q, s);
}

void AddActiveQuest(int16_t q) {
    const int16_t n = UsedEntries(GameState.ActiveQuestCount);
    if (n >= kQuestCount) return;
    GameState.ActiveQuests[n] = q;
    GameState.ActiveQuestCount = int16_t(n + 1);
}

void AddAward(int16_t q) {
    if (!ValidQuest(q) || QuestTextTable[size_t(q)].HasAward == 0) return;
    const int16_t n = UsedEntries(GameState.AwardCount);
    if (n >= kQuestCount) return;
    GameState.Awards[n] = q;
    GameState.AwardCount = int16_t(n + 1);
}

void RemoveActiveQuest(int16_t q, int16_t newState) {
    if (newState == 2) AddAward(q);
    int16_t* list = GameState.ActiveQuests;
    const int16_t n = UsedEntries(GameState.ActiveQuestCount);
    int16_t* at = std::find(list, list + n, q);
    if (at == list + n) return;
    std::copy(at + 1, list + n, at);
    list[n - 1] = -1;
    GameState.ActiveQuestCount = int16_t(n - 1);
}

void AdvanceQuestChain(int16_t questA, int16_t questB) {
    if (!IsActiveListed(questA)) return;
    if (questA > 0) SetQuestState(questA, 2);
    if (questB > 0) SetQuestState(questB, 1);
}

void SetQuestCode(ScriptRun& run) {
    const auto op = LineOperands(run);
    const int16_t q = op[0], s = op[1];
    if (!ValidQuest(q)) return;
    if (GameState.QuestStates[q] == s) {
        SetQuestState(q, s);
        return;
    }
    switch (s) {
        case 1: AppendReport("<New quest added to log!>"); break;
        case 2: AppendReport("<Quest Completed!>"); break;
        case 3: AppendReport("<Quest Aborted: " + std::string(FieldText(QuestTextTable[size_t(q)].Line[0])) + "!>"); break;
        default: return;
    }
    SetQuestState(q, s);
}
