#include "events/push_objects.h"

#include "adventure/square_triggers.h"
#include "combat/monster_death.h"
#include "data/game_state.h"
#include "data/square_kinds.h"
#include "events/dungeon_devices.h"
#include "events/event_screen.h"
#include "hero/derived_stats.h"
#include "script/flags.h"
#include "view/map_view.h"

uint32_t ObjectSprangTrap = 0;

namespace {

// What the event on the target square says about an object pushed onto it.
enum Admission : uint8_t {
    kRefused,     // never
    kUnchanged,   // as the access tile and the encounters decided
    kOpenIfFree,  // whatever the access tile, when no encounter stands there
    kClosed,      // not by this rule (the zone passage may still open it)
};

struct PushRule {
    int16_t type;
    Admission (*admit)(const EventRecord& e, int16_t x, int16_t y);
};

Admission Always(const EventRecord&, int16_t, int16_t) { return kOpenIfFree; }
Admission SimpleDoor(const EventRecord& e, int16_t, int16_t) { return e.Word[2] == 0 ? kRefused : kUnchanged; }
Admission ComplexDoor(const EventRecord& e, int16_t, int16_t) {
    return GameFlag(e.Word[7]) >= 2 ? kRefused : kUnchanged;
}
Admission SecretDoor(const EventRecord& e, int16_t, int16_t) {
    return GameFlag(e.Word[8]) == 1 ? kUnchanged : kRefused;
}
// A wall whose flag word is 9999 stands open, as for the hero.
Admission Toggle(const EventRecord& e, int16_t, int16_t) {
    return e.Word[1] != 9999 && CheckFlagCondition(e.Word[1], e.Word[2], e.Word[3]) ? kRefused : kUnchanged;
}
Admission Crack(const EventRecord& e, int16_t, int16_t) { return GameFlag(e.Word[3]) == -1 ? kRefused : kUnchanged; }
Admission Bridge(const EventRecord&, int16_t x, int16_t y) {
    return BridgeBlocksObject(x, y) ? kUnchanged : kOpenIfFree;
}
Admission Mushroom(const EventRecord& e, int16_t, int16_t) { return GameFlag(e.Word[1]) == 1 ? kOpenIfFree : kClosed; }
Admission AltTile(const EventRecord&, int16_t x, int16_t y) {
    return AltTileBlocksObject(x, y) ? kRefused : kUnchanged;
}

// Every type not listed refuses the object.
constexpr PushRule kPushRules[] = {
    {kSimpleDoorEvent, SimpleDoor},
    {kComplexDoorEvent, ComplexDoor},
    {kSecretDoorEvent, SecretDoor},
    {kToggleEvent, Toggle},
    {kCrackEvent, Crack},
    {kBridgeEvent, Bridge},
    {kMushroomEvent, Mushroom},
    {kAltTileEvent, AltTile},
    {kThinCrustEvent, Always},
    {kMonsterEvent, Always},
    {kPushEvent, Always},
    {kTriggerEvent, Always},
    {kStepTextEvent, Always},
    {kUseItemFromBackpackEvent, Always},
    {kGhostTextEvent, Always},
    {kIfAsleepEvent, Always},
    {kBuriedCacheEvent, Always},
    {kBoatEvent, Always},
    {kAutoPilotEvent, Always},
    {kBeamEvent, Always},
    {kElementalDamageEvent, Always},
    {kPressurePadEvent, Always},
    {kTrapEvent, Always},
};

Admission Admit(const EventRecord& e, int16_t x, int16_t y) {
    for (const PushRule& r : kPushRules)
        if (r.type == e.Word[0]) return r.admit(e, x, y);
    return kRefused;
}

// What the object does to the event it lands on.
void ArriveOn(int16_t x, int16_t y, int16_t object) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    if (e->Word[0] == kPressurePadEvent) {
        RunPressurePadEvent(x, y);
    } else if (e->Word[0] == kTrapEvent) {
        if (CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3]) && IsFlagNumber(e->Word[9]) &&
            GameFlag(e->Word[9]) < 1) {
            SetGameFlag(e->Word[9], 1);
            ObjectSprangTrap = 1;
        }
    } else if (e->Word[0] == kThinCrustEvent) {
        if (CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3]) && IsFlagNumber(e->Word[10]) &&
            GameFlag(e->Word[10]) != 2) {
            SetGameFlag(e->Word[10], 2);
            ClearMonster(object);
            GameState.MonsterGrid[x * 50 + y] = -1;  // it falls through
        }
    }
}

}  // namespace

int PushObject(int16_t x, int16_t y, int16_t dx, int16_t dy) {
    if (!IsMapSquare(x, y)) return 0;
    const int16_t object = GameState.MonsterGrid[x * 50 + y];
    if (object < 0 || object >= 50) return 0;
    if ((x == 0 && dx < 0) || (x == 49 && dx > 0) || (y == 0 && dy < 0) || (y == 49 && dy > 0)) return 0;
    const int16_t tx = int16_t(x + dx), ty = int16_t(y + dy);
    const int target = tx * 50 + ty;
    const bool vacant = GameState.MonsterGrid[target] == -1;
    bool ok = CurrentLevel.AccessLayer[target] < kFirstBlockingAccess && vacant;
    if (const EventRecord* e = EventAt(tx, ty)) {
        switch (Admit(*e, tx, ty)) {
            case kRefused: return 0;
            case kUnchanged: break;
            case kOpenIfFree: ok = ok || vacant; break;
            case kClosed: ok = false; break;
        }
    }
    if (SquareAccessOpen(tx, ty) && vacant) ok = true;
    if (!ok) return 0;
    GameState.Hidden = 0;
    RecalcHero();
    if (const EventRecord* from = EventAt(x, y); from && from->Word[0] == kPressurePadEvent) ReleasePressurePad(x, y);
    GameState.MonsterGrid[target] = object;
    GameState.MonsterGrid[x * 50 + y] = -1;
    ArriveOn(tx, ty, object);
    return 1;
}

int BridgeBlocksObject(int16_t x, int16_t y) {
    const EventRecord* e = EventAt(x, y);
    if (!e || e->Word[0] != kBridgeEvent) return 0;
    return BridgeOpen(e) ? 0 : 1;
}

int AltTileBlocksObject(int16_t x, int16_t y) {
    const EventRecord* e = EventAt(x, y);
    if (!e || e->Word[0] != kAltTileEvent) return 0;
    const int16_t value = CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3]) ? e->Word[5] : e->Word[7];
    return value >= 2 ? 1 : 0;
}

int SquareAccessOpen(int16_t x, int16_t y) { return IsTopLayerSuppressed(x, y); }
