#include "kit/events/number_pickers.h"

#include <algorithm>

#include "adventure/encounters.h"
#include "data/item_records.h"
#include "data/monster_records.h"
#include "data/text_field.h"
#include "kit/db/item_picture.h"
#include "kit/events/event_editor.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/number_entry.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

const std::array<int16_t, 22> KeyItemList = {-1,  125, 126, 127, 128, 129, 130, 131, 132, 133, 134,
                                             135, 136, 137, 52,  53,  146, 179, 181, 206, 230, 176};

namespace {

constexpr int16_t kFirstType = 1226;
constexpr int16_t kLastItem = kItemCount - 1, kLastMonster = kMonsterCount - 1;
constexpr int16_t kUnnamedItemType = 47;  // "???"
constexpr int16_t kStepDownTen = 17, kStepDown = 34, kStepUp = 35, kStepUpTen = 18;

// Both pickers: the same controls, the monster picker's 100 px higher.
struct PickerPlace {
    int16_t top;  // the number field's y
};
constexpr PickerPlace kItemPlace{195}, kMonsterPlace{95};

void DrawDialogBehind(int16_t x, int16_t y, int16_t typeOffset) {
    if (typeOffset != -1) DrawEventEditor(x, y, int16_t(typeOffset + kFirstType), 0);
}

void DrawControls(PickerPlace p, int16_t shown, std::string_view label) {
    DrawSmallText(200, int16_t(p.top + 5), label, kSmallBlack);
    DrawTextField(280, p.top, 2, NumberText(shown));
    const int16_t arrowY = int16_t(p.top - 2);
    DrawIcon(BackSurface, 335, arrowY, kStepDownTen);
    DrawIcon(BackSurface, 355, arrowY, kStepDown);
    DrawIcon(BackSurface, 380, arrowY, kStepUp);
    DrawIcon(BackSurface, 400, arrowY, kStepUpTen);
}

void DrawButtons(int16_t dividerY, int16_t dividerPieces, int16_t buttonY) {
    DrawDivider(170, dividerY, dividerPieces);
    DrawButton(190, buttonY, 3, "Select");
    DrawButton(267, buttonY, 3, "Quit");
}

// The four arrows give -10, -1, +1, +10 (0 when none was hit); silent, as arrows are.
int16_t ArrowStep(PickerPlace p) {
    const int16_t arrowY = int16_t(p.top - 2);
    if (AreaClicked(335, arrowY, 20, 20, 0, 1, 1, 0)) return -10;
    if (AreaClicked(355, arrowY, 20, 20, 'P', 1, 1, 0)) return -1;
    if (AreaClicked(380, arrowY, 20, 20, 'N', 1, 1, 0)) return 1;
    if (AreaClicked(400, arrowY, 20, 20, 0, 1, 1, 0)) return 10;
    return 0;
}

enum class Mode { kItem, kKey };

// The loop of the item and key pickers.
int16_t RunItemPicker(Mode mode, int16_t x, int16_t y, int16_t current, int16_t first, int16_t typeOffset,
                      int16_t limited) {
    Screen screen("item picker");
    const int16_t limit = mode == Mode::kItem && limited ? 230 : kLastItem;
    int16_t shown = first;
    int16_t position = 0;  // in the key list
    auto draw = [&] { DrawItemPicker(x, y, shown, typeOffset, 1); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (mode == Mode::kItem && ButtonClicked(280, kItemPlace.top, 4, 0, 0, 1, 1)) {
            shown = EnterNumber(280, kItemPlace.top, 2, 0, kLastItem);
            draw();
        }
        if (const int16_t step = ArrowStep(kItemPlace)) {
            if (mode == Mode::kKey) {
                position = int16_t(std::clamp<int32_t>(position + step, 0, int32_t(KeyItemList.size()) - 1));
                shown = KeyItemList[size_t(position)];
            } else {
                shown = int16_t(step < 0 ? std::max<int32_t>(shown + step, 0) : std::min<int32_t>(shown + step, limit));
            }
            draw();
        }
        if (ButtonClicked(190, 318, 6, 'S', 0, 1, 1)) return shown;
        if (ButtonClicked(267, 318, 6, 27, 'Q', 1, 1)) return current;
    }
}

}  // namespace

void DrawItemPicker(int16_t x, int16_t y, int16_t shown, int16_t typeOffset, uint32_t flip) {
    DrawDialogBehind(x, y, typeOffset);
    DrawPanel(160, 140, 14, 11, 1, "Select Item");
    DrawControls(kItemPlace, shown, "Item Number:");
    if (shown >= 0 && shown <= kLastItem && ItemTable[size_t(shown)].ItemType != kUnnamedItemType) {
        DrawSmallText(200, 250, FieldText(ItemTable[size_t(shown)].ItemName), kSmallBlue);
        DrawItemPicture(shown, 370, 240);
    }
    DrawButtons(295, 13, 318);
    if (flip) Flip();
}

void DrawMonsterPicker(int16_t x, int16_t y, int16_t shown, int16_t typeOffset, uint32_t flip) {
    DrawDialogBehind(x, y, typeOffset);
    DrawPanel(160, 40, 15, 17, 1, "Select Monster");
    DrawControls(kMonsterPlace, shown, "Monster Number:");
    if (shown >= 0 && shown <= kLastMonster) {
        const MonsterRecord& m = MonsterTable[size_t(shown)];
        DrawSmallText(200, 290, FieldText(m.MonsterName), kSmallBlue);
        if (m.MonsterPicture >= 0 && size_t(m.MonsterPicture) < MonsterPictures.size())
            BltFast(BackSurface, 370, 140, MonsterPictures[size_t(m.MonsterPicture)],
                    ViewPieceRects[size_t(PictureSizeClass(m.MonsterPicture))], kBltKeyed);
    }
    DrawButtons(315, 14, 338);
    if (flip) Flip();
}

int16_t PickItem(int16_t x, int16_t y, int16_t current, int16_t first, int16_t typeOffset, int16_t limited) {
    return RunItemPicker(Mode::kItem, x, y, current, first, typeOffset, limited);
}

int16_t PickKeyItem(int16_t x, int16_t y, int16_t current, int16_t first, int16_t typeOffset, int16_t limited) {
    return RunItemPicker(Mode::kKey, x, y, current, first, typeOffset, limited);
}

int16_t PickMonster(int16_t x, int16_t y, int16_t current, int16_t typeOffset) {
    Screen screen("monster picker");
    int16_t shown = current;
    auto draw = [&] { DrawMonsterPicker(x, y, shown, typeOffset, 1); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (ButtonClicked(280, kMonsterPlace.top, 4, 0, 0, 1, 1)) {
            shown = EnterNumber(280, kMonsterPlace.top, 2, 0, kLastMonster);
            draw();
        }
        if (const int16_t step = ArrowStep(kMonsterPlace)) {
            shown = int16_t(step < 0 ? std::max<int32_t>(shown + step, 0) : std::min<int32_t>(shown + step, kLastMonster));
            draw();
        }
        if (ButtonClicked(190, 338, 6, 'S', 0, 1, 1)) return shown;
        if (ButtonClicked(267, 338, 6, 27, 'Q', 1, 1)) return current;
    }
}
