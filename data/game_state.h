// The game state block: the hero and every part of the world a saved game keeps. A save
// file is this block byte for byte, so every field sits at a fixed offset.
#pragma once

#include <cstddef>
#include <cstdint>

// One item the hero owns; the grids and slots hold instance numbers.
struct ItemInstance {
    int16_t ItemNumber;  // -1 free
    int16_t X;           // power; negative = cursed
    int16_t Y;           // charges or second bonus
    int16_t Reserved6;
    uint32_t CurseKnown;
};
static_assert(sizeof(ItemInstance) == 12);
static_assert(offsetof(ItemInstance, X) == 2);
static_assert(offsetof(ItemInstance, Y) == 4);
static_assert(offsetof(ItemInstance, Reserved6) == 6);
static_assert(offsetof(ItemInstance, CurseKnown) == 8);

// An item a script promised while the backpack was full.
struct PendingItem {
    int16_t Level;  // -1 free entry
    int16_t X;
    int16_t Y;
    int16_t Item;
    int16_t Power;
    int16_t Charges;
};
static_assert(sizeof(PendingItem) == 12);
static_assert(offsetof(PendingItem, Item) == 6);
static_assert(offsetof(PendingItem, Charges) == 10);

struct DamageFloorTimer {
    int16_t X;
    int16_t Y;  // -1 free entry
    int16_t Turns;
};
static_assert(sizeof(DamageFloorTimer) == 6);
static_assert(offsetof(DamageFloorTimer, Turns) == 4);

struct MapNote {
    int16_t Level;  // -1 free entry
    int16_t X;      // pixels of the map screen
    int16_t Y;
    char Text[8];
};
static_assert(sizeof(MapNote) == 14);
static_assert(offsetof(MapNote, Y) == 4);
static_assert(offsetof(MapNote, Text) == 6);

// A monster, push object, boat or barrier of the current level.
struct Encounter {
    int16_t Kind;  // -1 free, 1 push object, 2 boat, 3 monster, 4 barrier
    int16_t Extra;
    int16_t Monster;
    int16_t Facing;  // 0 left, 3 right
    int16_t Hp;
    int16_t HpMax;
    int16_t KillFlag;
    int16_t KilledSetFlag;
    int16_t KilledSetOp;
    int16_t KilledSetValue;
    int16_t DormantFlag;
    int16_t DormantOp;
    int16_t DormantValue;
    int16_t AttackPenalty;
    int16_t WeakenPercent;
    int16_t Silenced;
    int16_t DefencePenalty;
    int16_t Paralysed;
    int16_t PowerUsed;
    int16_t Reserved38;
    uint32_t Active;
    int16_t DisguiseItem;
    int16_t X;
    int16_t Y;
    int16_t Reserved50;
};
static_assert(sizeof(Encounter) == 52);
static_assert(offsetof(Encounter, Extra) == 2);
static_assert(offsetof(Encounter, Monster) == 4);
static_assert(offsetof(Encounter, Facing) == 6);
static_assert(offsetof(Encounter, Hp) == 8);
static_assert(offsetof(Encounter, HpMax) == 10);
static_assert(offsetof(Encounter, KillFlag) == 12);
static_assert(offsetof(Encounter, KilledSetFlag) == 14);
static_assert(offsetof(Encounter, KilledSetValue) == 18);
static_assert(offsetof(Encounter, DormantFlag) == 20);
static_assert(offsetof(Encounter, DormantValue) == 24);
static_assert(offsetof(Encounter, AttackPenalty) == 26);
static_assert(offsetof(Encounter, WeakenPercent) == 28);
static_assert(offsetof(Encounter, Silenced) == 30);
static_assert(offsetof(Encounter, DefencePenalty) == 32);
static_assert(offsetof(Encounter, Paralysed) == 34);
static_assert(offsetof(Encounter, PowerUsed) == 36);
static_assert(offsetof(Encounter, Reserved38) == 38);
static_assert(offsetof(Encounter, Active) == 40);
static_assert(offsetof(Encounter, DisguiseItem) == 44);
static_assert(offsetof(Encounter, X) == 46);
static_assert(offsetof(Encounter, Y) == 48);
static_assert(offsetof(Encounter, Reserved50) == 50);

