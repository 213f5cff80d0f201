#include "hero/hero_screen.h"

#include <string>

#include "adventure/teleport.h"
#include "adventure/wilderness.h"
#include "data/level.h"
#include "data/text_field.h"
#include "hero/backpack_grid.h"
#include "hero/breakdown_boxes.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/equipment.h"
#include "hero/help_boxes.h"
#include "hero/hero_screen_pages.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"
#include "hero/item_use.h"
#include "hero/level_advance.h"
#include "hero/summon_item.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/widgets.h"
#include "view/play_screen.h"

namespace {


bool MayDrop(int16_t item) {
    switch (item) {
        case 182:
        case 183:
        case 688:
        case 689: return false;
        default: break;
    }
    const int16_t type = ItemTypeOf(item);
    if (type == kKeyringItem || type == kPortalKey || type == kLoadstone || type == kGemstoneBag) return false;
    return type != kQuestItem || GameState.CanDropQuestItems == 1;
}

// What one pass of the screen decided.
enum class Pass { Stay, Redraw, Close };

// Stats page: a box for each figure, and the level advance.
Pass StatsPageInput(int16_t page) {
    struct Rows {
        int16_t x, y, step, w, count;
        void (*left)(int16_t, int16_t, int16_t);
        void (*right)(int16_t, int16_t, int16_t);
    };
    static constexpr Rows kRows[] = {
        {360, 195, 14, 80, 8, ShowStatBreakdown, ShowStatHelp},
        {510, 207, 12, 60, 4, ShowResistBreakdown, ShowResistHelp},
        {510, 275, 12, 60, 2, ShowSaveBreakdown, ShowSaveHelp},
        {360, 335, 12, 60, 2, ShowDrBreakdown, ShowDrHelp},
    };
    for (const Rows& rows : kRows)
        for (int16_t i = 0; i < rows.count; ++i) {
            const int16_t y = int16_t(rows.y + rows.step * i);
            for (int16_t button : {1, 2}) {
                if (!AreaClicked(rows.x, y, rows.w, 12, 0, button, 0, 0)) continue;
                DrawHeroScreen(page, 0);
                (button == 1 ? rows.left : rows.right)(i, 120, 140);
                return Pass::Redraw;
            }
        }
    for (int16_t i = 0; i < 2; ++i)
        if (AreaClicked(510, int16_t(335 + 12 * i), 60, 12, 0, 2, 0, 0)) {
            DrawHeroScreen(page, 0);
            ShowStatusHelp(int16_t(4 + i), 120, 150);
            return Pass::Redraw;
        }
    if (LevelUpOffered() && ButtonClicked(340, 400, 10, 'L', 0, 1, 1)) {
        RunLevelAdvance();
        return Pass::Redraw;
    }
    return Pass::Stay;
}

Pass SkillsPageInput(int16_t page) {
    // The rows answer inside (351, 125, 255 x 238) only.
    if (CursorPos.x >= 351 && CursorPos.x <= 351 + 255 && CursorPos.y >= 125 && CursorPos.y <= 125 + 238)
        for (int16_t button : {2, 1})
            if (CheckSkillRowClicks(button)) return Pass::Redraw;
    struct Term {
        int16_t x, y, w, h;
    };
    static constexpr Term kTerms[] = {{452, 112, 50, 19}, {516, 112, 32, 18}, {566, 113, 35, 18}, {358, 370, 200, 16}};
    for (int16_t t = 0; t < 4; ++t) {
        const Term& a = kTerms[t];
        if (!AreaClicked(a.x, a.y, a.w, a.h, 0, 2, 0, 0)) continue;
        DrawHeroScreen(page, 0);
        ShowSkillTermHelp(t);
        return Pass::Redraw;
    }
    return Pass::Stay;
}

Pass InventoryPageInput(int16_t page, bool backpack) {
    GameStateRecord& g = GameState;
    if (AreaClicked(605, 455, 15, 15, 0, 1, 1, 1)) {
        g.CanDropQuestItems = g.CanDropQuestItems == 1 ? 0 : 1;
        return Pass::Redraw;
    }
    if (backpack)
        HandleBackpackGrid(page);
    else
        HandleBagGrid(page);
    if (CursorItem != kNone) {
        if (ButtonClicked(340, 400, 8, 0, 0, 1, 1)) {
            DrawHeroScreen(page, 0);
            return UseItem(page) ? Pass::Close : Pass::Redraw;
        }
        if (ButtonClicked(440, 400, 8, 0, 0, 1, backpack ? 0 : 1)) {
            DrawHeroScreen(page, 1);
            DropItem();
            return Pass::Redraw;
        }
    } else if (backpack && KeyDown(kCtrl) && KeyPressed('U', 1, 0, 0)) {
        PlaySoundEffect("Click");
        RunSummonItem();
        return Pass::Redraw;
    }
    return Pass::Stay;
}

int16_t ClickedTab(int lore, int16_t pages) {
    for (int16_t i = 0; i < pages; ++i)
        if (ButtonClicked(int16_t(lore ? 340 + 40 * i : 340 + 60 * i), 88, lore ? 4 : 6, 0, 0, 1, 1)) return i;
    return -1;
}

}  // namespace

