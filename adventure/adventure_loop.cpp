#include "adventure_loop.h"

#include <algorithm>

#include "cheat_menu.h"
#include "combat/activate_skill.h"
#include "combat/monster_turn.h"
#include "combat/ranged_attack.h"
#include "combat/wands.h"
#include "data/campaign_tables.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/options.h"
#include "data/save_slots.h"
#include "data/square_kinds.h"
#include "direction_actions.h"
#include "frontend/title.h"
#include "game_options.h"
#include "hero/breakdown_boxes.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/give_item.h"
#include "hero/help_boxes.h"
#include "hero/hero_screen.h"
#include "hero/hero_screen_pages.h"
#include "hero/item_instances.h"
#include "hero/item_use.h"
#include "hero/level_advance.h"
#include "hero/status_help.h"
#include "hero_step.h"
#include "hide.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_boxes.h"
#include "platform/music.h"
#include "platform/sound.h"
#include "push_and_travel.h"
#include "rest.h"
#include "script/journal.h"
#include "square_triggers.h"
#include "teleport.h"
#include "time_loop.h"
#include "upkeep.h"
#include "view/hud_buttons.h"
#include "view/hud_help.h"
#include "view/map_screen.h"
#include "view/play_screen.h"
#include "view/view_info.h"
#include "wilderness.h"

uint32_t QuitAdventure = 0;
uint32_t TestPlayMode = 0;
uint32_t ShowIdleThought = 0;
int32_t IdleCounter = 0;
uint32_t BumpSoundPending = 0;

