#include "hud_help.h"

#include <string>
#include <string_view>

#include "data/game_state.h"
#include "hero/help_boxes.h"
#include "hero/item_instances.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/widgets.h"
#include "view_pictures.h"

namespace {

constexpr int16_t kBowType = 19, kCrossbowType = 20, kArrowType = 21, kBoltType = 22;

int Refuse(std::string_view line1, std::string_view line2) {
    PlaySoundEffect("no");
    ShowMessage(100, 100, line1, line2);
    return 0;
}

}  // namespace

void ShowHudButtonHelp(HudButton button) {
    const HudButtonRecord& b = HudButtonOf(button);
    const HudButtonHelpBox& box = b.Help;
    DrawPanel(100, 60, 15, box.Height, 1, box.Title);
    DrawTile(box.Tile, 130, 110);
    DrawSmallText(170, 120, box.Heading, kSmallBlue);
    int16_t y = 150;
    for (std::string_view line : box.Lines) {
        DrawSmallText(130, y, line, kSmallBlack);
        y = int16_t(y + 12);
    }
    DrawSmallText(130, box.HotkeyY, std::string("Hotkey : '") + char(b.Hotkey) + "'", kSmallBlue);
    HoldBox(2);
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
