#include "events/event_dispatch.h"

#include <algorithm>

#include "adventure/encounters.h"
#include "data/game_state.h"
#include "data/square_kinds.h"
#include "events/bank.h"
#include "events/casino.h"
#include "events/chests_and_traps.h"
#include "events/doors.h"
#include "events/dungeon_devices.h"
#include "events/event_screen.h"
#include "events/forge.h"
#include "events/fountains.h"
#include "events/genie_lamp.h"
#include "events/inn.h"
#include "events/item_events.h"
#include "events/item_use_events.h"
#include "events/module_travel.h"
#include "events/pits_and_shafts.h"
#include "events/portals.h"
#include "events/puzzles.h"
#include "events/seer.h"
#include "events/shop.h"
#include "events/special_places.h"
#include "events/switches.h"
#include "events/temple.h"
#include "events/text_events.h"
#include "events/trainer.h"
#include "events/travel_events.h"
#include "events/vault.h"
#include "events/walls_and_climbs.h"
#include "events/wand_recharge.h"
#include "hero/item_stash.h"
#include "platform/sound.h"
#include "script/flags.h"

namespace {


void RunScriptEventBumped(int16_t x, int16_t y, int16_t, int16_t, int& result) { RunScriptEvent(x, y, result); }

// The store of stripped items is handed back at every bump.
void RunRetrieveEvent(int16_t, int16_t, int16_t, int16_t, int& result) {
    PlaySoundEffect("Text");
    result = 0;
    ReturnStrippedItems();
}

}  // namespace

