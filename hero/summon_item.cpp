#include "hero/summon_item.h"

#include <algorithm>
#include <string>

#include "data/text_field.h"
#include "events/keyring.h"
#include "hero/give_item.h"
#include "hero/item_grids.h"
#include "hero/item_types.h"
#include "platform/fonts.h"
#include "platform/number_entry.h"
#include "platform/widgets.h"
#include "kit/db/item_editor.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/source_rects.h"

namespace {

constexpr int16_t kLastItem = kItemCount - 1;
constexpr int16_t kLeftArrowPiece = 34, kRightArrowPiece = 35;

void DrawItemPicture(int16_t item, int32_t x, int32_t y) {
    const ItemRecord* r = ItemRecordOf(item);
    if (!r || r->ItemPicture < 0 || r->ItemPicture >= int16_t(ItemPictures.size())) return;
    BltFast(BackSurface, x, y, ItemPictures[r->ItemPicture], ViewPieceRects[ItemSizeClass(r->ItemPicture)],
            kBltKeyed);
}

}  // namespace

void DrawSummonItem(int16_t item, int16_t x, int16_t y) {
    const std::string number = std::to_string(item);
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(210, 140, 14, 11, 1, "Summon Item");
    DrawSmallText(250, 200, "Item Number:", 0);
    DrawSmallText(250, 222, "Power (X):", 0);
    DrawSmallText(250, 244, "Charges (Y):", 0);
    DrawButton(330, 195, 2, number);
    BltFast(BackSurface, 380, 193, UiIcons[kLeftArrowPiece], IconRect, kBltKeyed);
    DrawTextField(400, 195, 2, number);
    BltFast(BackSurface, 440, 193, UiIcons[kRightArrowPiece], IconRect, kBltKeyed);
    DrawTextField(330, 217, 2, std::to_string(x));
    DrawTextField(330, 239, 2, std::to_string(y));
    if (const ItemRecord* r = item != -1 ? ItemRecordOf(item) : nullptr) {
        DrawSmallText(250, 270, FieldText(r->ItemName), 182);
        DrawItemPicture(item, 420, 220);
    }
    DrawSmallText(250, 290, "If Power < 0, item is cursed!!", 91);
    DrawButton(240, 308, 3, "Summon");
    DrawButton(317, 308, 3, "Quit");
}

void SummonItem(int16_t item, int16_t x, int16_t y) {
    const int16_t type = ItemTypeOf(item);
    if (type == kFood && item != 176 && item != 186 && GameState.HeroFood < 10) {
        GameState.HeroFood = static_cast<int16_t>(std::min<int32_t>(GameState.HeroFood + y, 10));
    } else if (type == kCoins) {
        GameState.HeroGold += y;
    } else if (type == kKey) {
        AddKeyToKeyring(item);
    } else {
        GiveItem(item, x, y, 0);
    }
}

void RunSummonItem() {
    Screen screen("summon item");
    int16_t item = 1, x = 0, y = 0;
    auto draw = [&] {
        DrawSummonItem(item, x, y);
        Flip();
    };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        bool changed = true;
        if (ButtonClicked(330, 195, 4, 0, 0, 1, 1)) {
            item = std::clamp<int16_t>(RunItemEditor(1), 0, kLastItem);
        } else if (AreaClicked(380, 193, 20, 20, 'P', 1, 1, 1)) {
            item = std::max<int16_t>(item - 1, 0);
        } else if (ButtonClicked(400, 195, 4, 0, 0, 1, 1)) {
            item = EnterNumber(400, 195, 2, 0, kLastItem);
        } else if (AreaClicked(440, 193, 20, 20, 'N', 1, 1, 1)) {
            item = std::min<int16_t>(item + 1, kLastItem);
        } else if (ButtonClicked(330, 217, 4, 0, 0, 1, 1)) {
            x = EnterNumber(330, 217, 2, -50, 200);
        } else if (ButtonClicked(330, 239, 4, 0, 0, 1, 1)) {
            y = EnterNumber(330, 239, 2, 0, 199);
        } else if (ButtonClicked(240, 308, 6, 'S', 0, 1, 1)) {
            SummonItem(item, x, y);
            return;
        } else if (ButtonClicked(317, 308, 6, 27, 'Q', 1, 1)) {
            return;
        } else {
            changed = false;
        }
        if (changed) draw();
    }
}
