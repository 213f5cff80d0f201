#include "hero_step.h"

#include <string>

#include "combat/combat_report.h"
#include "combat/hero_melee.h"
#include "combat/monster_death.h"
#include "combat/monster_lookup.h"
#include "data/game_state.h"
#include "data/item_records.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "data/options.h"
#include "data/square_kinds.h"
#include "data/text_field.h"
#include "encounters.h"
#include "events/dungeon_devices.h"
#include "events/event_dispatch.h"
#include "events/event_screen.h"
#include "events/monster_meeting.h"
#include "events/push_objects.h"
#include "events/saving_throws.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/item_instances.h"
#include "hero/item_names.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "script/flags.h"
#include "view/play_screen.h"
#include "wilderness.h"

uint32_t ScavengePending = 0;
int16_t ScavengedItem[3] = {-1, -1, -1};

namespace {

int16_t AccessOf(int16_t x, int16_t y) { return CurrentLevel.AccessLayer[x * 50 + y]; }

// Where the hero stood when the step began; a handler that moved him ends the step.
struct Place {
    int16_t level, x, y;
    static Place Now() { return {GameState.CurrentLevelNumber, GameState.HeroX, GameState.HeroY}; }
    bool Moved() const { return Now().level != level || Now().x != x || Now().y != y; }
};

bool ZoneAccessSuppressed(int16_t x, int16_t y) {
    const int16_t flag = CurrentLevel.ZoneSuppressFlag[1];
    return CurrentLevel.ZoneLayer[x * 50 + y] == 1 && flag != -1 && GameFlag(flag) == CurrentLevel.ZoneSuppressValue[1];
}

bool AccessPasses(int16_t access) {
    return access < kFirstBlockingAccess || access == kShallowWaterAccess || access == kNoMonsterAccess || access == 1530 || access == 1979 ||
           (access == kFalconAccess && GameState.HeroForm == kFalconForm);
}

}  // namespace

int TryStep(int16_t x, int16_t y, int16_t dx, int16_t dy, int16_t& turnTaken) {
    turnTaken = 0;
    if (!OnMap(x, y)) return 0;
    const Place start = Place::Now();
    int16_t pass = 0;
    bool water = false, refusedByEvent = false;

    if (ZoneAccessSuppressed(x, y)) pass = 1;
    else if (AccessPasses(AccessOf(x, y))) pass = 1;
    if (AccessOf(x, y) == kWaterAccess && (GameState.WaterWalkTurns >= 1 || GameState.HeroForm == kFalconForm)) {
        pass = 1;
        water = true;
    }
    if (WildCombatMonsters != -1 && AccessOf(x, y) == kBorderAccess) {
        pass = 0;
        AskFleeCombat(WildCombatMonsters < 1 ? 1 : 0);
        if (start.Moved()) return 0;
    }
    if (const EventRecord* event = EventAt(x, y)) {
        const bool bridge = event->Word[0] == kBridgeEvent;
        const int result = RunSquareEvent(x, y, dx, dy);
        if (start.Moved()) return 0;
        if (!bridge && result == 0) {
            pass = 0;
            refusedByEvent = true;
        } else if (bridge && result == 1) {
            pass = 1;
        }
    }
    if (const int16_t e = EncounterIndexAt(x, y); e != -1) {
        turnTaken = 1;
        switch (GameState.EncounterList[e].Kind) {
            case kPushObjectKind: pass = int16_t(PushObject(x, y, dx, dy)); break;
            case kMonsterKind:
                if (GameState.Fear && !RollMindSave()) QuakeInFear();
                else BumpAttack(x, y);
                pass = 0;
                break;
            case kBarrierKind:
                pass = 0;
                DispelBarrier(x, y, e);
                break;
            default: break;
        }
        if (start.Moved()) return 0;
    }
    if (pass == 1) {
        pass = int16_t(RunAdjacentScriptEvents(x, y, dx, dy));
        if (start.Moved()) return 0;
    }
    if (!refusedByEvent) MoveBoat(x, y, dx, dy, pass);
    if (AccessOf(x, y) == kMawAccess) pass = 1;
    if (pass == 1) {
        turnTaken = 1;
        if (Options.WalkSound) PlaySoundEffect(water ? "WaterWalk" : "Walk");
    } else {
        Delay(150);
    }
    if (GameState.HeroForm != kFalconForm && GameState.DamageFloor[x * 50 + y] != -1) HurtByFloor(x, y);
    return pass;
}