const std::array<EventType, kEventTypeCount> EventTypes = {{
    {256, "WILDERNESS COMBAT EVENT", kStepOn, 1, nullptr},
    {1226, "PUSH TEXT EVENT", kBumpAny, 1, RunPushTextEvent},
    {1227, "STEP TEXT EVENT", kStepOn, 1, nullptr},
    {1228, "USE ITEM FROM BACKPACK EVENT", kUseOn, 1, nullptr},
    {1229, "AUTO-PILOT PC EVENT", kStepOn, 1, nullptr},
    {1230, "RUNE EVENT", kBumpAny, 1, RunRuneEvent},
    {1231, "HIEROGLYPH EVENT", kBumpAny, 1, RunHieroglyphEvent},
    {1232, "HERALDRY SIGN EVENT", kBumpAny, 1, RunHeraldrySignEvent},
    {1233, "SIMPLE DOOR EVENT", kBumpHuman, 0, RunSimpleDoorEvent},
    {1234, "COMPLEX DOOR EVENT", kBumpHuman, 0, RunComplexDoorEvent},
    {1235, "SECRET DOOR EVENT", kBumpHuman, 0, RunSecretDoorEvent},
    {1236, "PORTAL EVENT", kBumpAny, 0, RunPortalEvent},
    {1237, "DIG PORTAL EVENT", kBumpAny, 0, RunDigPortalEvent},
    {1238, "MODULE ACCESS EVENT", kBumpHuman, 1, RunModuleAccessEvent},
    {1239, "PENTA-PORTAL EVENT", kBumpAny, 0, RunPentaPortalEvent},
    {1240, "ONE ITEM EVENT", kBumpHuman, 0, RunOneItemEvent},
    {1241, "ITEMS CACHE EVENT", kBumpHuman, 0, RunItemsCacheEvent},
    {1242, "CHEST EVENT", kBumpHuman, 0, RunChestEvent},
    {1243, "SEARCH EVENT", kBumpHuman, 0, RunSearchEvent},
    {1244, "FOOD EVENT", kBumpHuman, 1, RunFoodEvent},
    {1245, "PRISE EVENT", kBumpHuman, 0, RunPriseEvent},
    {1246, "SCRIPT EVENT", kBumpHuman, 1, RunScriptEventBumped},
    {1247, "MONSTER EVENT", kEntry, 1, nullptr},
    {1248, "SHOP EVENT", kBumpHuman, 1, RunShopEvent},
    {1249, "INN EVENT", kBumpHuman, 1, RunInnEvent},
    {1250, "BANK EVENT", kBumpHuman, 1, RunBankEvent},
    {1251, "VAULT EVENT", kBumpHuman, 1, RunVaultEvent},
    {1252, "TEMPLE EVENT", kBumpHuman, 1, RunTempleEvent},
    {1253, "TRAIN EVENT", kBumpHuman, 1, RunTrainEvent},
    {1254, "SEER EVENT", kBumpHuman, 1, RunSeerEvent},
    {1255, "CASINO EVENT", kBumpHuman, 1, RunCasinoEvent},
    {1256, "TRAP EVENT", kStepOn, 1, nullptr},
    {1257, "PIT EVENT", kBumpAny, 1, RunPitShaftEvent},
    {1258, "TRIGGER EVENT", kStepOn, 1, nullptr},
    {1259, "PRESSURE PAD EVENT", kStepOn, 0, nullptr},
    {1260, "SWITCH EVENT", kBumpHuman, 0, RunSwitchEvent},
    {1261, "TOGGLE EVENT", kBumpAny, 0, RunToggleEvent},
    {1262, "USE SPELL EVENT", kBumpHuman, 0, RunUseSpellEvent},
    {1263, "USE ITEM EVENT", kBumpHuman, 0, RunUseItemEvent},
    {1264, "GET ANSWER EVENT", kBumpHuman, 1, RunGetAnswerEvent},
    {1265, "IF ASLEEP EVENT", kRestOn, 1, nullptr},
    {1266, "CRACK EVENT", kBumpAny, 0, RunCrackEvent},
    {1267, "CLIMB EVENT", kBumpAny, 0, RunClimbEvent},
    {1268, "HIDE EVENT", kStepOn, 0, nullptr},
    {1269, "IF GOT EVENT", kBumpAny, 0, RunIfGotEvent},
    {1270, "BRIDGE EVENT", kBumpHuman, 0, RunBridgeEvent},
    {1271, "MUSHROOM EVENT", kBumpAny, 0, RunMushroomEvent},
    {1272, "STAT PLUS EVENT", kBumpHuman, 0, RunStatPlusEvent},
    {1273, "FORGE EVENT", kBumpHuman, 0, RunForgeEvent},
    {1274, "BOAT EVENT", kEntry, 1, nullptr},
    {1275, "PUSH EVENT", kEntry, 0, nullptr},
    {1276, "RESET PUSH EVENT", kBumpHuman, 0, RunResetPushEvent},
    {1277, "BEAM EVENT", kNoTrigger, 0, nullptr},
    {1278, "USE LENS EVENT", kBumpHuman, 0, RunUseLensEvent},
    {1279, "GHOST TEXT EVENT", kStepOn, 0, nullptr},
    {1280, "PUZZLE EVENT", kBumpHuman, 0, RunPuzzleEvent},
    {1281, "ALT TILE EVENT", kBumpAny, 0, RunAltTileEvent},
    {1282, "BURIED CACHE EVENT", kBumpHuman, 0, RunBuriedCacheEvent},
    {1283, "FLOOR TEXT EVENT", kStepOn, 0, nullptr},
    {1284, "SWAP ITEM EVENT", kBumpHuman, 0, RunSwapItemEvent},
    {1285, "BED EVENT", kBumpAny, 0, RunBedEvent},
    {1286, "DMF2 EVENT", kStepOn, 0, nullptr},
    {1287, "LAMP EVENT", kBumpHuman, 1, RunLampEvent},
    {1288, "ELEMENTAL DAMAGE EVENT", kBumpAny, 0, RunElementalDamageEvent},
    {1289, "THIN CRUST EVENT", kStepOn, 1, nullptr},
    {1290, "ELEVATOR EVENT", kBumpHuman, 0, RunElevatorEvent},
    {1328, "RECHARGE WAND SERVICE EVENT", kBumpHuman, 1, RunRechargeWandServiceEvent},
    {1329, "RETRIEVE EVENT", kBumpHuman, 0, RunRetrieveEvent},
    {1330, "ACTIVATE SCRIPT EVENT", kStepOn, 0, nullptr},
    {1331, "SMOKE SIGNAL EVENT", kBumpHuman, 0, RunSmokeSignalEvent},
    {1332, "SPLAT EVENT", kBumpAny, 0, RunSplatEvent},
    {1333, "SPAWN EVENT", kBumpAny, 1, ShowSpawnEventText},
    {1334, "WATER ROOTS EVENT", kBumpHuman, 0, RunWaterRootsEvent},
    {1335, "DANCE! EVENT", kStepOn, 0, nullptr},
    {1336, "COLOUR TEXT EVENT", kNoTrigger, 0, nullptr},
    {1337, "CHOP TREE EVENT", kBumpHuman, 0, RunChopTreeEvent},
    {1338, "TIME LOOP EVENT", kStepOn, 1, nullptr},
    {1339, "VISION EVENT", kBumpHuman, 1, RunVisionEvent},
    {1399, "TELEXY EVENT", kBumpHuman, 0, RunTeleXYEvent},
    {1628, "RUNE RIDDLE EVENT", kBumpHuman, 0, RunRuneRiddleEvent},
    {1664, "COACH EVENT", kBumpHuman, 0, RunCoachEvent},
    {2139, "WILD PORTAL EVENT", kBumpAny, 0, RunWildPortalEvent},
}};