constexpr int kGameFlagCount = 8000;
constexpr int kHeroNameChars = 12;  // the most a player types; HeroName holds 15
constexpr int kArenaLevel = 130;  // the wilderness battle ground, built in memory only
// HeroForm: 0 the hero's own shape, else a beast form.
constexpr int16_t kSnakeForm = 1, kFalconForm = 2, kWolfForm = 3, kBearForm = 4;

struct GameStateRecord {
    char HeroName[16];
    int16_t HeroSex;
    int16_t FigureFacesRight;
    int16_t HeroLevel;
    int16_t HeroFood;
    int16_t StatPoints;
    int16_t SkillPoints;
    int32_t HeroXp;
    uint32_t BankSavings;
    int32_t HeroGold;
    uint32_t Reserved40;
    int16_t BaseStats[7];  // Combat, Strength, Endurance, Agility, Dexterity, Willpower, Perception
    int16_t Stats[7];
    int16_t BaseResists[4];  // Acid, Cold, Elect, Fire
    int16_t Resists[4];
    int16_t BaseSaves[2];  // Mind, Body
    int16_t Saves[2];
    int16_t BaseSkills[12];
    int16_t Skills[12];
    int16_t Reserved144;
    int16_t CurrentTune;  // -1 none
    int16_t HitPointsMax;
    int16_t HitPoints;
    int16_t EnergyMax;
    int16_t Energy;
    int16_t DamageReduction;
    int16_t CurrentLevelNumber;
    int16_t CompactHud;
    int16_t HeroX;
    int16_t HeroY;
    int16_t Facing;  // 0 north, 1 south, 2 east, 3 west
    int16_t GameSpeed;
    uint8_t Reserved170[2];
    // The 24 condition words.
    uint32_t ParalysisImmune;
    uint32_t PetrifyImmune;
    uint32_t PoisonImmune;
    uint32_t RadiationImmune;
    uint32_t BiohazardImmune;
    uint32_t Hidden;
    uint32_t Exhausted;
    uint32_t Reserved200;
    uint32_t Feebleminded;
    uint32_t Poisoned;
    uint32_t Diseased;
    uint32_t Cursed;
    uint32_t Drained;
    uint32_t Petrified;
    uint32_t Paralysed;
    uint32_t Biohazard;
    uint32_t Radiation;
    uint32_t Aged;
    uint32_t Clutz;
    uint32_t Fear;
    uint32_t ExtremeHeat;
    uint32_t ExtremeCold;
    uint32_t Drowning;
    uint32_t ItemsStripped;
    // The 25 timed-effect words; pairs are (bonus, turns).
    int16_t BlessTurns;
    int16_t Heroism[2];
    int16_t MagicShield[2];
    int16_t TrueSight[2];
    int16_t InvisibleTurns;
    int16_t WaterWalkTurns;
    int16_t GillsTurns;
    int16_t CombatBonusTurns;
    int16_t AcidShield[2];
    int16_t ColdShield[2];
    int16_t ElectShield[2];
    int16_t FireShield[2];
    int16_t MindShield[2];
    int16_t BodyShield[2];
    int16_t LifeDrain[2];
    int16_t PrayerCharges;
    int16_t CurseCharges;
    int16_t Beacon[3];  // level (-1 none), x, y
    char BeaconName[26];
    int16_t Reserved354;
    int16_t ColdImmune;
    int16_t Shrunk;
    ItemInstance ItemInstances[837];
    int16_t Backpack[9][9];  // [column][row], instance numbers, -1 empty
    int16_t EquipSlots[13];
    uint32_t MeleeMode;
    int16_t Keyring[25];
    PendingItem PendingItems[20];
    int16_t Vaults[6][81];
    uint8_t Reserved11858[2];
    uint32_t VaultOwned[6];
    int16_t GameFlags[kGameFlagCount];  // reach them through GameFlag/SetGameFlag
    int16_t QuestStates[200];
    int16_t ActiveQuests[200];
    int16_t ActiveQuestCount;
    int16_t Awards[200];
    int16_t AwardCount;
    uint32_t Tattoos[10];
    int16_t SidePanelMode;
    uint8_t Reserved29130[2];
    Encounter EncounterList[50];
    int16_t MonsterGrid[2500];  // x*50 + y, encounter index, -1 none
    int16_t Score;
    int16_t CurrentSaveSlot;
    uint32_t HasBagOfHolding;
    int16_t BagOfHolding[9][9];
    uint8_t Reserved36902[2];
    uint32_t Reserved36904;
    int16_t DamageFloor[2500];
    DamageFloorTimer DamageFloorTimers[100];
    uint32_t PentaActive[5];
    int16_t CauldronGrid[6][6];
    uint8_t AutomapSeen[131][2500];  // 'U' unseen, 'R' seen
    int16_t NemesisStones[6];
    int16_t HeroForm;
    int16_t FormTurns;
    int16_t FormDefence;
    int16_t FormDR;
    int16_t FormDamage[3];
    int16_t FigurinePlace[3];
    int16_t MagicFoodTurns;
    uint8_t Reserved370134[2];
    uint32_t Reserved370136;
    uint32_t CanDropQuestItems;
    uint32_t Reserved370144;
    int16_t SaveBonus[2];  // Mind, Body: lasting gains on top of Willpower and Endurance x 4
    uint32_t LostHpThisTurn;
    uint32_t HeroIsUndead;
    uint32_t KnownRunes[41];
    uint32_t KnownHieroglyphs[41];
    int16_t PortalSightTurns;
    int16_t DreamStage;
    int16_t DreamCountdown;
    uint8_t Reserved370494[2];
    uint32_t RevivalPending;
    int16_t TimeLoopCountdown;
    int16_t TimeLoopSaveSlot;
    uint32_t CarefulStep;
    MapNote MapNotes[500];
    int16_t StashPiles[3][81];
    int16_t StashGold;
    int16_t StashFood;
    int16_t FoodStepCounter;
    int16_t GembagCounts[10];
    uint32_t LoreKnown[13];
    int16_t ActiveAura;
    uint8_t Reserved378074[2];
};