namespace {

constexpr int16_t kTransformAmulet = 591;
// The first idle thought after ten minutes without a turn, then one every twelve seconds.
constexpr int32_t kFirstThoughtMs = 600'000;
constexpr int32_t kNextThoughtMs = 12'000;

void Redraw() { DrawPlayScreen(1, 1, 0, -1, -1, 1); }
void RedrawNoFlip() { DrawPlayScreen(1, 1, 0, -1, -1, 0); }

bool OnWilderness() { return CurrentLevel.WildernessLevel == 1; }

// The hero's zone is an antimagic field that no flag lifts: the power is refused.
bool AntimagicRefuses() {
    if (!HeroZoneCondition(kAntimagicZone)) return false;
    ShowRefusal(60, 60, " Antimagic Field present!", " Cannot activate power!");
    return true;
}

// The buttons of the layout drawn: 29 x 29 squares, each with a hotkey.
void PollHudButtons() {
    for (const HudButtonPlace& place : CurrentHudLayout()) {
        const HudButtonRecord& b = HudButtonOf(place.Button);
        // Hotkeys do not answer with Ctrl held: Ctrl+Q quits, Q alone opens the journal.
        if (!AreaClicked(place.ClickX, place.Y, 29, 29, KeyDown(kCtrl) ? 0 : b.Hotkey, 1, 1, 0)) continue;
        if (b.NotInWilderness && OnWilderness()) {
            PlaySoundEffect("no");
            continue;
        }
        PlaySoundEffect(b.Sound);
        b.Act();
        if (!QuitAdventure) Redraw();
    }
}

// Right-click help on the side panel's values.
struct HelpArea {
    int16_t x, y, w, h;
    int16_t topic;
};
constexpr HelpArea kHelpAreas[] = {
    {464, 25, 30, 34, 0},  {499, 18, 10, 42, 1},  {510, 18, 10, 42, 2}, {536, 20, 83, 18, 4},
    {536, 40, 83, 18, 5},  {480, 138, 127, 18, 6}, {330, 6, 58, 10, 7}, {416, 412, 14, 18, 9},
};

// A help or breakdown box of the side panel: it shows while the mouse button that opened it
// is held, so the hit test must not wait for the release.
bool PanelBoxClicked(int16_t x, int16_t y, int16_t w, int16_t h, int16_t mouseButton) {
    if (!AreaClicked(x, y, w, h, 0, mouseButton, 0, mouseButton == 2 ? 4 : 1)) return false;
    RedrawNoFlip();
    return true;
}

void PollPanelHelp() {
    if (GameState.SidePanelMode == 0 && GameState.HeroForm < 1) {
        for (int16_t row = 0; row < 8; ++row) {
            const int16_t y = int16_t(167 + 14 * row);
            if (PanelBoxClicked(483, y, 80, 12, 2)) {
                ShowStatHelp(row, 120, 140);
                Redraw();
            }
            if (PanelBoxClicked(483, y, 80, 12, 1)) {
                ShowStatBreakdown(row, 120, 140);
                Redraw();
            }
        }
    }
    for (const HelpArea& a : kHelpAreas)
        if (PanelBoxClicked(a.x, a.y, a.w, a.h, 2)) {
            ShowStatusHelp(a.topic, 120, 150);
            Redraw();
        }
    if (PanelBoxClicked(464, 25, 30, 34, 1)) {
        ShowDrBreakdown(0, 120, 150);
        Redraw();
    }
    if (AreaClicked(371, 2, 17, 17, 0, 1, 1, 1)) {
        if (LevelUpOffered()) RunLevelAdvance();
        Redraw();
    }
}

// Screens that show while the right button is held (or X for the hero).
void PollInformation() {
    const auto open = [](void (*screen)()) {
        screen();
        Redraw();
    };
    if (AreaClicked(451, 350, 177, 110, 0, 2, 0, 0)) open(HudButtonHelp);
    if (AreaClicked(14, 14, 416, 416, 0, 2, 0, 0)) open(ViewRightClickInfo);
    if (KeyPressed('X', 0, 1, 0)) open(ShowHeroInfo);
    if (AreaClicked(163, 439, 276, 28, 0, 2, 0, 0)) open(RunAfflictionHelp);
    if (GameState.SidePanelMode == 1 && AreaClicked(485, 165, 110, 128, 0, 2, 0, 0)) open(RunEffectHelp);
}

void PollHudKeys() {
    if (!SurfacesLost && !KeyDown(kAlt) && ButtonClicked(489, 300, 10, kTab, 0, 1, 1)) {
        GameState.SidePanelMode = int16_t(GameState.SidePanelMode >= 0 && GameState.SidePanelMode < 2
                                              ? GameState.SidePanelMode + 1
                                              : 0);
        Redraw();
    }
    if (AreaClicked(416, 412, 14, 18, 'K', 1, 1, 1)) {
        GameState.CarefulStep = GameState.CarefulStep ? 0 : 1;
        Redraw();
    }
    if (KeyDown(kCtrl) && KeyPressed('U', 1, 0, 1)) {
        RunCheatMenu();
        Redraw();
    }
    if (KeyDown(kCtrl) && KeyPressed('F', 1, 0, 1)) {
        Redraw();
        if (WildCombatMonsters == -1) SaveGameToSlot(1, GameState.CurrentSaveSlot);
        else ShowRefusal(100, 120, "    You cannot save the", "game in wilderness combat!");
        Redraw();
    }
    if (KeyPressed(kSpace, 1, 0, 0)) {
        FinishStep(0, 0);
        Redraw();
    }
}

// An arrow key with its numpad twin.
struct MoveKey {
    int16_t key, numpad;
    int16_t dx, dy;
    int16_t facing;  // on a wilderness level
    int16_t edge;    // the map edge it presses against
};
constexpr MoveKey kMoveKeys[] = {
    {37, 100, -1, 0, 3, 3}, {39, 102, 1, 0, 2, 2}, {38, 104, 0, -1, 0, 0}, {40, 98, 0, 1, 1, 1}};

bool Held(const MoveKey& k) { return KeyDown(k.key) || KeyDown(k.numpad); }

void PollSteps() {
    for (const MoveKey& k : kMoveKeys) {
        const int16_t x = GameState.HeroX, y = GameState.HeroY;
        const int16_t tx = int16_t(x + k.dx), ty = int16_t(y + k.dy);
        if (!OnMap(tx, ty) || !Held(k)) continue;
        int16_t turnTaken = 0;
        const int moved = TryStep(tx, ty, k.dx, k.dy, turnTaken);
        if (moved) {
            GameState.HeroX = tx;
            GameState.HeroY = ty;
            if (k.dx != 0) GameState.FigureFacesRight = k.dx == 1 ? 1 : 0;
            if (OnWilderness()) GameState.Facing = k.facing;
        }
        // A turn spent without moving runs no step events.
        if (turnTaken) FinishStep(moved ? k.dx : 0, moved ? k.dy : 0);
        if (SkipNextRedraw) SkipNextRedraw = 0;
        else Redraw();
        if (BumpSoundPending) BumpSound();
    }
}

// Keys pressed against the map's edge, in the order up, down, right, left. 1 when the hero fled.
bool PollEdges() {
    static constexpr int16_t kOrder[4] = {2, 3, 1, 0};  // indices into kMoveKeys
    for (int16_t i : kOrder) {
        const MoveKey& k = kMoveKeys[i];
        const int16_t x = GameState.HeroX, y = GameState.HeroY;
        const bool atEdge = k.dy != 0 ? y == (k.dy < 0 ? 0 : 49) : x == (k.dx < 0 ? 0 : 49);
        if (!atEdge || !Held(k)) continue;
        if (ExitLevelAtEdge(k.edge) && AskFleeBattle()) return true;
    }
    return false;
}

void CheckDeath() {
    const GameStateRecord& g = GameState;
    if (g.HitPoints >= 1 && !g.Petrified && !g.Paralysed) return;
    if (g.TimeLoopCountdown < 1) {
        QuitAdventure = 1;
        ShowSlainScreen();
    } else {
        ExplodeTimeDevice(0);
    }
}

void PollIdleThought(uint32_t& lastTick) {
    const uint32_t now = TickCount();
    if (Options.IdleThoughts) IdleCounter += int32_t(now - lastTick);
    lastTick = now;
    if (IdleCounter < kFirstThoughtMs) return;
    ShowIdleThought = 1;
    Redraw();
    ShowIdleThought = 0;
    IdleCounter = kFirstThoughtMs - kNextThoughtMs;
}

}  // namespace