const EventType* FindEventType(int16_t number) {
    const auto at = std::lower_bound(EventTypes.begin(), EventTypes.end(), number,
                                     [](const EventType& t, int16_t n) { return t.number < n; });
    return at != EventTypes.end() && at->number == number ? &*at : nullptr;
}

int RunSquareEvent(int16_t x, int16_t y, int16_t dx, int16_t dy) {
    int result = 1;
    const EventRecord* e = EventAt(x, y);
    if (!e) return 1;
    // The type is taken once: a handler may load another level and free the record.
    const EventType* type = FindEventType(e->Word[0]);
    if (type && type->trigger == kBumpAny) type->handler(x, y, dx, dy, result);
    // A beast never enters a square that holds an event.
    if (GameState.HeroForm > 0) return 0;
    if (type && type->trigger == kBumpHuman) type->handler(x, y, dx, dy, result);
    return result;
}

int RunAdjacentScriptEvents(int16_t x, int16_t y, int16_t, int16_t) {
    int result = 1;
    // Only a human talks: in a beast form the NPC's covered squares stay silent.
    if (GameState.HeroForm > 0) return result;
    struct Neighbour {
        int16_t dx, dy;
        int16_t class1, class2;  // the picture classes that reach the bumped square
    };
    constexpr Neighbour kNeighbours[] = {{0, -1, 2, 6}, {-1, 0, 1, 6}, {-1, -1, 6, 6}};
    const int16_t level = GameState.CurrentLevelNumber, heroX = GameState.HeroX, heroY = GameState.HeroY;
    for (const Neighbour& n : kNeighbours) {
        // A script that moved the hero leaves the squares here to another place, perhaps another level.
        if (GameState.CurrentLevelNumber != level || GameState.HeroX != heroX || GameState.HeroY != heroY) break;
        const int16_t nx = int16_t(x + n.dx), ny = int16_t(y + n.dy);
        const EventRecord* e = EventAt(nx, ny);
        if (!e || e->Word[0] != kScriptEvent || !TestFlagCondition(e->Word[1], e->Word[2], e->Word[3])) continue;
        if (e->Word[5] <= -1) continue;
        const int16_t sizeClass = PictureSizeClass(e->Word[5]);
        if (sizeClass == n.class1 || sizeClass == n.class2) RunScriptEvent(nx, ny, result);
    }
    return result;
}