static_assert(sizeof(GameStateRecord) == 378076);
static_assert(offsetof(GameStateRecord, HeroSex) == 16);
static_assert(offsetof(GameStateRecord, FigureFacesRight) == 18);
static_assert(offsetof(GameStateRecord, HeroLevel) == 20);
static_assert(offsetof(GameStateRecord, HeroFood) == 22);
static_assert(offsetof(GameStateRecord, StatPoints) == 24);
static_assert(offsetof(GameStateRecord, SkillPoints) == 26);
static_assert(offsetof(GameStateRecord, HeroXp) == 28);
static_assert(offsetof(GameStateRecord, BankSavings) == 32);
static_assert(offsetof(GameStateRecord, HeroGold) == 36);
static_assert(offsetof(GameStateRecord, Reserved40) == 40);
static_assert(offsetof(GameStateRecord, BaseStats) == 44);
static_assert(offsetof(GameStateRecord, Stats) == 58);
static_assert(offsetof(GameStateRecord, BaseResists) == 72);
static_assert(offsetof(GameStateRecord, Resists) == 80);
static_assert(offsetof(GameStateRecord, BaseSaves) == 88);
static_assert(offsetof(GameStateRecord, Saves) == 92);
static_assert(offsetof(GameStateRecord, BaseSkills) == 96);
static_assert(offsetof(GameStateRecord, Skills) == 120);
static_assert(offsetof(GameStateRecord, Reserved144) == 144);
static_assert(offsetof(GameStateRecord, CurrentTune) == 146);
static_assert(offsetof(GameStateRecord, HitPointsMax) == 148);
static_assert(offsetof(GameStateRecord, HitPoints) == 150);
static_assert(offsetof(GameStateRecord, EnergyMax) == 152);
static_assert(offsetof(GameStateRecord, Energy) == 154);
static_assert(offsetof(GameStateRecord, DamageReduction) == 156);
static_assert(offsetof(GameStateRecord, CurrentLevelNumber) == 158);
static_assert(offsetof(GameStateRecord, CompactHud) == 160);
static_assert(offsetof(GameStateRecord, HeroX) == 162);
static_assert(offsetof(GameStateRecord, HeroY) == 164);
static_assert(offsetof(GameStateRecord, Facing) == 166);
static_assert(offsetof(GameStateRecord, GameSpeed) == 168);
static_assert(offsetof(GameStateRecord, Reserved170) == 170);
static_assert(offsetof(GameStateRecord, ParalysisImmune) == 172);
static_assert(offsetof(GameStateRecord, Reserved200) == 200);
static_assert(offsetof(GameStateRecord, Feebleminded) == 204);
static_assert(offsetof(GameStateRecord, Fear) == 248);
static_assert(offsetof(GameStateRecord, ItemsStripped) == 264);
static_assert(offsetof(GameStateRecord, BlessTurns) == 268);
static_assert(offsetof(GameStateRecord, Heroism) == 270);
static_assert(offsetof(GameStateRecord, InvisibleTurns) == 282);
static_assert(offsetof(GameStateRecord, CombatBonusTurns) == 288);
static_assert(offsetof(GameStateRecord, AcidShield) == 290);
static_assert(offsetof(GameStateRecord, LifeDrain) == 314);
static_assert(offsetof(GameStateRecord, PrayerCharges) == 318);
static_assert(offsetof(GameStateRecord, CurseCharges) == 320);
static_assert(offsetof(GameStateRecord, Beacon) == 322);
static_assert(offsetof(GameStateRecord, BeaconName) == 328);
static_assert(offsetof(GameStateRecord, Reserved354) == 354);
static_assert(offsetof(GameStateRecord, ColdImmune) == 356);
static_assert(offsetof(GameStateRecord, Shrunk) == 358);
static_assert(offsetof(GameStateRecord, ItemInstances) == 360);
static_assert(offsetof(GameStateRecord, Backpack) == 10404);
static_assert(offsetof(GameStateRecord, EquipSlots) == 10566);
static_assert(offsetof(GameStateRecord, MeleeMode) == 10592);
static_assert(offsetof(GameStateRecord, Keyring) == 10596);
static_assert(offsetof(GameStateRecord, PendingItems) == 10646);
static_assert(offsetof(GameStateRecord, Vaults) == 10886);
static_assert(offsetof(GameStateRecord, Reserved11858) == 11858);
static_assert(offsetof(GameStateRecord, VaultOwned) == 11860);
static_assert(offsetof(GameStateRecord, GameFlags) == 11884);
static_assert(offsetof(GameStateRecord, QuestStates) == 27884);
static_assert(offsetof(GameStateRecord, ActiveQuests) == 28284);
static_assert(offsetof(GameStateRecord, ActiveQuestCount) == 28684);
static_assert(offsetof(GameStateRecord, Awards) == 28686);
static_assert(offsetof(GameStateRecord, AwardCount) == 29086);
static_assert(offsetof(GameStateRecord, Tattoos) == 29088);
static_assert(offsetof(GameStateRecord, SidePanelMode) == 29128);
static_assert(offsetof(GameStateRecord, Reserved29130) == 29130);
static_assert(offsetof(GameStateRecord, EncounterList) == 29132);
static_assert(offsetof(GameStateRecord, MonsterGrid) == 31732);
static_assert(offsetof(GameStateRecord, Score) == 36732);
static_assert(offsetof(GameStateRecord, CurrentSaveSlot) == 36734);
static_assert(offsetof(GameStateRecord, HasBagOfHolding) == 36736);
static_assert(offsetof(GameStateRecord, BagOfHolding) == 36740);
static_assert(offsetof(GameStateRecord, Reserved36902) == 36902);
static_assert(offsetof(GameStateRecord, Reserved36904) == 36904);
static_assert(offsetof(GameStateRecord, DamageFloor) == 36908);
static_assert(offsetof(GameStateRecord, DamageFloorTimers) == 41908);
static_assert(offsetof(GameStateRecord, PentaActive) == 42508);
static_assert(offsetof(GameStateRecord, CauldronGrid) == 42528);
static_assert(offsetof(GameStateRecord, AutomapSeen) == 42600);
static_assert(offsetof(GameStateRecord, NemesisStones) == 370100);
static_assert(offsetof(GameStateRecord, HeroForm) == 370112);
static_assert(offsetof(GameStateRecord, FormTurns) == 370114);
static_assert(offsetof(GameStateRecord, FormDefence) == 370116);
static_assert(offsetof(GameStateRecord, FormDR) == 370118);
static_assert(offsetof(GameStateRecord, FormDamage) == 370120);
static_assert(offsetof(GameStateRecord, FigurinePlace) == 370126);
static_assert(offsetof(GameStateRecord, MagicFoodTurns) == 370132);
static_assert(offsetof(GameStateRecord, Reserved370134) == 370134);
static_assert(offsetof(GameStateRecord, Reserved370136) == 370136);
static_assert(offsetof(GameStateRecord, CanDropQuestItems) == 370140);
static_assert(offsetof(GameStateRecord, Reserved370144) == 370144);
static_assert(offsetof(GameStateRecord, SaveBonus) == 370148);
static_assert(offsetof(GameStateRecord, LostHpThisTurn) == 370152);
static_assert(offsetof(GameStateRecord, HeroIsUndead) == 370156);
static_assert(offsetof(GameStateRecord, KnownRunes) == 370160);
static_assert(offsetof(GameStateRecord, KnownHieroglyphs) == 370324);
static_assert(offsetof(GameStateRecord, PortalSightTurns) == 370488);
static_assert(offsetof(GameStateRecord, DreamStage) == 370490);
static_assert(offsetof(GameStateRecord, DreamCountdown) == 370492);
static_assert(offsetof(GameStateRecord, Reserved370494) == 370494);
static_assert(offsetof(GameStateRecord, RevivalPending) == 370496);
static_assert(offsetof(GameStateRecord, TimeLoopCountdown) == 370500);
static_assert(offsetof(GameStateRecord, TimeLoopSaveSlot) == 370502);
static_assert(offsetof(GameStateRecord, CarefulStep) == 370504);
static_assert(offsetof(GameStateRecord, MapNotes) == 370508);
static_assert(offsetof(GameStateRecord, StashPiles) == 377508);
static_assert(offsetof(GameStateRecord, StashGold) == 377994);
static_assert(offsetof(GameStateRecord, StashFood) == 377996);
static_assert(offsetof(GameStateRecord, FoodStepCounter) == 377998);
static_assert(offsetof(GameStateRecord, GembagCounts) == 378000);
static_assert(offsetof(GameStateRecord, LoreKnown) == 378020);
static_assert(offsetof(GameStateRecord, ActiveAura) == 378072);
static_assert(offsetof(GameStateRecord, Reserved378074) == 378074);

extern GameStateRecord GameState;

// The one way to the flags: a number outside 0..7999 reads as -1 and is never written.
inline int16_t GameFlag(int32_t flag) {
    return flag >= 0 && flag < kGameFlagCount ? GameState.GameFlags[flag] : int16_t{-1};
}
inline void SetGameFlag(int32_t flag, int16_t value) {
    if (flag >= 0 && flag < kGameFlagCount) GameState.GameFlags[flag] = value;
}

// Cuts every text field of the block to its field, for a block read from a file.
void TerminateGameStateTexts(GameStateRecord& state);
