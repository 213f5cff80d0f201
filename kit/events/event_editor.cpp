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
    {256, 1, nullptr},  // WILDERNESS COMBAT
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
    {1242, 1, nullptr},  // CHEST
    {1243, 1, nullptr},  // SEARCH
    {1244, 0, nullptr},  // FOOD
    {1245, 1, nullptr},  // PRISE
    {1246, 0, nullptr},  // SCRIPT
    {1247, 0, nullptr},  // MONSTER
    {1248, 1, nullptr},  // SHOP
    {1249, 0, nullptr},  // INN
    {1250, 0, nullptr},  // BANK
    {1251, 0, nullptr},  // VAULT
    {1252, 0, nullptr},  // TEMPLE
    {1253, 0, nullptr},  // TRAIN
    {1254, 0, nullptr},  // SEER
    {1255, 0, nullptr},  // CASINO
    {1256, 0, nullptr},  // TRAP
    {1257, 0, nullptr},  // PIT
    {1258, 0, nullptr},  // TRIGGER
    {1259, 0, nullptr},  // PRESSURE PAD
    {1260, 0, nullptr},  // SWITCH
    {1261, 0, nullptr},  // TOGGLE
    {1262, 0, nullptr},  // USE SPELL
    {1263, 0, nullptr},  // USE ITEM
    {1264, 0, nullptr},  // GET ANSWER
    {1265, 0, nullptr},  // IF ASLEEP
    {1266, 0, nullptr},  // CRACK
    {1267, 0, nullptr},  // CLIMB
    {1268, 0, nullptr},  // HIDE
    {1269, 1, nullptr},  // IF GOT
    {1270, 0, nullptr},  // BRIDGE
    {1271, 0, nullptr},  // MUSHROOM
    {1272, 0, nullptr},  // STAT PLUS
    {1273, 0, nullptr},  // FORGE
    {1274, 0, nullptr},  // BOAT
    {1275, 0, nullptr},  // PUSH
    {1276, 0, nullptr},  // RESET PUSH
    {1277, 0, nullptr},  // BEAM
    {1278, 0, nullptr},  // USE LENS
    {1279, 0, nullptr},  // GHOST TEXT
    {1280, 0, nullptr},  // PUZZLE
    {1281, 0, nullptr},  // ALT TILE
    {1282, 1, nullptr},  // BURIED CACHE
    {1283, 0, nullptr},  // FLOOR TEXT
    {1284, 0, nullptr},  // SWAP ITEM
    {1285, 0, &BedDialog},
    {1286, 0, &Dmf2Dialog},
    {1287, 1, nullptr},  // LAMP
    {1288, 0, nullptr},  // ELEMENTAL DAMAGE
    {1289, 0, nullptr},  // THIN CRUST
    {1290, 0, nullptr},  // ELEVATOR
    {1328, 0, nullptr},  // RECHARGE WAND SERVICE
    {1329, 0, nullptr},  // RETRIEVE
    {1330, 0, nullptr},  // ACTIVATE SCRIPT
    {1331, 0, &SmokeSignalDialog},
    {1332, 0, nullptr},  // SPLAT
    {1333, 0, nullptr},  // SPAWN
    {1334, 0, nullptr},  // WATER ROOTS
    {1335, 0, nullptr},  // DANCE!
    {1336, 0, nullptr},  // COLOUR TEXT
    {1337, 0, nullptr},  // CHOP TREE
    {1338, 0, nullptr},  // TIME LOOP
    {1339, 0, nullptr},  // VISION
    {1399, 0, nullptr},  // TELEXY
    {1628, 0, nullptr},  // RUNE RIDDLE
    {1664, 0, nullptr},  // COACH
    {2139, 1, nullptr},  // WILD PORTAL
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
    ChestEditorPage = 0;
    const int16_t type = event->Word[0];
    const int16_t w = Widening(type);
    const DialogEntry* dialog = FindDialog(type);
    auto draw = [&] { DrawEventEditor(x, y, type, 1); };
    draw();
    bool done = false;
    while (!done) {
        LoopPass("event editor", draw);
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
