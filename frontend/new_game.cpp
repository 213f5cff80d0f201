#include <algorithm>
#include <cstring>

#include "adventure/encounters.h"
#include "combat/monster_death.h"
#include "data/campaign_tables.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/save_slots.h"
#include "data/skill_bonus.h"
#include "data/text_field.h"
#include "frontend/character_creation.h"
#include "frontend/new_character.h"
#include "frontend/title.h"
#include "hero/give_item.h"
#include "platform/message_boxes.h"

namespace {

constexpr int16_t kQuestCount = 200;

// Fields named by their offsets in the block: every byte from first up to (not including) last.
void Fill(GameStateRecord& g, size_t first, size_t last, uint8_t byte) {
    std::memset(reinterpret_cast<uint8_t*>(&g) + first, byte, last - first);
}

template <class T, size_t N>
void FillAll(T (&array)[N], T value) {
    std::fill(std::begin(array), std::end(array), value);
}
template <class T, size_t N, size_t M>
void FillAll(T (&array)[M][N], T value) {
    for (auto& row : array) FillAll(row, value);
}

}  // namespace

void ResetGameState() {
    GameStateRecord& g = GameState;
    FillAll(g.HeroName, '\0');
    g.HeroSex = g.Score = g.FigureFacesRight = g.HeroFood = 0;
    g.HeroLevel = 1;
    g.StatPoints = SkillBonus.NewPcStatPoints;
    g.SkillPoints = SkillBonus.NewPcSkillPoints;
    g.HeroXp = 0;
    g.BankSavings = 0;
    g.HeroGold = 0;
    g.Reserved40 = 0;
    g.MeleeMode = 1;
    FillAll(g.BaseStats, int16_t{1});
    FillAll(g.Stats, int16_t{1});
    g.BaseStats[0] = g.Stats[0] = 5;
    g.CurrentTune = -1;
    for (int16_t* values : {g.BaseResists, g.Resists}) std::fill_n(values, 4, 0);
    for (int16_t* values : {g.BaseSaves, g.Saves}) std::fill_n(values, 2, 0);
    for (int16_t* values : {g.BaseSkills, g.Skills}) std::fill_n(values, 12, 0);
    g.HitPointsMax = g.HitPoints = g.EnergyMax = g.Energy = g.DamageReduction = 0;
    g.CompactHud = g.CurrentLevelNumber = g.HeroX = g.HeroY = g.Facing = 0;
    g.GameSpeed = 2;
    // The 24 condition words, ParalysisImmune .. ItemsStripped, and the 25 timed-effect words.
    Fill(g, offsetof(GameStateRecord, ParalysisImmune), offsetof(GameStateRecord, BlessTurns), 0);
    Fill(g, offsetof(GameStateRecord, BlessTurns), offsetof(GameStateRecord, PrayerCharges), 0);
    g.PrayerCharges = g.CurseCharges = 3;
    g.HeroForm = g.FormTurns = g.FormDefence = g.FormDR = 0;
    FillAll(g.FormDamage, int16_t{0});
    FillAll(g.Beacon, int16_t{-1});
    FillAll(g.BeaconName, '\0');
    g.Reserved144 = -23;
    g.Reserved354 = 5;
    g.ColdImmune = g.Shrunk = 0;
    for (ItemInstance& i : g.ItemInstances) {
        i.ItemNumber = i.X = i.Y = -1;
        i.CurseKnown = 0;
    }
    FillAll(g.Backpack, int16_t{-1});
    FillAll(g.BagOfHolding, int16_t{-1});
    FillAll(g.Vaults, int16_t{-1});
    FillAll(g.StashPiles, int16_t{-1});
    FillAll(g.CauldronGrid, int16_t{-1});
    FillAll(g.VaultOwned, 0u);
    FillAll(g.Tattoos, 0u);
    FillAll(g.PentaActive, 0u);
    FillAll(g.KnownRunes, 0u);
    FillAll(g.KnownHieroglyphs, 0u);
    FillAll(g.LoreKnown, 0u);
    FillAll(g.GembagCounts, int16_t{0});
    FillAll(g.NemesisStones, int16_t{0});
    FillAll(g.EquipSlots, int16_t{-1});
    FillAll(g.Keyring, int16_t{-1});
    for (PendingItem& p : g.PendingItems) p = {-1, -1, -1, -1, -1, -1};
    for (int32_t flag = 0; flag < kGameFlagCount; ++flag) SetGameFlag(flag, -1);
    FillAll(g.QuestStates, int16_t{0});
    FillAll(g.ActiveQuests, int16_t{-1});
    FillAll(g.Awards, int16_t{-1});
    g.ActiveQuestCount = g.AwardCount = 0;
    g.SidePanelMode = g.CurrentSaveSlot = 0;
    for (int16_t e = 0; e < kEncounterCount; ++e) ClearMonster(e);
    FillAll(g.MonsterGrid, int16_t{-1});
    FillAll(g.DamageFloor, int16_t{-1});
    g.HasBagOfHolding = 0;
    g.Reserved36904 = 0;
    for (DamageFloorTimer& t : g.DamageFloorTimers) t = {-1, -1, -1};
    for (int level = 0; level < kArenaLevel; ++level) FillAll(g.AutomapSeen[level], uint8_t{'U'});
    FillAll(g.AutomapSeen[kArenaLevel], uint8_t{'R'});
    FillAll(g.FigurinePlace, int16_t{-1});
    g.MagicFoodTurns = 0;
    g.Reserved370136 = g.CanDropQuestItems = g.Reserved370144 = 0;
    g.SaveBonus[0] = g.SaveBonus[1] = 0;
    g.HeroIsUndead = g.LostHpThisTurn = 0;
    g.PortalSightTurns = 0;
    g.RevivalPending = g.CarefulStep = 0;
    g.TimeLoopCountdown = g.TimeLoopSaveSlot = -1;
    for (MapNote& note : g.MapNotes) {
        note.Level = note.X = note.Y = -1;
        FillAll(note.Text, '\0');
    }
    g.StashGold = g.StashFood = g.FoodStepCounter = 0;
    g.ActiveAura = -1;
}

