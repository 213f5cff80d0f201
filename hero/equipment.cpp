#include "hero/equipment.h"

#include <algorithm>
#include <span>
#include <string>

#include "data/text_field.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/give_item.h"
#include "hero/help_boxes.h"
#include "hero/hero_screen_pages.h"
#include "hero/item_grids.h"
#include "hero/item_info.h"
#include "hero/item_instances.h"
#include "hero/item_types.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

int16_t CursorItem = -1;
uint32_t FormChangePending = 0;

namespace {

constexpr int16_t kGemMarkIcon = 66, kRightArrowIcon = 35;
constexpr int16_t kFlagItemPicture = 138;
constexpr int16_t kEmptyShieldTile = 1307;
constexpr int16_t kFalconAmulet = 591, kFalconLevel = 87;

// An equipment slot on the hero screen: its click rectangle in 30-pixel cells and where its
// picture goes (-1: by the picture's size).
struct SlotPlace {
    int16_t slot;
    int16_t x, y, w, h;
    int16_t drawX, drawY;
    int16_t inspectX;  // the right click's rectangle starts here
};
// In the order the slots are handled; the last two by MeleeMode.
constexpr SlotPlace kFixedSlots[] = {
    {kArmourSlot, 131, 154, 2, 4, 132, 154, 131},  {kHelmetSlot, 211, 95, 1, 2, 211, 95, 211},
    {kGlovesSlot, 82, 246, 1, 1, 82, 246, 82},     {kBootsSlot, 181, 354, 1, 1, 181, 354, 181},
    {kAmuletSlot, 84, 94, 1, 1, 84, 94, 84},       {kRing1Slot, 45, 342, 1, 1, 45, 342, 45},
    {kRing2Slot, 253, 342, 1, 1, 253, 342, 253},   {kWandSlot, 253, 145, 1, 2, 253, 145, 253},
    {kBeltSlot, 159, 280, 1, 1, 161, 282, 161},
};
constexpr SlotPlace kMeleeSlots[] = {{kWeaponSlot, 14, 151, 2, 6, -1, -1, 14},
                                     {kOffhandSlot, 253, 275, 2, 2, -1, -1, 253}};
constexpr SlotPlace kMissileSlots[] = {{kBowSlot, 14, 151, 2, 6, -1, -1, 14},
                                       {kAmmunitionSlot, 253, 275, 2, 2, 268, 275, 253}};

std::span<const SlotPlace> HandSlots() {
    return GameState.MeleeMode == 1 ? std::span<const SlotPlace>(kMeleeSlots) : std::span<const SlotPlace>(kMissileSlots);
}

int16_t PictureOf(int16_t item) {
    const ItemRecord* r = ItemRecordOf(item);
    return r ? r->ItemPicture : int16_t{0};
}
int16_t PictureClass(int16_t item) { return ItemSizeClass(PictureOf(item)); }

struct Point16 {
    int16_t x, y;
};
// Weapons and bows are drawn by the size of their picture.
Point16 WeaponPoint(int16_t sizeClass) {
    switch (sizeClass) {
        case 0:
        case 2: return {29, 211};
        case 3: return {29, 196};
        case 4: return {29, 181};
        case 6: return {14, 211};
        default: return {29, 151};
    }
}
Point16 BowPoint(int16_t sizeClass) {
    switch (sizeClass) {
        case 4: return {29, 181};
        case 6: return {14, 211};
        case 7: return {14, 181};
        default: return {29, 151};
    }
}

Point16 DrawPoint(const SlotPlace& p, int16_t item) {
    if (p.drawX >= 0) return {p.drawX, p.drawY};
    const int16_t sizeClass = PictureClass(item);
    switch (p.slot) {
        case kWeaponSlot: return WeaponPoint(sizeClass);
        case kBowSlot: return BowPoint(sizeClass);
        default: return sizeClass == 2 ? Point16{268, 275} : Point16{253, 275};
    }
}

bool HoldsTwoHanded() { return ItemTypeOf(WornItem(kWeaponSlot)) == kTwoHandedWeapon; }

// Whether the slot takes the item at all, before strength.
bool SlotAccepts(int16_t item, int16_t type, int16_t slot) {
    const bool melee = GameState.MeleeMode == 1;
    const auto among = [item](std::initializer_list<int16_t> items) {
        return std::find(items.begin(), items.end(), item) != items.end();
    };
    switch (slot) {
        case kArmourSlot: return type == kArmourType || type == kRobes;
        case kHelmetSlot: return type == kHelmetType || type == kMask || among({89, 224, 225, 226, 322});
        case kGlovesSlot: return type == kGlovesType;
        case kBootsSlot: return type == kBootsType;
        case kAmuletSlot:
            return type == kAmuletType || among({521, 555, 584, 585, 587, 588, 590}) ||
                   (item == kFalconAmulet && GameState.CurrentLevelNumber == kFalconLevel);
        case kRing1Slot:
        case kRing2Slot: return type == kRingType;
        case kWeaponSlot:
            if (!melee) return false;
            if (type == kTwoHandedWeapon) return GameState.EquipSlots[kOffhandSlot] == kNone;
            return type == kOneHandedWeapon || type == kSmallWeapon;
        case kOffhandSlot:
            if (!melee || HoldsTwoHanded()) return false;
            return type == kShieldType || (type == kSmallWeapon && GameState.Skills[kDualWeapons] > 0);
        case kWandSlot: return type == kWand;
        case kBowSlot: return !melee && (type == kBow || type == kCrossbow || type == kLaserWeapon);
        case kAmmunitionSlot: return !melee && (type == kArrows || type == kBolts);
        case kBeltSlot: return type == kBeltType || item == 180;
        default: return false;
    }
}

// The falcon amulet: the worn amulet comes back to the pack and the hero takes wing.
bool TakeFalconForm() {
    GameStateRecord& g = GameState;
    if (const ItemInstance* old = WornInstance(kAmuletSlot)) {
        // Only when the old amulet finds room; otherwise it would be lost.
        if (!GiveItem(old->ItemNumber, old->X, old->Y, 0)) return false;
        ClearItemInstance(g.EquipSlots[kAmuletSlot]);
    }
    g.EquipSlots[kAmuletSlot] = kNone;
    g.HeroForm = 2;
    g.FormTurns = -1;
    g.FormDefence = 12;
    g.FormDR = 0;
    g.FormDamage[0] = 1;
    g.FormDamage[1] = 8;
    g.FormDamage[2] = 8;
    FormChangePending = 1;
    return true;
}

void ShowCursedMessage(int16_t page, ItemInstance& worn) {
    PlaySoundEffect("No");
    DrawHeroScreen(page, 0);
    ShowMessage(50, 50, " This item is cursed!", " You cannot remove it!");
    worn.CurseKnown = 1;
    RecalcHero();  // a known curse takes the piece's damage reduction
    DrawHeroScreen(page, 1);
}

void ClearFromGrid(std::span<int16_t> grid, int16_t instance) {
    for (int16_t& cell : grid)
        if (cell == instance) cell = kNone;
}

}  // namespace

