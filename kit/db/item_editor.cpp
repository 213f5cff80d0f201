#include "kit/db/item_editor.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>

#include "data/data_files.h"
#include "data/item_records.h"
#include "hero/item_names.h"
#include "kit/db/item_categories.h"
#include "kit/db/item_picture.h"
#include "kit/db/item_type_descriptions.h"
#include "kit/db/record_form.h"
#include "platform/backdrop.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_boxes.h"
#include "platform/number_entry.h"
#include "platform/source_rects.h"
#include "platform/tabs.h"
#include "platform/widgets.h"

constinit const std::array<std::string_view, 10> PcIconLabels = {
    "Dagger (1H)",  "Sword (1H)",   "Axe (1H)", "Mace (1H)", "Flail (1H)",
    "Staff (2H)", "Polearm (2H)", "Axe (2H)", "Mace (2H)", "Sword (2H)"};
constinit const std::array<std::string_view, 5> ElementLabels = {"None", "Acid", "Cold", "Elect", "Fire"};

namespace {

constexpr int16_t kLastItem = kItemCount - 1;
constexpr int16_t kItemPage = 0, kListPage = 1;
constexpr int16_t kTabX = 35, kTabWidth = 60;
constexpr std::array<int16_t, 4> kTabRowY = {65, 87, 109, 131};
constexpr std::array<int16_t, 4> kTabsInRow = {9, 9, 9, 6};
constexpr int16_t kListRowPitch = 29;

// Bows, crossbows and the laser crossbow take their element from the ammunition.
constexpr std::array<int16_t, 7> kNoElementItems = {403, 404, 429, 430, 431, 432, 643};

int16_t TypeOf(const FormState& s) { return ItemTable[size_t(s.record)].ItemType; }
int HandWeapon(const FormState& s) { return TypeOf(s) >= 0 && TypeOf(s) <= 2; }
int Weapon(const FormState& s) { return IsWeaponItemType(TypeOf(s)); }
int Armour(const FormState& s) { return IsArmourItemType(TypeOf(s)); }
int WeaponOrArmour(const FormState& s) { return Weapon(s) || Armour(s); }
int ElementalWeapon(const FormState& s) {
    return Weapon(s) && std::find(kNoElementItems.begin(), kNoElementItems.end(), s.record) == kNoElementItems.end();
}
int FullBlock(const FormState& s) { return BlockRightCells(s.record) == 8; }

constexpr FormField kItemFields[] = {
    TextField(offsetof(ItemRecord, ItemName), sizeof(ItemRecord::ItemName), 24, {100, 188, 160}, {50, 192, "Name:"}),
    ChoiceField(offsetof(ItemRecord, ItemType), LabelsOf<ItemTypeLabels>, 53, {100, 210, 140, 6}, ListOf(6, 7),
                {50, 214, "Type:"}),
    ChoiceField(offsetof(ItemRecord, ItemPcIcon), LabelsOf<PcIconLabels>, 10, {100, 230, 140, 6}, ListOf(6, 7),
                {50, 234, "Pc Icon:"})
        .When(HandWeapon),
    NumberField(offsetof(ItemRecord, ItemReqStrength), 0, 30, {140, 251, 40}, {50, 256, "Req Strength:"})
        .When(WeaponOrArmour),
    NumberField(offsetof(ItemRecord, ItemArmourBonus), 0, 30, {140, 277, 40}, {50, 282, "Armour bonus:"}).When(Armour),
    CheckField(offsetof(ItemRecord, ItemGhostTouch), 380, 291, {250, 296, "Ghost Touch Weapon?:"}).When(Weapon),
    DiceField(offsetof(ItemRecord, ItemDamage), "Damage", {140, 291, 80}, {50, 296, "Damage:"}).When(Weapon),
    ChoiceField(offsetof(ItemRecord, ItemElement), LabelsOf<ElementLabels>, 5, {140, 313, 100, 4}, ListOf(5, 5).At(140, 153),
                {50, 318, "Element type:"})
        .When(ElementalWeapon),
    DiceField(offsetof(ItemRecord, ItemElementDamage), "Elemental damage", {300, 313, 80}, {250, 318, "damage:"})
        .When(ElementalWeapon),
    ChoiceField(offsetof(ItemRecord, ItemSlayType), MonsterTypeName, 19, {140, 335, 130, 6},
                ListOf(6, 10).At(140, 65), {50, 340, "Slay type:"})
        .When(ElementalWeapon),
    FormNote({283, 342, "x3 damage to this monster type", kSmallBlue}).When(ElementalWeapon),
};

// A list page's names: base 0 is the block's first item, each cell a record further on.
constexpr auto kLeftNames = FieldColumn<8>(
    TextField(offsetof(ItemRecord, ItemName), sizeof(ItemRecord::ItemName), 24, {110, 155, 160}), kListRowPitch,
    sizeof(ItemRecord));
constexpr auto kRightNames = FieldColumn<4>(
    TextField(8 * sizeof(ItemRecord) + offsetof(ItemRecord, ItemName), sizeof(ItemRecord::ItemName), 24,
              {370, 155, 160}),
    kListRowPitch, sizeof(ItemRecord));
constexpr auto kRightNamesBelow = FieldColumn<4>(
    TextField(12 * sizeof(ItemRecord) + offsetof(ItemRecord, ItemName), sizeof(ItemRecord::ItemName), 24,
              {370, 271, 160})
        .When(FullBlock),
    kListRowPitch, sizeof(ItemRecord));

constexpr auto kListFields = JoinFields(kLeftNames, kRightNames, kRightNamesBelow);

static_assert(ValidForm(kItemFields) && ValidForm(kListFields));

struct ItemScreen {
    int16_t selectMode = 0;
    int16_t category = 0;
    int16_t position = 0;
    int16_t result = -1;
    std::unique_ptr<std::array<ItemRecord, kItemCount>> opened;  // the picker's table as it opened