void BowButton() {
    RedrawNoFlip();
    if (!CanUseBow() || !RunRangedCombat()) return;
    FinishStep(0, 0);
    Redraw();
    Delay(uint32_t(std::clamp<int16_t>(Options.GameDelay, 0, 100)) * 4);
    RunMonsterTurns(1);
}

void WandButton() {
    if (AntimagicRefuses()) return;
    if (WornItem(kWandSlot) == kNone) return ShowRefusal(60, 60, "You do not currently have", "a wand equipped!");
    if (UseWand()) FinishStep(0, 0);
}

void HideButton() {
    if (GameState.Hidden) {
        GameState.Hidden = 0;
        RecalcHero();
    } else if (GameState.Skills[kStealth] < 1) {
        ShowRefusal(100, 100, "  You require at least 1", "point in the Stealth skill!");
    } else {
        TryHide();
    }
}

void DigButton() {
    if (HasItem(335) || HasItem(277)) DirectionAction(2);
    else ShowRefusal(200, 180, " To dig holes you need", "    a shovel or pick!");
}

namespace {

void AfterHeroScreen() {
    Redraw();
    CheckUseItemEvent();
}

}  // namespace

void StatsButton() {
    RunHeroScreen(0);
    AfterHeroScreen();
}

void InventoryButton() {
    GrowItem182();
    RunHeroScreen(BackpackPage());
    AfterHeroScreen();
}

void ActivateButton() {
    if (!AntimagicRefuses()) ActivateSkill();
}

void OptionsButton() { QuitAdventure = RunGameOptions(1); }

void HumanFormButton() {
    RedrawNoFlip();
    RevertToHumanForm();
}