void ClampPictureToScreen(int16_t sizeClass, int16_t& x, int16_t& y) {
    const Rect& r = ViewPieceRects[size_t(std::clamp<int16_t>(sizeClass, 0, 9))];
    x = int16_t(std::min<int32_t>(x, 638 - r.Width()));
    y = int16_t(std::min<int32_t>(y, 478 - r.Height()));
}

void DeleteInstance(int16_t instance) {
    if (!InstanceAt(instance)) return;
    GameStateRecord& g = GameState;
    ClearFromGrid(std::span<int16_t>(&g.Backpack[0][0], kGridCells), instance);
    ClearFromGrid(std::span<int16_t>(&g.BagOfHolding[0][0], kGridCells), instance);
    ClearFromGrid(std::span<int16_t>(&g.Vaults[0][0], std::size(g.Vaults) * kGridCells), instance);
    ClearFromGrid(std::span<int16_t>(&g.StashPiles[0][0], std::size(g.StashPiles) * kGridCells), instance);
    ClearFromGrid(std::span<int16_t>(&g.CauldronGrid[0][0], std::size(g.CauldronGrid) * 6), instance);
    const bool worn = std::find(std::begin(g.EquipSlots), std::end(g.EquipSlots), instance) != std::end(g.EquipSlots);
    ClearFromGrid(g.EquipSlots, instance);
    if (CursorItem == instance) CursorItem = kNone;
    ClearItemInstance(instance);
    if (worn) RecalcHero();
}

void RemoveInvalidItem(int16_t instance) {
    const ItemInstance* inst = InstanceAt(instance);
    if (!inst) return;
    const int16_t item = inst->ItemNumber;
    DeleteInstance(instance);
    ShowMessage(50, 50, "Invalid item removed!", std::to_string(item));
}

