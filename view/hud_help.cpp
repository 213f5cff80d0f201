#include "hud_help.h"

#include <array>
#include <initializer_list>
#include <string_view>

#include "data/game_state.h"
#include "hero/item_instances.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/widgets.h"
#include "view_pictures.h"

namespace {

struct HelpBox {
    std::string_view title, heading;
    int16_t tile, height;
    std::initializer_list<std::string_view> lines;  // up to 42 characters each
    std::string_view hotkey;
    int16_t hotkeyY;
};

// In HudButton order.
const std::array<HelpBox, kHudButtonCount> kHelpBoxes = {{
    {"Bow Button", "Bow Button", 1380, 9,
     {"Shoots the weapon of your bow slot. A",
      "shot needs a bow in the bow slot, its",
      "ammunition in the ammunition slot, and",
      "no monster close enough for melee."},
     "Hotkey : 'B'", 210},
    {"Wand Button", "Wand Button", 1381, 9,
     {"Uses the wand in your wand slot. The",
      "wand needs at least one charge left",
      "to be used."},
     "Hotkey : 'W'", 205},
    {"Hide Button", "Hide Button", 1382, 11,
     {"Hides you in the shadows. Hiding needs",
      "at least 1 point of the Stealth skill,",
      "and no monster may be in sight when",
      "you try it.",
      "A hidden hero is spotted only by the",
      "monsters whose awareness is higher",
      "than his Stealth skill."},
     "Hotkey : 'H'", 254},
    {"Disarm Button", "Disarm Trap Button", 1383, 14,
     {"Disarms a trap next to you: choose the",
      "direction in which the trap lies.",
      "A trap is spotted by itself, and shown",
      "as a red 'X', when your Disarm Traps",
      "skill or your Perception is higher",
      "than the trap's concealment.",
      "The disarm succeeds when your Disarm",
      "Traps skill is at least the trap's",
      "difficulty. Used on a pit, it looks",
      "for the pit's hidden shaft."},
     "Hotkey : 'D'", 306},
    {"Dig Button", "Dig Button", 1384, 9,
     {"Digs for buried treasure, or through a",
      "collapsed tunnel, next to you. You need",
      "a shovel to dig."},
     "Hotkey : 'G'", 205},
    {"Statistics Button", "Stats Button", 1385, 8,
     {"Opens the character sheet at the",
      "statistics tab."},
     "Hotkey : 'S'", 186},
    {"Inventory Button", "Inventory Button", 1386, 8,
     {"Opens the character sheet at the",
      "inventory tab."},
     "Hotkey : 'I'", 186},
    {"Quest Button", "Quest Log Button", 1387, 8,
     {"Shows the state of your ongoing and",
      "completed quests."},
     "Hotkey : 'Q'", 186},
    {"World Map Button", "World Map Button", 1388, 8,
     {"To view maps of the VX2 world, and its",
      "major locations."},
     "Hotkey : 'M'", 186},
    {"Translations Button", "Translate Runes and Hieroglyphs", 1389, 9,
     {"Shows the meanings of the runes and",
      "hieroglyphs you know. You learn their",
      "meanings as you find them on your",
      "travels."},
     "Hotkey : 'T'", 210},
    {"Rest Button", "Rest Button", 1390, 9,
     {"Rests to recover Hit Points and Energy.",
      "You can rest only in the places made",
      "for it, and only while no monster is",
      "in sight."},
     "Hotkey : 'R'", 210},
    {"Close Button", "Close Door Button", 1391, 8,
     {"Closes a door next to you: choose its",
      "direction. A shut door keeps in the",
      "monsters that cannot open doors."},
     "Hotkey : 'C'", 194},
    {"Activate Button", "Activate Skill Button", 1392, 8,
     {"Opens the menu of the powers of your",
      "Curse, Prayer and Gemlore skills, to",
      "use one of them."},
     "Hotkey : 'A'", 194},
    {"Push Button", "Push enemy button", 1604, 8,
     {"Forces a suitable enemy next to you",
      "back by one square."},
     "Hotkey : 'P'", 194},
    {"Options Button", "Options Button", 1394, 8,
     {"The functions around the game: load,",
      "save, audio, difficulty and quit."},
     "Hotkey : 'O'", 186},
    {"Human Form Button", "Human Form Button", 1394, 8,
     {"Returns you from your beast form to",
      "your human form, at any time."},
     "Hotkey : 'H'", 186},
}};

constexpr int16_t kBowType = 19, kCrossbowType = 20, kArrowType = 21, kBoltType = 22;

int Refuse(std::string_view line1, std::string_view line2) {
    PlaySoundEffect("no");
    ShowMessage(100, 100, line1, line2);
    return 0;
}

}  // namespace

void ShowHudButtonHelp(HudButton button) {
    const HelpBox& box = kHelpBoxes[size_t(button)];
    DrawPanel(100, 60, 15, box.height, 1, box.title);
    DrawTile(box.tile, 130, 110);
    DrawSmallText(170, 120, box.heading, kSmallBlue);
    int16_t y = 150;
    for (std::string_view line : box.lines) {
        DrawSmallText(130, y, line, kSmallBlack);
        y = int16_t(y + 12);
    }
    DrawSmallText(130, box.hotkeyY, box.hotkey, kSmallBlue);
    Flip();
    while (KeyDown(2)) host::Get().Idle();
}

void HudButtonHelp() {
    for (const HudButtonPlace& place : CurrentHudLayout())
        if (AreaClicked(place.HelpX, place.Y, 30, 30, 0, 2, 0, 4)) ShowHudButtonHelp(place.Button);
}

int MonsterAdjacent() {
    const int32_t hx = GameState.HeroX, hy = GameState.HeroY;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            if ((dx == 0 && dy == 0) || !OnMap(hx + dx, hy + dy)) continue;
            if (GameState.MonsterGrid[Square(hx + dx, hy + dy)] != -1) return 1;
        }
    return 0;
}

int CanUseBow() {
    const int16_t bow = WornItem(kBowSlot), ammo = WornItem(kAmmunitionSlot);
    if (bow == kNone) return Refuse("You have no missile weapon", "currently equipped!");
    if (ammo == kNone && bow != 357 && bow != 398) return Refuse("You must equip some ammo", "in order to use your bow.");
    const int16_t bowType = ItemTypeOf(bow), ammoType = ItemTypeOf(ammo);
    if (ammo != kNone &&
        ((bowType == kBowType && ammoType == kBoltType) || (bowType == kCrossbowType && ammoType == kArrowType)))
        return Refuse(" Wrong ammo type equipped!", "");
    if (MonsterAdjacent()) return Refuse("Cannot use missile attack", "when in melee combat!");
    return 1;
}
