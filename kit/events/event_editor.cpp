#include "kit/events/event_editor.h"

#include <algorithm>
#include <array>

#include "data/level.h"
#include "events/event_dispatch.h"
#include "kit/events/event_dialogs.h"
#include "kit/events/level_records.h"
#include "kit/level/event_clipboard.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

int16_t ChestEditorPage = 0;

namespace {

// Each event type with its window width and its dialog (none yet: the title alone).
struct DialogEntry {
    int16_t type;
    uint8_t wide;
    const DialogRows* rows;
};

constexpr std::array<DialogEntry, kEventTypeCount> kDialogs = {{
    {256, 1, &WildernessCombatDialog},
    {1226, 0, &PushTextDialog},
    {1227, 1, &StepTextDialog},
    {1228, 0, &UseItemFromBackpackDialog},
    {1229, 0, &AutoPilotPcDialog},
    {1230, 0, &RuneDialog},
    {1231, 0, &HieroglyphDialog},
    {1232, 0, &HeraldrySignDialog},
    {1233, 0, &SimpleDoorDialog},
    {1234, 0, &ComplexDoorDialog},
    {1235, 0, &SecretDoorDialog},
    {1236, 1, &PortalDialog},
    {1237, 0, &DigPortalDialog},
    {1238, 0, &ModuleAccessDialog},
    {1239, 0, &PentaPortalDialog},
    {1240, 1, &OneItemDialog},
    {1241, 1, &ItemsCacheDialog},
    {1242, 1, &ChestDialog},
    {1243, 1, &SearchDialog},
    {1244, 0, &FoodDialog},
    {1245, 1, &PriseDialog},
    {1246, 0, &ScriptDialog},
    {1247, 0, &MonsterDialog},
    {1248, 1, &ShopDialog},
    {1249, 0, &InnDialog},
    {1250, 0, &BankDialog},
    {1251, 0, &VaultDialog},
    {1252, 0, &TempleDialog},
    {1253, 0, &TrainDialog},
    {1254, 0, &SeerDialog},
    {1255, 0, &CasinoDialog},
    {1256, 0, &TrapDialog},
    {1257, 0, &PitDialog},
    {1258, 0, &TriggerDialog},
    {1259, 0, &PressurePadDialog},
    {1260, 0, &SwitchDialog},
    {1261, 0, &ToggleDialog},
    {1262, 0, &UseSpellDialog},
    {1263, 0, &UseItemDialog},
    {1264, 0, &GetAnswerDialog},
    {1265, 0, &IfAsleepDialog},
    {1266, 0, &CrackDialog},
    {1267, 0, &ClimbDialog},
    {1268, 0, &HideDialog},
    {1269, 1, &IfGotDialog},
    {1270, 0, &BridgeDialog},
    {1271, 0, &MushroomDialog},
    {1272, 0, &StatPlusDialog},
    {1273, 0, &ForgeDialog},
    {1274, 0, &BoatDialog},
    {1275, 0, &PushDialog},
    {1276, 0, &ResetPushDialog},
    {1277, 0, &BeamDialog},
    {1278, 0, &UseLensDialog},
    {1279, 0, &GhostTextDialog},
    {1280, 0, &PuzzleDialog},
    {1281, 0, &AltTileDialog},
    {1282, 1, &BuriedCacheDialog},
    {1283, 0, &FloorTextDialog},
    {1284, 0, &SwapItemDialog},
    {1285, 0, &BedDialog},
    {1286, 0, &Dmf2Dialog},
    {1287, 1, &LampDialog},
    {1288, 0, &ElementalDamageDialog},
    {1289, 0, &ThinCrustDialog},
    {1290, 0, &ElevatorDialog},
    {1328, 0, &RechargeWandServiceDialog},
    {1329, 0, &RetrieveDialog},
    {1330, 0, &ActivateScriptDialog},
    {1331, 0, &SmokeSignalDialog},
    {1332, 0, &SplatDialog},
    {1333, 0, &SpawnDialog},
    {1334, 0, &WaterRootsDialog},
    {1335, 0, &DanceDialog},
    {1336, 0, &ColourTextDialog},
    {1337, 0, &ChopTreeDialog},
    {1338, 0, &TimeLoopDialog},
    {1339, 0, &VisionDialog},
    {1399, 0, &TelexyDialog},
    {1628, 0, &RuneRiddleDialog},
    {1664, 0, &CoachDialog},
    {2139, 1, &WildPortalDialog},
}};
static_assert(std::is_sorted(kDialogs.begin(), kDialogs.end(),
                             [](const DialogEntry& a, const DialogEntry& b) { return a.type < b.type; }));

const DialogEntry* FindDialog(int16_t type) {
    const auto at = std::lower_bound(kDialogs.begin(), kDialogs.end(), type,
                                     [](const DialogEntry& d, int16_t t) { return d.type < t; });
    return at != kDialogs.end() && at->type == type ? &*at : nullptr;
}

DialogRows RowsOf(const DialogEntry& d) { return d.rows ? *d.rows : DialogRows{}; }

constexpr int16_t kWideExtra = 7;

int16_t Widening(int16_t type) { return IsWideEventType(type) ? kWideExtra : 0; }

}  // namespace

int IsWideEventType(int16_t type) {
    const DialogEntry* d = FindDialog(type);
    return d && d->wide ? 1 : 0;
}

void DrawEventEditor(int16_t x, int16_t y, int16_t type, uint32_t flip) {
    const int16_t w = Widening(type);
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(5, 12, int16_t(24 + w), 22, 1, "");
    DrawDivider(15, 400, int16_t(23 + w));
    DrawButton(int16_t(200 + 20 * w), 417, 4, "Erase");
    DrawButton(int16_t(300 + 20 * w), 417, 4, "Done");
    if (const DialogEntry* d = FindDialog(type)) {
        if (const EventType* t = FindEventType(type)) DrawBigText(50, 25, t->name, kBigWhite);
        DrawEventDialog(x, y, RowsOf(*d));
    }
    if (flip) Flip();
}

void RunEventEditor(int16_t x, int16_t y, uint32_t& clipValid) {
    const EventRecord* event = EventAt(x, y);
    if (!event) return;
    Screen screen("event editor");
    ChestEditorPage = 0;
    const int16_t type = event->Word[0];
    const int16_t w = Widening(type);
    const DialogEntry* dialog = FindDialog(type);
    auto draw = [&] { DrawEventEditor(x, y, type, 1); };
    draw();
    bool done = false;
    while (!done) {
        LoopPass(screen, draw);
        if (dialog) EditEventDialog(x, y, type, RowsOf(*dialog));
        if (ButtonClicked(int16_t(200 + 20 * w), 417, 8, 0, 0, 1, 1)) {
            ReleaseEvent(x, y);
            EmptyEventClipboard();  // whatever it held, as the author expects after an erase
            clipValid = 0;
            done = true;
        }
        if (ButtonClicked(int16_t(300 + 20 * w), 417, 8, 27, 0, 1, 1)) done = true;
    }
}
