#include "events/forge.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "data/campaign_tables.h"
#include "data/game_state.h"
#include "events/event_screen.h"
#include "events/item_grid_screen.h"
#include "events/tile_pictures.h"
#include "hero/carried_items.h"
#include "hero/hero_screen_pages.h"
#include "hero/item_grids.h"
#include "hero/item_instances.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/tabs.h"
#include "platform/widgets.h"

namespace {

constexpr std::array<std::string_view, 4> kForgeNames = {"Witches' Cauldron", "Bone Forge", "Mystic Forge",
                                                         "Forge of Deroz"};
constexpr int16_t kColumnMarkerTile = 1395, kRowMarkerTile = 1396;
constexpr int16_t kCauldronSide = 6, kIngredientPlaces = 5;
// The part of the hero screen's picture under a grid.
constexpr Rect kGridBackground{339, 107, 619, 387};

ItemGridView CauldronGrid() {
    return {.cells = std::span<int16_t>(&GameState.CauldronGrid[0][0], kCauldronSide * kCauldronSide),
            .columns = kCauldronSide,
            .rows = kCauldronSide,
            .x = 64,
            .y = 140,
            .drawX = 63,
            .drawY = 140,
            .refusedTypes = kStoreRefusedTypes};
}


using Ingredients = std::array<int16_t, kIngredientPlaces>;

// Each place of the list takes a place of the recipe not taken yet that names the same item.
bool RecipeMatches(const ForgeRecipe& recipe, const Ingredients& list) {
    std::array<bool, kIngredientPlaces> taken{};
    for (int16_t item : list) {
        bool found = false;
        for (size_t p = 0; p < taken.size() && !found; ++p) {
            if (taken[p] || recipe.ForgeReqItems[p] != item) continue;
            taken[p] = found = true;
        }
        if (!found) return false;
    }
    return true;
}

int16_t FreeInstance() {
    for (int16_t n = 1; n < kInstanceCount; ++n)
        if (GameState.ItemInstances[n].ItemNumber == kNone) return n;
    return kNone;
}

}  // namespace

void DrawForgeScreen(int16_t type, int16_t page) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    BltFast(BackSurface, 19, 107, HeroScreenPicture, kGridBackground, kBltOpaque);
    BltFast(BackSurface, 339, 107, HeroScreenPicture, kGridBackground, kBltOpaque);
    DrawCarriedGridTabs(339, 87, page);
    const bool named = type >= 0 && type < int16_t(kForgeNames.size());
    DrawTabRow(20, 87, 1, 0, {named ? kForgeNames[size_t(type)] : std::string_view()}, 6);
    DrawItemGrid(RightCarriedGrid(page));
    DrawEmptyCells(65, 140, kCauldronSide, kCauldronSide);
    for (int16_t i = 0; i < kCauldronSide; ++i) {
        DrawTilePicture(kColumnMarkerTile, 64 + 31 * i, 124);
        DrawTilePicture(kRowMarkerTile, 48, 139 + 31 * i);
    }
    DrawGridItems(CauldronGrid());
    DrawButton(105, 340, 5, "Activate");
    DrawButton(500, 440, 5, "Done");
}

void ActivateForge(int16_t type) {
    const ItemGridView cauldron = CauldronGrid();
    Ingredients list;
    list.fill(kNone);
    std::array<int16_t, kIngredientPlaces + 1> instances{};
    int16_t distinct = 0;
    for (int16_t instance : cauldron.cells) {
        if (instance == kNone || std::find(instances.begin(), instances.begin() + distinct, instance) !=
                                     instances.begin() + distinct)
            continue;
        if (distinct < kIngredientPlaces) list[size_t(distinct)] = InstanceItem(instance);
        instances[size_t(distinct)] = instance;
        if (++distinct > kIngredientPlaces) break;
    }
    const ForgeRecipe* recipe = nullptr;
    if (distinct <= kIngredientPlaces)
        for (const ForgeRecipe& r : ForgeTable)
            if (r.ForgeType == type && RecipeMatches(r, list)) {
                recipe = &r;
                break;
            }
    // The new item's instance is found before the ingredients go: without one nothing changes.
    const int16_t made = recipe && ItemRecordOf(recipe->ForgeResult[0]) ? FreeInstance() : kNone;
    if (made == kNone) {
        PlaySoundEffect("No");
        return;
    }
    PlaySoundEffect("Scroll");
    for (int16_t i = 0; i < distinct; ++i) ClearItemInstance(instances[size_t(i)]);
    std::fill(cauldron.cells.begin(), cauldron.cells.end(), kNone);
    GameState.ItemInstances[made] = {recipe->ForgeResult[0], recipe->ForgeResult[1], recipe->ForgeResult[2], 0, 0};
    int16_t w, h;
    GetItemCells(recipe->ForgeResult[0], w, h);
    for (int16_t c = 0; c < std::min(w, kCauldronSide); ++c)
        for (int16_t r = 0; r < std::min(h, kCauldronSide); ++r) cauldron.Cell(c, r) = made;
}

void RunForgeEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const EventRecord* e = EventAt(x, y);
    if (!e) return;
    const int16_t type = e->Word[1];
    BeginEventScreen(result);
    RunItemExchange("forge", CauldronGrid(), [&](int16_t page) { DrawForgeScreen(type, page); }, [&] {
        if (!ButtonClicked(105, 340, 10, 'A', 0, 1, 1)) return false;
        if (!HoldingItem()) ActivateForge(type);
        return true;
    });
}
