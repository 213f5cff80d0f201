// The event tile picker: the 82 event types on 14 tabbed pages, each with its line of help.
#include <algorithm>

#include "events/event_dispatch.h"
#include "kit/level/tile_pickers.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/source_rects.h"
#include "platform/tabs.h"
#include "platform/widgets.h"
#include "view/view_pictures.h"

// In order of number, as the game's table of event types.
const std::array<EventTile, 82> EventTiles = {{
    {256, 4, 4, "Wilderness Combat (random or set)"},
    {1226, 0, 0, "Display 'push on' Text Message"},
    {1227, 0, 1, "Display 'step on' Text Message"},
    {1228, 8, 1, "Trigger if item used from inventory"},
    {1229, 11, 3, "Autopilot PC around level"},
    {1230, 0, 3, "Display Runes"},
    {1231, 0, 4, "Display Glyphs"},
    {1232, 0, 5, "Display Heraldry Signpost (push on)"},
    {1233, 1, 0, "A simple, open/close door"},
    {1234, 1, 1, "A complex door with a lock"},
    {1235, 1, 2, "A secret door (req. perception to spot)"},
    {1236, 2, 0, "Portal to other maps"},
    {1237, 2, 1, "Auto teleport PC to another location"},
    {1238, 2, 2, "Access to adventure modules"},
    {1239, 2, 3, "5 pentagram portal locations across the world"},
    {1240, 3, 0, "Give PC a single item"},
    {1241, 3, 1, "A cache of multiple items"},
    {1242, 3, 2, "A lockable chest, full of items"},
    {1243, 3, 3, "Break pots and barrels to find items"},
    {1244, 3, 4, "Get food (e.g. fruit tree)"},
    {1245, 3, 5, "Prise off fixed gems (potentially trapped!)"},
    {1246, 4, 0, "Talk to an NPC"},
    {1247, 4, 1, "A Monster (to fight)"},
    {1248, 5, 0, "Buy items (prices auto-calculated)"},
    {1249, 5, 1, "Inn (Rest)"},
    {1250, 5, 2, "Bank"},
    {1251, 5, 3, "Vault (Store items)"},
    {1252, 5, 4, "Temple (Healing)"},
    {1253, 5, 5, "Train (Level Up)"},
    {1254, 5, 6, "Seer (% Score)"},
    {1255, 5, 7, "Casino (gamble away your gp!)"},
    {1256, 6, 0, "Trigger a trap"},
    {1257, 6, 1, "Fall down a pit (to lower level!)"},
    {1258, 7, 0, "Trigger 2 flags and/or sound effect"},
    {1259, 7, 1, "Pad triggers flag when depressed"},
    {1260, 7, 2, "A lever, button or dial"},
    {1261, 7, 3, "Toggle a wall on/off"},
    {1262, 8, 0, "Cast a spell to trigger flag"},
    {1263, 8, 2, "Use an item to trigger flag"},
    {1264, 7, 4, "Type answer to trigger flag"},
    {1265, 7, 5, "If sleep here, trigger flag"},
    {1266, 9, 0, "Smash through damaged wall"},
    {1267, 9, 1, "Climb wall/cliff"},
    {1268, 9, 2, "Stealth mode to pass"},
    {1269, 8, 3, "Carrying or wearing item to pass"},
    {1270, 9, 3, "Toggle bridge on/off"},
    {1271, 9, 4, "Hack through giant mushrooms"},
    {1272, 10, 0, "Give PC stat or skill bonus"},
    {1273, 10, 1, "Forge new items"},
    {1274, 11, 0, "Row boat over water"},
    {1275, 11, 1, "Push object (e.g. trolley)"},
    {1276, 11, 2, "Reset push objects"},
    {1277, 12, 0, "Light beam triggered by 'Use Lens'"},
    {1278, 12, 1, "Place gem to trigger light beam"},
    {1279, 0, 2, "If got item X, reveal ghost symbols"},
    {1280, 9, 5, "Select a puzzle"},
    {1281, 13, 0, "Display one tile OR the other"},
    {1282, 3, 7, "Dig to unearth buried cache"},
    {1283, 0, 6, "Display Number or letters on ground"},
    {1284, 10, 2, "Swap one item for another"},
    {1285, 10, 3, "Rest here"},
    {1286, 7, 7, "Dance MF 2!"},
    {1287, 3, 6, "Genie Lamp - make a wish!"},
    {1288, 6, 3, "Elemental damage area!"},
    {1289, 6, 2, "Fall through ice or lava crust"},
    {1290, 2, 4, "Elevator to multiple levels"},
    {1328, 5, 8, "Recharge depleted wands"},
    {1329, 13, 2, "Retrieve stolen equip (see script code 'RAI')"},
    {1330, 4, 3, "Step on Script (Conditional)"},
    {1331, 13, 3, "Smoke signal"},
    {1332, 7, 8, "Splat cats, chickets, pods etc"},
    {1333, 4, 2, "Monsters respawn when level re-entered"},
    {1334, 13, 1, "Water roots to rejuvinate"},
    {1335, 7, 6, "Dance!"},
    {1336, 0, 7, "conditional colored text"},
    {1337, 9, 6, "Chop tree with axe (over chasm for example)"},
    {1338, 13, 4, "Time loop (reset pc after X moves)"},
    {1339, 0, 8, "Vision of level area"},
    {1399, 2, 5, "Teleport with set X,Y co-ordinates"},
    {1628, 9, 7, "Select rune/heiro based on text (riddle?)"},
    {1664, 2, 6, "Coach service (travel)"},
    {2139, 2, 7, "Enter location from different directions"},
}};

