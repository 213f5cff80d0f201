// Until the puzzles, item-use events, fountains, forge and places are built: the hero stays, with a "no".
#include "events/dungeon_devices.h"
#include "events/forge.h"
#include "events/fountains.h"
#include "events/item_use_events.h"
#include "events/puzzles.h"
#include "events/special_places.h"
#include "events/travel_events.h"
#include "platform/sound.h"

namespace {

void Refuse(int& result) {
    result = 0;
    PlaySoundEffect("no");
}

}  // namespace

void RunPuzzleEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunUseItemEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunUseLensEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunSwapItemEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunIfGotEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunUseSpellEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunBuriedCacheEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunElementalDamageEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunStatPlusEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunForgeEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunMushroomEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunBridgeEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunGetAnswerEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunResetPushEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunAltTileEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunBedEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunSplatEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void ShowSpawnEventText(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunWaterRootsEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunChopTreeEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunVisionEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunTeleXYEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunRuneRiddleEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunCoachEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
void RunSmokeSignalEvent(int16_t, int16_t, int16_t, int16_t, int& result) { Refuse(result); }