    bool Edited() const { return opened && std::memcmp(opened->data(), ItemTable.data(), sizeof ItemTable) != 0; }

    int16_t Item() const { return ItemCategoryLists[size_t(category)][size_t(position)]; }
    bool ListPage() const { return IsListCategory(category) != 0; }
    FormState State() const {
        FormState s;
        s.record = Item();
        s.page = ListPage() ? kListPage : kItemPage;
        s.bases[0] = reinterpret_cast<std::byte*>(&ItemTable[size_t(s.record)]);
        return s;
    }
    void Show(int16_t newCategory, int16_t newPosition) {
        category = newCategory;
        position = newPosition;
    }
};

std::string_view TabLabel(int32_t i) { return i < kItemCategoryCount ? ItemCategoryLabels[size_t(i)] : ""; }

void DrawTabRows(int16_t category) {
    for (int16_t row = 0; row < 4; ++row) {
        const int16_t b = int16_t(9 * row);
        const int16_t selected = category >= b && category < b + 9 ? int16_t(category - b) : int16_t(-1);
        DrawTabRow(kTabX, kTabRowY[size_t(row)], kTabsInRow[size_t(row)], selected,
                   {TabLabel(b), TabLabel(b + 1), TabLabel(b + 2), TabLabel(b + 3), TabLabel(b + 4), TabLabel(b + 5),
                    TabLabel(b + 6), TabLabel(b + 7), TabLabel(b + 8)},
                   3);
    }
}

struct ListCell {
    int16_t item, numberX, pictureX, y;
};
// The cells of a block's page in the order the loop tests them.
template <class F>
void ForEachListCell(int16_t first, F&& f) {
    for (int16_t i = 0; i < 8; ++i) {
        const int16_t y = int16_t(150 + kListRowPitch * i);
        f(ListCell{int16_t(first + i), 50, 70, y});
        if (i < BlockRightCells(first)) f(ListCell{int16_t(first + 8 + i), 310, 330, y});
    }
}

void DrawListPage(int16_t first) {
    ForEachListCell(first, [](const ListCell& c) {
        DrawSmallText(c.numberX, int16_t(c.y + 10), NumberText(c.item), kSmallBlack);
        DrawItemPicture(c.item, c.pictureX, c.y);
    });
}

FormClose ItemClose(int16_t selectMode) {
    FormClose close{.save = {selectMode ? "Select" : "Save", 300, 410, 3, 'S', 0},
                    .cancel = {"Cancel", 370, 410, 3, 'C', kEsc},
                    .saver = SaveItemFile,
                    .loader = LoadItemFile,
                    .fileName = "Item.dat",
                    .savedText = ""};
    if (selectMode) close.actBeforeRedraw = 1;  // silent
    else close.savedText = "  Item File Saved!";
    return close;
}

constexpr std::array<std::string_view, 4> kStepLabels = {"-10", "Prev", "Next", "+10"};
Backdrop ItemBackdrop;

void DrawItemScreen(const ItemScreen& s, uint32_t flip) { DrawItemEditor(s.category, s.Item(), s.selectMode, int16_t(flip)); }

// The position after a step button; Next and +10 never stop on an empty entry.
int16_t Stepped(const ItemScreen& s, size_t button) {
    const auto& list = ItemCategoryLists[size_t(s.category)];
    int16_t p = s.position;
    switch (button) {
        case 0: return std::max<int16_t>(0, int16_t(p - 10));
        case 1: return std::max<int16_t>(0, int16_t(p - 1));
        case 2:
            if (p < kItemListLength - 1 && list[size_t(p + 1)] != -1) ++p;
            return p;
        default:
            p = std::min<int16_t>(kItemListLength - 1, int16_t(p + 10));
            while (p > 0 && list[size_t(p)] == -1) --p;
            return p;
    }
}

// One pass's tests after the message pump; 1 when the screen is to close.
int ItemPass(ItemScreen& s, const FormRedraw& redraw) {
    for (int16_t i = 0; i < 9; ++i)
        for (int16_t row = 0; row < 4; ++row) {
            if (i >= kTabsInRow[size_t(row)]) continue;
            if (ButtonClicked(int16_t(kTabX + kTabWidth * i), kTabRowY[size_t(row)], 6, 0, 0, 1, 1)) {
                s.Show(int16_t(9 * row + i), 0);
                redraw(1);
            }
        }
    if (TabPressed(1)) {
        s.Show(int16_t((s.category + 1) % kItemCategoryCount), 0);
        redraw(1);
    }
    if (s.ListPage()) {
        FormState state = s.State();
        if (s.selectMode) {
            int16_t picked = -1;
            ForEachListCell(state.record, [&](const ListCell& c) {
                if (picked < 0 && AreaClicked(c.pictureX, c.y, 30, 30, 0, 1, 1, 1)) picked = c.item;
            });
            if (picked >= 0) {
                s.result = picked;
                return 1;
            }
        }
        EditFormFields(kListFields, state, redraw);
    } else {
        if (ButtonClicked(150, 161, 4, 0, 0, 1, 1)) {
            int16_t item = EnterNumber(150, 161, 2, 0, kLastItem);
            int16_t category = s.category, position = s.position;
            if (FindItemCategory(item, category, position)) {
                s.Show(category, position);
            } else {
                redraw(0);
                ShowMessage(50, 50, "Item not defined!", "");
            }
            redraw(1);
        }
        if (KeyPressed('Q', 1, 0, 1)) {
            s.Show(kCustomCategory, 0);
            redraw(1);
        }
        FormState state = s.State();
        EditFormFields(kItemFields, state, redraw);
    }
    for (size_t b = 0; b < kStepLabels.size(); ++b) {
        const int16_t key = b == 1 ? 'P' : b == 2 ? 'N' : 0;
        if (ButtonClicked(int16_t(50 + 50 * b), 410, 4, key, 0, 1, 1)) {
            s.position = Stepped(s, b);
            redraw(1);
        }
    }
    const FormClose close = ItemClose(s.selectMode);
    if (s.selectMode) {
        if (ButtonClicked(300, 410, 6, 'S', 0, 1, 1)) {
            // With nothing edited here the choice stands whatever the file's state; a
            // failed save of real edits keeps the picker open with them.
            const bool edited = s.Edited();
            if (!edited) close.saver();
            if (!edited || SaveForm(close, redraw)) {
                s.result = s.Item();
                return 1;
            }
            redraw(1);
        }
        return ButtonClicked(370, 410, 6, 'C', kEsc, 1, 1);
    }
    return CloseForm(close, redraw);
}

int16_t RunItemScreen(int16_t selectMode) {
    Screen screen("item editor");
    ItemScreen s;
    s.selectMode = selectMode;
    if (selectMode) s.opened = std::make_unique<std::array<ItemRecord, kItemCount>>(ItemTable);
    const FormRedraw redraw = [&](uint32_t flip) { DrawItemScreen(s, flip); };
    ForgetItemEditorBackdrop();
    redraw(1);
    for (;;) {
        LoopPass(screen, [&] {
            ForgetItemEditorBackdrop();  // the surfaces were made again
            redraw(1);
        });
        if (ItemPass(s, redraw)) return s.result;
    }
}

}  // namespace