namespace {

struct EventPage {
    std::string_view label;
    int16_t key;
};
constexpr std::array<EventPage, kEventPages> kEventPageTabs = {{
    {"Info", 'I'}, {"Doors", 'D'}, {"Access", 'A'}, {"Goodies", 'G'}, {"NPC", 'N'}, {"Shop", 'S'}, {"Trap", 'T'},
    {"Trigger", 'R'}, {"Use", 'U'}, {"Obstacle", 'O'}, {"Power-Up", 'P'}, {"Move", 'M'}, {"Beam", 'B'}, {"Misc", 'X'},
}};
// The page letters in the order they are tested.
constexpr std::string_view kPageKeyOrder = "IDAGNSTRUOPMBX";

constexpr int16_t kTabsPerRow = 7, kSlotX = 60, kSlotY = 120, kSlotPitch = 33, kSlotFrame = 1652;

// The type of each page's slot, from the one table of types; -1 where a slot is empty.
const std::array<std::array<int16_t, kEventSlots>, kEventPages> EventPageSlots = [] {
    std::array<std::array<int16_t, kEventSlots>, kEventPages> slots{};
    for (auto& page : slots) page.fill(-1);
    for (const EventTile& e : EventTiles) slots[size_t(e.page)][size_t(e.slot)] = e.type;
    return slots;
}();

void DrawTabs(int16_t row, int16_t page) {
    const int16_t first = int16_t(kTabsPerRow * row);
    const int16_t selected = page >= first && page < first + kTabsPerRow ? int16_t(page - first) : -1;
    const auto label = [&](int i) { return kEventPageTabs[size_t(first + i)].label; };
    DrawTabRow(25, int16_t(65 + 20 * row), kTabsPerRow, selected,
               {label(0), label(1), label(2), label(3), label(4), label(5), label(6)}, 3);
}

}  // namespace

const EventTile* FindEventTile(int16_t type) {
    const auto at = std::lower_bound(EventTiles.begin(), EventTiles.end(), type,
                                     [](const EventTile& e, int16_t t) { return e.type < t; });
    return at != EventTiles.end() && at->type == type ? &*at : nullptr;
}

int16_t EventTileAt(int16_t page, int16_t slot) {
    if (page < 0 || page >= kEventPages || slot < 0 || slot >= kEventSlots) return -1;
    return EventPageSlots[size_t(page)][size_t(slot)];
}

void DrawEventTilePicker(int16_t page, int16_t flip) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(15, 15, 22, 23, 1, "Select Event Tile");
    DrawTabs(0, page);
    DrawTabs(1, page);
    for (int16_t i = 0; i < kEventSlots; ++i) {
        const int16_t y = int16_t(kSlotY + kSlotPitch * i);
        DrawTile(kSlotFrame, kSlotX, y, kBltOpaque);
        DrawSmallText(45, int16_t(y + 10), NumberText(i), kSmallBlack);
        const EventTile* e = FindEventTile(EventTileAt(page, i));
        if (!e) continue;
        DrawTile(e->type, kSlotX, y);
        DrawSmallText(110, int16_t(y + 10), e->help, kSmallBlue);
    }
    DrawDivider(25, 420, 21);
    DrawButton(240, 438, 4, "Cancel");
    if (flip) Flip();
}

int16_t PickEventTile(int16_t current, int16_t& page) {
    Screen screen("event tile picker");
    if (page < 0 || page >= kEventPages) page = 0;
    auto draw = [&] { DrawEventTilePicker(page, 1); };
    auto show = [&](int16_t p) {
        page = p;
        draw();
    };
    draw();
    for (;;) {
        bool done = false;
        int16_t result = current;
        LoopPass(screen, draw);
        for (int16_t p = 0; p < kEventPages; ++p) {
            const int16_t row = int16_t(p / kTabsPerRow), column = int16_t(p % kTabsPerRow);
            if (AreaClicked(int16_t(25 + 60 * column), int16_t(68 + 20 * row), 60, 18, 0, 1, 1, 0)) show(p);
        }
        if (TabPressed(0)) show(int16_t((page + 1) % kEventPages));
        if (KeyPressed(kUp, 1, 0, 0) && page >= kTabsPerRow) show(int16_t(page - kTabsPerRow));
        if (KeyPressed(kDown, 1, 0, 0) && page < kTabsPerRow) show(int16_t(page + kTabsPerRow));
        if (ArrowPressed(kRight, 0)) show(int16_t((page + 1) % kEventPages));
        if (ArrowPressed(kLeft, 0))
            show(int16_t((page + kEventPages - 1) % kEventPages));
        for (char key : kPageKeyOrder) {
            const auto tab = std::find_if(kEventPageTabs.begin(), kEventPageTabs.end(),
                                          [&](const EventPage& t) { return t.key == key; });
            if (KeyPressed(key, 1, 0, 0)) show(int16_t(tab - kEventPageTabs.begin()));
        }
        for (int16_t i = 0; i < kEventSlots; ++i) {
            const int16_t type = EventTileAt(page, i);
            if (type < 0) continue;
            if (AreaClicked(kSlotX, int16_t(kSlotY + kSlotPitch * i), 31, 31, int16_t('0' + i), 1, 1, 1)) {
                result = type;
                done = true;
            }
        }
        if (ButtonClicked(240, 438, 8, 'C', kEsc, 1, 1)) {
            result = current;
            done = true;
        }
        if (done) return result;
    }
}