void BumpAttack(int16_t x, int16_t y) {
    const int16_t e = EncounterIndexAt(x, y);
    if (e == -1) return;
    const Encounter& enc = GameState.EncounterList[e];
    if (enc.Kind != kMonsterKind || enc.Monster < 0 || enc.Monster >= kMonsterCount) return;
    const bool dormant = IsDormant(enc);
    if (MonsterTable[size_t(enc.Monster)].MonsterMeleeSkill == 0 || dormant) {
        RunMonsterEventMeeting(x, y, e);
    } else {
        const bool weapon = WornItem(kWeaponSlot) != kNone;
        const bool secondWeapon = ItemTypeOf(WornItem(kOffhandSlot)) == 2;
        if (GameState.HeroForm > 0) {
            MeleeAttackInForm(x, y);
        } else if (weapon || secondWeapon) {
            const int killed = weapon ? MeleeAttackWeapon(x, y) : 0;
            if (secondWeapon && !killed) {
                DrawPlayScreen(1, 1, 0, -1, -1, 1);
                Delay(100);
                DrawPlayScreen(1, 1, 1, -1, -1, 1);
                MeleeAttackDual(x, y);
            }
        } else {
            MeleeAttackBareHanded(x, y);
        }
        if (ScavengePending) ScavengeCorpse();
    }
    // A blow on a monster the hero is disguised for ends every disguise.
    if (enc.DisguiseItem > 0 && IsItemEquipped(enc.DisguiseItem)) ClearWornDisguises();
    RecalcHero();
}

void QuakeInFear() {
    DrawPlayScreen(0, 1, 0, -1, -1, 0);
    DrawSmallText(465, 120, "You quake in fear!", kSmallBlack);
    Flip();
    CombatPause();
    FlushMoveKeys();
}

void DispelBarrier(int16_t, int16_t, int16_t encounter) {
    PlaySoundEffect("Info");
    constexpr EventButton kDispel{.action = 1, .label = "Dispel", .y = 260, .hotkey1 = 'D'};
    constexpr EventButton kCancel{.action = 0, .label = "Cancel", .y = 282, .hotkey1 = 'C'};
    const auto page = [] {
        DrawEventBackground();
        DrawSmallText(475, 120, "Dispel barrier?", kSmallBlack);
    };
    Screen screen("dispel barrier");
    if (RunEventChoice(screen, page, {kDispel, kCancel}) != 1) return;
    PlaySoundEffect("PowerUp");
    ClearEncounterSquares(encounter);
    ClearMonster(encounter);
}

void MoveBoat(int16_t x, int16_t y, int16_t dx, int16_t dy, int16_t& pass) {
    if (!OnMap(x, y) || (AccessOf(x, y) != kWaterAccess && AccessOf(x, y) != kChasmAccess)) return;
    const int16_t there = EncounterIndexAt(x, y);
    if (there != -1 && GameState.EncounterList[there].Kind == kBoatKind) pass = 1;
    const int16_t hx = GameState.HeroX, hy = GameState.HeroY;
    const int16_t boat = EncounterIndexAt(hx, hy);
    if (boat == -1 || GameState.EncounterList[boat].Kind != kBoatKind) return;
    if ((there != -1 && there != boat) || BridgeOpen(EventAt(x, y))) return;
    GameState.MonsterGrid[x * 50 + y] = boat;
    GameState.MonsterGrid[hx * 50 + hy] = -1;
    pass = 1;
    Encounter& b = GameState.EncounterList[boat];
    const EventRecord* home = EventAt(b.X, b.Y);
    const int16_t f = home ? home->Word[5] : int16_t{-1};
    SetGameFlag(f + 1, x);
    SetGameFlag(f + 2, y);
    // The four pictures of the turning boat; other boats keep theirs.
    if (b.Extra == 1195 || b.Extra == 1181 || b.Extra == 1799 || b.Extra == 1791) {
        if (dx == -1) b.Extra = 1195;
        else if (dx == 1) b.Extra = 1181;
        else if (dy == -1) b.Extra = 1799;
        else if (dy == 1) b.Extra = 1791;
        SetGameFlag(f, b.Extra);
    }
}

void HurtByFloor(int16_t x, int16_t y) {
    if (!OnMap(x, y)) return;
    const int16_t code = GameState.DamageFloor[x * 50 + y];
    if (code >= 1165 && code <= 1167) GameState.HitPoints = int16_t(GameState.HitPoints - (1168 - code));
}

void ScavengeCorpse() {
    DrawPlayScreen(1, 1, 0, -1, -1, 0);
    const int16_t item = ScavengedItem[0];
    std::string line = "   ";
    if (const ItemRecord* r = ItemRecordOf(item)) {
        if (item == 231 || item == 232) {
            line += std::string(FieldText(r->ItemName)) + " (" + std::to_string(ScavengedItem[2]) + ")";
        } else {
            char name[kItemNameSize];
            ItemDisplayName(item, ScavengedItem[1], ScavengedItem[2], 0, name);
            line += name;
        }
    }
    ShowMessage(100, 120, line, "   scavenged from corpse!");
    ScavengePending = 0;
    ScavengedItem[0] = ScavengedItem[1] = ScavengedItem[2] = -1;
}