void DisarmButton() { DirectionAction(1); }
void QuestLogButton() { RunJournal(); }
void WorldMapButton() { MapScreen(); }
void TranslationsButton() { RunKnownSymbols(); }
void RestButton() { Rest(); }
void CloseDoorButton() { DirectionAction(0); }
void PushButton() { PushMonster(); }
void ShowRefusal(int16_t x, int16_t y, std::string_view line1, std::string_view line2) {
    PlaySoundEffect("no");
    RedrawNoFlip();
    ShowMessage(x, y, line1, line2);
}

int AskFleeBattle() {
    Redraw();
    const int yes = Confirm(100, 120, "Flee from the battle?");
    Redraw();
    return yes;
}

void BumpSound() {
    PlaySoundEffect("Miss");
    Delay(500);
    BumpSoundPending = 0;
}

void StartZoneMusic() {
    if (Options.MusicVolume < 1) {
        GameState.CurrentTune = -1;
        return;
    }
    const int16_t zone = HeroZone();
    const int16_t tune = zone >= 0 && zone < 6 ? int16_t(CurrentLevel.ZoneTunes[zone] - 1) : int16_t{-1};
    if (tune > -1) {
        GameState.CurrentTune = tune;
        PlayTune(tune, 0);
    }
}

void Rest() {
    const int16_t x = GameState.HeroX, y = GameState.HeroY;
    if (GameState.Poisoned) return ShowRefusal(180, 180, "Cannot rest while poisoned!", "");
    if (!OnMap(x, y) || CurrentLevel.AccessLayer[x * 50 + y] != kSafeRestAccess)
        return ShowRefusal(180, 150, "It's not safe to rest here!", "");
    if (!CheckRestSafety()) return;
    if (GameState.HeroFood > 0) RestWithFood(0);
    else RestWithoutFood();
}

void RevertToHumanForm() {
    if (!Confirm(200, 170, "Revert to human form?")) return;
    PlaySoundEffect("PowerUp");
    GameState.HeroForm = 0;
    GameState.FormTurns = 0;
    // The worn amulet of the form is swapped for a fresh one, only when that finds a place.
    const int16_t worn = GameState.EquipSlots[kAmuletSlot];
    if (InstanceItem(worn) != kTransformAmulet || !GiveItem(kTransformAmulet, 0, 0, 0)) return;
    ClearItemInstance(worn);
    GameState.EquipSlots[kAmuletSlot] = kNone;
    GameState.FormDefence = GameState.FormDR = 0;
    std::fill(std::begin(GameState.FormDamage), std::end(GameState.FormDamage), int16_t{0});
    RecalcHero();
}

void AdventureLoop() {
    Screen screen("adventure");
    QuitAdventure = 0;
    bool fled = false;
    // A new hero's starting values, or a save's, are shown as the rules work them out, so the
    // side panel and its breakdowns agree from the first step.
    RecalcHero();
    const int16_t hx = GameState.HeroX, hy = GameState.HeroY;
    if (EventRecord* e = EventAt(hx, hy)) {
        if (e->Word[0] == kSimpleDoorEvent) e->Word[2] = 1;  // the door under the hero stands open
        else if (e->Word[0] == kAutoPilotEvent) RunAutoPilotEvent(hx, hy);
    }
    Redraw();
    StartZoneMusic();
    IdleCounter = 0;
    uint32_t lastTick = TickCount();
    while (!QuitAdventure && !fled) {
        LoopPass(screen, Redraw);
        PollIdleThought(lastTick);
        if (KeyDown(kCtrl) && KeyPressed('Q', 1, 0, 1)) {
            QuitAdventure = 1;
            QuitProgram = 1;
        }
        if (TestPlayMode && ButtonClicked(320, 405, 10, 'Q', kEsc, 1, 1)) QuitAdventure = 1;
        PollPanelHelp();
        PollInformation();
        PollHudKeys();
        PollHudButtons();
        if (!OnWilderness() && CustomCampaign.DurwichEnabled == 1 && KeyPressed('Z', 1, 0, 1)) {
            if (CanFastTravel()) FastTravelMenu();
            Redraw();
        }
        PollSteps();
        fled = PollEdges();
        CheckDeath();
    }
    ClearBattleReturn();
    if (GameState.CurrentTune > -1) StopTune();
}