void DrawInstance(int16_t instance, int16_t x, int16_t y) {
    const ItemInstance* inst = InstanceAt(instance);
    if (!inst || inst->ItemNumber == kNone) return;
    const int16_t item = inst->ItemNumber;
    if (!ItemRecordOf(item)) {
        RemoveInvalidItem(instance);
        return;
    }
    const int16_t picture = PictureOf(item);
    const int16_t sizeClass = ItemSizeClass(picture);
    ClampPictureToScreen(sizeClass, x, y);
    if (picture >= 0 && size_t(picture) < ItemPictures.size())
        BltFast(BackSurface, x, y, ItemPictures[size_t(picture)], ViewPieceRects[size_t(sizeClass)], kBltKeyed);
    if (ItemTypeOf(item) == kGemstone && inst->X >= 1) DrawIcon(BackSurface, x + 15, y, kGemMarkIcon);
    // The three flag devices hold their flag's number in X and show whether it is on.
    if (item >= 139 && item <= 141 && GameFlag(inst->X) == 1)
        BltFast(BackSurface, x, y, ItemPictures[kFlagItemPicture], ViewPieceRects[0], kBltKeyed);
}

void DrawEquipment() {
    const auto draw = [](const SlotPlace& p) {
        const int16_t instance = GameState.EquipSlots[p.slot];
        if (!WornInstance(p.slot)) return;
        const Point16 at = DrawPoint(p, WornItem(p.slot));
        DrawInstance(instance, at.x, at.y);
    };
    for (const SlotPlace& p : kFixedSlots) draw(p);
    for (const SlotPlace& p : HandSlots()) draw(p);
    if (GameState.MeleeMode == 1 && HoldsTwoHanded() && GameState.EquipSlots[kOffhandSlot] == kNone)
        for (auto [x, y] : {Point16{253, 275}, Point16{253, 305}, Point16{283, 275}, Point16{283, 305}})
            BltFast(BackSurface, x, y, WallTiles[kEmptyShieldTile], TileRect, kBltKeyed);
}

int CanEquip(int16_t item, int16_t type, int16_t slot) {
    const ItemRecord* r = ItemRecordOf(item);
    bool accepted = r && SlotAccepts(item, type, slot) && GameState.Stats[kStrength] >= r->ItemReqStrength;
    if (accepted && slot == kAmuletSlot && item == kFalconAmulet && GameState.CurrentLevelNumber == kFalconLevel)
        accepted = TakeFalconForm();
    if (!accepted) PlaySoundEffect("No");
    return accepted ? 1 : 0;
}

void EquipIntoSlot(int16_t x, int16_t y, int16_t wCells, int16_t hCells, int16_t slot, int16_t page) {
    if (!AreaClicked(x, y, int16_t(30 * wCells), int16_t(30 * hCells), 0, 1, 1, 0)) return;
    GameStateRecord& g = GameState;
    int16_t& held = g.EquipSlots[slot];
    ItemInstance* worn = WornInstance(slot) ? InstanceAt(held) : nullptr;
    ItemInstance* carried = InstanceAt(CursorItem);
    if (carried && carried->ItemNumber != kNone) {
        if (!CanEquip(carried->ItemNumber, ItemTypeOf(carried->ItemNumber), slot)) return;
        worn = WornInstance(slot) ? InstanceAt(held) : nullptr;  // the falcon amulet may have taken it off
        if (worn && worn->X < 0) {
            ShowCursedMessage(page, *worn);
        } else {
            std::swap(held, CursorItem);
            if (!worn) CursorItem = kNone;
            if (carried->X < 0) carried->CurseKnown = 1;
            RecalcHero();
        }
        DrawHeroScreen(page, 1);
        PlaySoundEffect(carried->X < 0 ? "curse" : "WaterWalk");
        return;
    }
    if (!worn) return;
    if (worn->X < 0) {
        ShowCursedMessage(page, *worn);
        return;
    }
    CursorItem = held;
    held = kNone;
    RecalcHero();
    DrawHeroScreen(page, 1);
    PlaySoundEffect("WaterWalk");
}

void InspectEquipSlot(int16_t x, int16_t y, int16_t wCells, int16_t hCells, int16_t slot, int16_t page) {
    if (!AreaClicked(x, y, int16_t(30 * wCells), int16_t(30 * hCells), 0, 2, 0, 0)) return;
    if (!WornInstance(slot)) return;
    DrawHeroScreen(page, 0);
    PlaySoundEffect("Click");
    InspectBackpackItem(GameState.EquipSlots[slot]);
    DrawHeroScreen(page, 1);
}

void HandleEquipSlots(int16_t page) {
    const auto handle = [page](const SlotPlace& p) {
        EquipIntoSlot(p.x, p.y, p.w, p.h, p.slot, page);
        InspectEquipSlot(p.inspectX, p.y, p.w, p.h, p.slot, page);
    };
    for (const SlotPlace& p : kFixedSlots) handle(p);
    for (const SlotPlace& p : HandSlots()) handle(p);
}

