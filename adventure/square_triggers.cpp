#include "square_triggers.h"

#include <algorithm>
#include <string>

#include "data/game_state.h"
#include "data/level.h"
#include "data/options.h"
#include "data/square_kinds.h"
#include "encounters.h"
#include "events/chests_and_traps.h"
#include "events/event_screen.h"
#include "events/pits_and_shafts.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "platform/dice.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "script/flags.h"
#include "script/script_interpreter.h"
#include "teleport.h"
#include "time_loop.h"
#include "upkeep.h"
#include "view/play_screen.h"

const std::array<const char*, 26> SoundNames = {
    "None!", "Acid", "Bell",  "Buy",  "Chain", "Cold", "Crash", "Creak",   "Cure",  "Curse", "Dig",   "Drink",  "Eat",
    "Elect", "Fire", "Grate", "Laser", "Laugh", "Lever", "PowerUp", "Pray", "Psionic", "Spell", "Splash", "Text", "Hit"};

void PlaySoundNumber(int16_t n) {
    if (n > 0 && size_t(n) < SoundNames.size()) PlaySoundEffect(SoundNames[size_t(n)]);
}

namespace {

// The event's words, copied: a handler that teleports frees the record.
struct Words {
    int16_t w[33] = {};
    bool present = false;
    explicit Words(int16_t x, int16_t y) {
        if (const EventRecord* e = EventAt(x, y)) {
            std::copy(std::begin(e->Word), std::end(e->Word), w);
            present = true;
        }
    }
    int16_t operator[](int n) const { return w[n]; }
    bool Condition(int first) const { return present && CheckFlagCondition(w[first], w[first + 1], w[first + 2]); }
};

void AddToFlag(int16_t flag, int16_t amount) { SetGameFlag(flag, int16_t(uint16_t(GameFlag(flag)) + uint16_t(amount))); }

void LoseHitPoints(int32_t damage) {
    GameState.HitPoints = int16_t(std::max<int32_t>(0, GameState.HitPoints - std::max<int32_t>(0, damage)));
}

}  // namespace

int16_t DrawEventTextPage(int16_t x, int16_t y, int16_t page) {
    DrawEventBackground();
    const EventRecord* e = EventAt(x, y);
    if (!e || page < 0 || page > 1) return 132;
    for (int16_t i = 0; i < 10; ++i) DrawSmallText(465, int16_t(120 + 12 * i), EventLine(*e, page, i), kSmallBlack);
    return int16_t(144 + 12 * LastEventLine(*e, page, 9));
}

void RunTrapEvent(int16_t x, int16_t y) {
    const Words w(x, y);
    if (w.Condition(1) && GameFlag(w[9]) < 1) SpringTrap(x, y);
}

void SpringTrap(int16_t x, int16_t y) {
    const Words w(x, y);
    if (!w.present) return;
    const int16_t kind = w[5];
    if (kind == kTeleportTrap) return TeleportTrap(x, y);
    if (!IsTrapKind(kind)) return;
    const TrapOutcome o = SpringTrapOnHero(kind, w[6], w[7], w[8], w[10]);
    SetGameFlag(w[9], 1);
    DrawTrapResult(kind, o.evaded, o.saved, o.damage);
}

void TeleportTrap(int16_t x, int16_t y) {
    const Words w(x, y);
    if (!w.present) return;
    if (w[19] == 0) {
        DrawPlayScreen(1, 1, 0, -1, -1, 0);
        ShowMessage(90, 90, "    A teleport trap!", "");
        PlaySoundEffect("Curse");
        // The box restores nothing: a box of the teleport (a missing level) stands on the map.
        DrawPlayScreen(1, 1, 0, -1, -1, 0);
    }
    TeleportHero(w[16], 0, w[17], w[18], 0);
}

void RunPitEvent(int16_t x, int16_t y) {
    const Words w(x, y);
    if (!w.Condition(1) || w[14] != 0) return;
    SetGameFlag(w[9], 1);
    DrawPlayScreen(1, 1, 0, -1, -1, 1);
    DrawPlayScreen(1, 1, 0, -1, -1, 0);
    RunPitTrap(w[6], w[7], w[8], 1);
    DrawPlayScreen(1, 1, 0, -1, -1, 0);  // as after the teleport trap's box
    TeleportHero(w[10], w[11], w[12], w[13], 0);
}

void RunTriggerEvent(int16_t x, int16_t y) {
    const Words w(x, y);
    if (!w.Condition(1)) return;
    const int16_t first = GameFlag(w[4]), second = GameFlag(w[8]);
    ChangeFlag(w[4], w[5], w[6]);
    SpawnMonstersOfGroup(w[4]);
    ChangeFlag(w[8], w[9], w[10]);
    if (w[13] > 0) GameState.DreamStage = w[13];
    else if (w[13] == -1) GameState.DreamStage = 0;
    SpawnMonstersOfGroup(w[8]);
    // A trigger without a condition rewards every time.
    if (GameFlag(w[4]) == first && GameFlag(w[8]) == second && w[1] > 0) return;
    if (w[7] > 0) {
        PlaySoundNumber(w[7]);
        DrawPlayScreen(1, 1, 0, -1, -1, 1);
        Delay(750);
    }
    if (w[14] > 0) {
        GameState.Score = int16_t(GameState.Score + w[14]);
        DrawPlayScreen(1, 1, 0, -1, -1, 0);
        ShowMessage(100, 120, "Your score just increased",
                    "by " + std::to_string(w[14]) + (w[14] == 1 ? " point!" : " points!"));
    }
}