void ForgetItemEditorBackdrop() { ForgetBackdrop(ItemBackdrop); }

void DrawItemEditor(int16_t category, int16_t item, int16_t selectMode, int16_t flip) {
    // The frame changes only with the tab and the mode: kept while stepping through items.
    DrawBackdrop(ItemBackdrop, 2 * category + (selectMode ? 1 : 0), [](int32_t variant) {
        BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
        DrawPanel(15, 12, 29, 22, 1, "ITEM EDITOR");
        DrawTabRows(int16_t(variant / 2));
        DrawDivider(24, 388, 28);
        for (size_t b = 0; b < kStepLabels.size(); ++b) DrawButton(int16_t(50 + 50 * b), 410, 2, kStepLabels[b]);
        DrawFormClose(ItemClose(int16_t(variant % 2)));
    });
    if (item >= 0 && item < kItemCount) {
        FormState state;
        state.record = item;
        state.bases[0] = reinterpret_cast<std::byte*>(&ItemTable[size_t(item)]);
        if (IsListCategory(category)) {
            state.page = kListPage;
            DrawListPage(item);
            // The last block's cells reach no further than the table.
            if (item + 15 < kItemCount) DrawFormFields(kListFields, state);
        } else {
            state.page = kItemPage;
            DrawItemPicture(item, 470, 190);
            DrawSmallText(50, 165, "Item Number:", kSmallBlack);
            DrawTextField(150, 161, 2, NumberText(item));
            DrawFormFields(kItemFields, state);
            DrawItemTypeDescription(ItemTable[size_t(item)].ItemType, item);
        }
    }
    if (flip) Flip();
}

int16_t RunItemEditor(int16_t selectMode) { return std::max<int16_t>(RunItemScreen(selectMode), 0); }

int16_t PickItemInEditor(int16_t current) {
    const int16_t picked = RunItemScreen(1);
    return picked >= 0 ? picked : current;
}