namespace {

void InspectItem(int16_t instance, int16_t showPrices) {
    const ItemInstance* inst = InstanceAt(instance);
    if (!inst || inst->ItemNumber == kNone) return;
    const int16_t type = ItemTypeOf(inst->ItemNumber);
    if (type == kKeyringItem)
        ShowKeyring();
    else if (type == kGemstoneBag)
        RunGembag();
    else
        ShowItemInfo(100, 120, inst->ItemNumber, inst->X, inst->Y, inst->CurseKnown, 1, showPrices, showPrices, -1,
                     0);
    HoldBox(2);
}

}  // namespace

void InspectBackpackItem(int16_t instance) { InspectItem(instance, 1); }
void InspectStoredItem(int16_t instance) { InspectItem(instance, 0); }
void InspectBagItem(int16_t instance) { InspectBackpackItem(instance); }

void ShowKeyring() {
    BltFast(BackSurface, 0, 0, BookPicture, FullScreenRect, kBltKeyed);
    DrawSmallText(80, 80, "Keys in your possession:", kSmallBlack);
    int16_t shown = 0, x = 80, y = 80;
    for (int16_t key : GameState.Keyring) {
        const ItemRecord* r = ItemRecordOf(key);
        if (key == kNone || !r) continue;
        if (shown++ == 11) {  // the left page holds eleven; the rest go right
            x = 340;
            y = 80;
        }
        y = int16_t(y + 25);
        if (r->ItemPicture >= 0 && size_t(r->ItemPicture) < ItemPictures.size())
            BltFast(BackSurface, x, y, ItemPictures[size_t(r->ItemPicture)], ViewPieceRects[0], kBltKeyed);
        DrawSmallText(int16_t(x + 40), int16_t(y + 10), FieldText(r->ItemName), kSmallBlack);
    }
}

void DrawGembag() {
    BltFast(BackSurface, 0, 0, HeroScreenPicture, FullScreenRect, kBltOpaque);
    BltFast(BackSurface, 0, 0, BookPicture, FullScreenRect, kBltKeyed);
    DrawSmallText(80, 80, "Gems in your GemBag:", kSmallBlack);
    for (int16_t i = 0; i < 9; ++i) {
        const int16_t gem = int16_t(kFirstGem + i);
        const int16_t y = int16_t(110 + 30 * i);
        const ItemRecord& r = ItemTable[size_t(gem)];
        if (r.ItemPicture >= 0 && size_t(r.ItemPicture) < ItemPictures.size())
            BltFast(BackSurface, 80, y - 2, ItemPictures[size_t(r.ItemPicture)], ViewPieceRects[0], kBltKeyed);
        DrawSmallText(120, int16_t(y + 10), FieldText(r.ItemName), kSmallBlack);
        const int16_t count = GameState.GembagCounts[i];
        if (count <= 0)
            DrawSmallText(190, int16_t(y + 10), "0", kSmallRed);
        else
            DrawSmallText(190, int16_t(y + 10), std::to_string(count), kSmallBlack);
        DrawIcon(BackSurface, 220, y + 4, kRightArrowIcon);
    }
    constexpr std::pair<int16_t, std::string_view> kNotes[] = {
        {120, "Click on arrow buttons to"},  {135, "remove gems from the gembag and"},
        {150, "place them in your backpack."}, {180, "Gems can be returned to the"},
        {195, "gembag by 'picking' them up"}, {210, "with the cursor and clicking"},
        {225, "on the gembag."}};
    for (const auto& [y, text] : kNotes) DrawSmallText(340, y, text, kSmallBlack);
    DrawSmallText(340, 275, "Note: Gemlore spells can only be", kSmallBlue);
    DrawSmallText(340, 290, "activated with gems that are in", kSmallBlue);
    DrawSmallText(340, 305, "your Gembag.", kSmallBlue);
    DrawButton(440, 400, 4, "Done");
}

void RunGembag() {
    Screen screen("gem bag");
    const auto draw = [] {
        DrawGembag();
        Flip();
    };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        // The arrows lie in the column (212, 109, 36 x 270); each is tested on its own.
        for (int16_t i = 0; i < 9; ++i) {
            if (!AreaClicked(215, int16_t(113 + 30 * i), 20, 20, 0, 1, 1, 1)) continue;
            int16_t& count = GameState.GembagCounts[i];
            if (count > 0 && GiveItem(int16_t(kFirstGem + i), 0, 0, 1)) --count;
            draw();
        }
        if (ButtonClicked(440, 400, 8, 'D', 27, 1, 1)) return;
    }
}