void SetStartingValues() {
    GameStateRecord& g = GameState;
    g.DamageReduction = int16_t(g.Stats[3] / 2);
    g.HitPointsMax = g.HitPoints = int16_t((g.Stats[2] + g.HeroLevel) * 5);
    g.EnergyMax = g.Energy = int16_t(g.Stats[2] * 500 + 2000);
    GiveItem(76, 0, 0, 0);
    GiveItem(187, 0, 0, 0);
    g.StatPoints = 0;
    g.BaseSaves[0] = g.Saves[0] = int16_t(g.Stats[5] * 4);
    g.BaseSaves[1] = g.Saves[1] = int16_t(g.Stats[2] * 4);
    g.CompactHud = 0;
    g.CurrentLevelNumber = GameIntro.StartLevel[0];
    g.HeroX = GameIntro.StartLevel[1];
    g.HeroY = GameIntro.StartLevel[2];
    // A quest number outside the table, as a damaged intro file may hold, is no quest.
    const int16_t quest = GameIntro.StartingQuest;
    if (quest >= 0 && quest < kQuestCount) {
        g.QuestStates[quest] = 1;
        g.ActiveQuests[g.ActiveQuestCount] = quest;
        g.ActiveQuestCount = 1;
    }
    g.PentaActive[0] = 1;
    g.DreamStage = 0;
    g.DreamCountdown = 5;
}

uint32_t CreateCharacter() {
    ResetGameState();
    for (int (*page)() : {RunCreationPage1, RunCreationPage2, RunCreationPage3, RunCreationPage4})
        if (page()) return 0;
    SetStartingValues();
    // The start level comes first: a hero who cannot start anywhere takes no slot.
    if (!OnMap(GameState.HeroX, GameState.HeroY)) {
        ShowMessage(210, 175, "  Start position is", "  off the map!");
        return 0;
    }
    if (!LoadLevel(GameState.CurrentLevelNumber, 0, 1)) return 0;
    if (!SaveNewCharacter()) {
        ShowMessage(210, 175, "  The new hero could", "  not be saved!");
        return 0;
    }
    PopulateEncounters();
    SaveGameToSlot(0, GameState.CurrentSaveSlot);
    return 1;
}

uint32_t NewCharacter() {
    LoadSaveList();
    int used = 0;
    for (int slot = 0; slot < kSaveSlots; ++slot) used += SaveList.SaveSlotUsed[slot] == 1 ? 1 : 0;
    if (used == kSaveSlots) {
        DrawTitleMenu();
        ShowMessage(210, 175, "  No Free Save Game Slots!", "");
        return 0;
    }
    return CreateCharacter();
}