void RunPressurePadEvent(int16_t x, int16_t y) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    AddToFlag(e->Word[1], 1);
    if (e->Word[2] == 0) PadClickPending = 1;
    PadClickX = x;
    PadClickY = y;
}

void ReleasePressurePad(int16_t x, int16_t y) {
    if (const EventRecord* e = EventAt(x, y)) ReleasePressurePad(*e);
}

void ReleasePressurePad(const EventRecord& pad) { AddToFlag(pad.Word[1], -1); }

void RunHideEvent(int16_t x, int16_t y, int16_t, int16_t) {
    const EventRecord* e = EventAt(x, y);
    if (!e || !TestFlagCondition(e->Word[5], e->Word[6], e->Word[7])) return;
    const int16_t need = e->Word[1];
    const bool hidden = GameState.Hidden != 0;
    if ((hidden && GameState.Skills[kStealth] >= need) || GameState.InvisibleTurns > 0) return;
    PlaySoundEffect("Text");
    const auto page = [&] {
        DrawEventBackground();
        int16_t ty = 120;
        DrawSmallText(465, ty, "You have been spotted!", kSmallRed);
        if (hidden) {
            ty += 16;
            DrawSmallText(465, ty, "(Need " + std::to_string(need) + " stealth skill!)", kSmallRed);
        }
        ty += 24;
        for (int16_t i = 0; i < 10; ++i) DrawSmallText(465, int16_t(ty + 12 * i), EventLine(*e, 0, i), kSmallBlack);
    };
    Screen screen("spotted");
    RunEventChoice(screen, page, {kLeaveOrEscButton});
    const Words w(x, y);
    TeleportHero(w[2], 0, w[3], w[4], 0);
    GameState.Hidden = 0;
    RecalcHero();
}

void RunGhostTextEvent(int16_t x, int16_t y) {
    const Words w(x, y);
    if (!w.present) return;
    const bool allowed = w[6] == 0 || (w[1] == 0 && HasItem(w[2])) || (w[1] == 1 && IsItemEquipped(w[2]));
    if (!allowed) return;
    // The symbols must be stepped on in order; the same one again keeps the count.
    const int16_t f = w[4], here = w[5];
    const int16_t v = GameFlag(f);
    if (v == here) SetGameFlag(f, int16_t(here + 1));
    else if (v != here + 1) SetGameFlag(f, -1);
}

void RunFloorTextEvent(int16_t x, int16_t y) {
    const Words w(x, y);
    if (w.present) ChangeFlag(w[1], w[2], w[3]);
}

void RunDmf2Event(int16_t x, int16_t y, int16_t) {
    const Words w(x, y);
    if (!w.present) return;
    const bool on = GameFlag(w[1]) != -1;
    SetGameFlag(w[1], on ? int16_t{-1} : int16_t{1});
    for (int i = 0; i < 5; ++i)
        if (w[2 + i] > 0) AddToFlag(w[2 + i], on ? int16_t(-w[12 + i]) : w[12 + i]);
}

void RunThinCrustEvent(int16_t x, int16_t y) {
    const Words w(x, y);
    if (!w.Condition(1) || GameFlag(w[10]) == 2) return;
    SetGameFlag(w[10], 1);
    ApplyCrustDamage(x, y);
}

void ApplyCrustDamage(int16_t x, int16_t y) {
    const Words w(x, y);
    struct Element {
        int16_t resist;
        const char* text;
    };
    static constexpr Element kElements[3] = {{1, "Cold damage!"}, {3, "Fire damage!"}, {0, "Acid damage!"}};
    if (!w.present || w[4] < 0 || w[4] > 2) return;
    const Element& el = kElements[w[4]];
    LoseHitPoints(RollDice(w[7], w[8], w[9]) - GameState.Resists[el.resist]);
    PlaySoundEffect("Hit");
    DrawPlayScreen(0, 1, 0, -1, -1, 0);
    DrawSmallText(465, 120, el.text, kSmallBlack);
    Flip();
    Delay(uint32_t(std::max<int16_t>(0, Options.GameDelay)) * 4);
}

void RunActivateScriptEvent(int16_t x, int16_t y) {
    const Words w(x, y);
    if (!w.Condition(5)) return;
    if (w[12] == 0 || (w[12] == 1 && GameState.Hidden)) {
        PlaySoundEffect("Text");
        RunScript(w[8], x, y);
    }
}

void RunDanceEvent(int16_t x, int16_t y, int16_t entering) {
    if (const EventRecord* e = EventAt(x, y)) RunDanceEvent(*e, entering);
}

void RunDanceEvent(const EventRecord& dance, int16_t entering) {
    const int16_t square = dance.Word[1], counter = dance.Word[2], kind = dance.Word[4];
    const int16_t s = GameFlag(square);
    if (entering && kind == 0) {
        SetGameFlag(square, s != -1 ? int16_t{-1} : int16_t{1});
        AddToFlag(counter, s != -1 ? int16_t{-1} : int16_t{1});
    } else if (entering && kind == 1) {
        if (s == 1) FallIntoAbyss();
    } else if (!entering && kind == 1 && s == -1) {
        // The crumbling square breaks behind the hero.
        SetGameFlag(square, 1);
        AddToFlag(counter, 1);
    }
}