void DropItem() {
    const ItemInstance* inst = InstanceAt(CursorItem);
    if (!inst || inst->ItemNumber == kNone) return;
    const int16_t item = inst->ItemNumber;
    if (!MayDrop(item)) {
        PlaySoundEffect("No");
        return;
    }
    constexpr int16_t kSlime = 184;
    if (item != kSlime && !Confirm(300, 150, "Really drop item?")) {
        PlaySoundEffect("Back");
        return;
    }
    PlaySoundEffect(item == kSlime ? "Splat" : "Drop");
    ClearItemInstance(CursorItem);
    CursorItem = kNone;
    // Only the six stones are counted; another item of their type never was.
    if (ItemTypeOf(item) == kNemesisStone && item >= kFirstNemesisStone && item <= kLastNemesisStone)
        --GameState.NemesisStones[item - kFirstNemesisStone];
}

int UseBeaconMarker() {
    GameStateRecord& g = GameState;
    if (HeroZoneCondition(kNoTeleportZone)) {
        PlaySoundEffect("Curse");
        ShowMessage(100, 120, "   Teleportation magic", "   does not work here!");
        return 0;
    }
    // A beacon whose level was erased, or whose square is off the map, stays for another try.
    if (!CheckArrival(g.Beacon[0], g.Beacon[1], g.Beacon[2])) return 0;
    PlaySoundEffect("Elect");
    Delay(600);
    LeaveBattleState();
    TeleportHero(g.Beacon[0], 0, g.Beacon[1], g.Beacon[2], 0);
    g.Beacon[0] = g.Beacon[1] = g.Beacon[2] = kNone;
    SetFieldText(g.BeaconName, "");
    return 1;
}

void ShowReturnAddress(int16_t x, int16_t y) {
    const GameStateRecord& g = GameState;
    DrawPanel(int16_t(x - 8), y, 14, 7, 1, "Return Address");
    DrawSmallText(int16_t(x + 20), int16_t(y + 60), "The destination of the beacon marker", kSmallBlack);
    DrawSmallText(int16_t(x + 20), int16_t(y + 72), "is currently set to:", kSmallBlack);
    const std::string where = std::string(FieldText(g.BeaconName)) + " (" + std::to_string(g.Beacon[1]) + "," +
                              std::to_string(g.Beacon[2]) + ")";
    DrawSmallText(int16_t(x + 20), int16_t(y + 96), where, kSmallBlue);
    HoldBox(2);
}

void RunHeroScreen(int16_t page) {
    Screen screen("hero screen");
    GameStateRecord& g = GameState;
    CursorItem = kNone;
    // The tabs and TAB follow the lore known when the screen opened.
    const int lore = IsLoreKnown();
    const int16_t pages = HeroPageCount(lore);
    if (page < 0 || page >= pages) page = 0;
    const auto draw = [&] { DrawHeroScreen(page, 1); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (CursorItem != kNone) draw();
        Pass pass = Pass::Stay;
        const auto turnTo = [&](int16_t next) {
            page = next;
            pass = Pass::Redraw;
        };
        if (const int16_t tab = ClickedTab(lore, pages); tab >= 0) {
            turnTo(tab);
        } else if (TabPressed(1)) {
            turnTo(int16_t((page + 1) % pages));
        } else if (KeyPressed('S', 1, 0, 1)) {
            turnTo(page == 0 ? 1 : 0);
        } else if (KeyPressed('I', 1, 0, 1)) {
            turnTo(BackpackPage());
        } else if (IsLoreKnown() && KeyPressed('L', 1, 0, 1)) {
            turnTo(2);
        } else if (g.HasBagOfHolding && KeyPressed('B', 1, 0, 1)) {
            turnTo(BagPage());
        } else if (AreaClicked(13, 136, 32, 13, 0, 1, 1, 1) || AreaClicked(252, 259, 32, 13, 0, 1, 1, 1)) {
            g.MeleeMode = 1;
            pass = Pass::Redraw;
        } else if (AreaClicked(44, 138, 31, 12, 0, 1, 1, 1) || AreaClicked(284, 261, 31, 12, 0, 1, 1, 1)) {
            g.MeleeMode = 0;
            pass = Pass::Redraw;
        } else if (HandleTattooClicks(page)) {
            // the tattoo's box has redrawn the page
        } else if (g.Beacon[0] != kNone && CursorItem == kNone && AreaClicked(536, 48, 31, 31, 0, 1, 1, 1)) {
            // Refused while an item is in hand, as Quit is: the teleport would leave it behind.
            pass = UseBeaconMarker() ? Pass::Close : Pass::Redraw;
        } else if (g.Beacon[0] != kNone && AreaClicked(536, 48, 31, 31, 0, 2, 0, 1)) {
            DrawHeroScreen(page, 0);
            ShowReturnAddress(120, 140);
            pass = Pass::Redraw;
        }
        if (pass == Pass::Close) return;
        if (pass == Pass::Stay) {
            HandleEquipSlots(page);
            if (page == 0) {
                pass = StatsPageInput(page);
            } else if (page == 1) {
                pass = SkillsPageInput(page);
            } else if (lore && page == 2) {
                if (AreaClicked(345, 112, 270, 270, 0, 2, 0, 0)) {
                    DrawHeroScreen(page, 0);
                    ShowSkillHelp(999, 200, 150, 1);
                    pass = Pass::Redraw;
                }
            } else if (page == BackpackPage() || page == BagPage()) {
                pass = InventoryPageInput(page, page == BackpackPage());
            }
        }
        if (pass == Pass::Close) return;
        if (pass == Pass::Redraw) draw();
        if (FormChangePending) {
            FormChangePending = 0;
            DrawPlayScreen(1, 1, 0, -1, -1, 1);
            PlaySoundEffect("PowerUp");
            Delay(1000);
            return;
        }
        if (CursorItem == kNone && ButtonClicked(540, 400, 8, kEsc, 'Q', 1, 1)) return;
    }
}
