#include "events/vault.h"

#include <algorithm>
#include <string>

#include "adventure/square_triggers.h"
#include "data/game_state.h"
#include "events/event_screen.h"
#include "events/item_grid_screen.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/tabs.h"
#include "platform/widgets.h"

namespace {

enum VaultAction : int16_t { kLeave, kBuy, kEnterVault };

constexpr int16_t kVaultCount = 6;
constexpr int16_t kKeeperTiles[] = {1323, 1324, 1325, 1326};  // 2 x 2, by rows
// The part of the hero screen's picture under its grid.
constexpr Rect kGridBackground{339, 107, 619, 387};

ItemGridView VaultGrid(int16_t vault) {
    return {.cells = std::span<int16_t>(GameState.Vaults[vault], 81),
            .x = 21,
            .y = 108,
            .drawX = 20,
            .drawY = 108,
            .refusedTypes = kStoreRefusedTypes};
}

// The keeper's buttons are clicked from one pixel right of where they are drawn.
EventButton VaultButton(int16_t action, std::string_view label, int16_t y, int16_t hotkey1, int16_t hotkey2 = 0) {
    return {.action = action, .label = label, .y = y, .hotkey1 = hotkey1, .hotkey2 = hotkey2, .x = 486, .drawnX = 485};
}


}  // namespace

void DrawVaultScreen(int16_t vault, int16_t page) {
    if (vault < 0 || vault >= kVaultCount) return;
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    for (int i = 0; i < 4; ++i)
        BltFast(BackSurface, 23 + 32 * (i % 2), 20 + 32 * (i / 2), WallTiles[size_t(kKeeperTiles[i])], TileRect,
                kBltKeyed);
    BltFast(BackSurface, 19, 107, HeroScreenPicture, kGridBackground, kBltOpaque);
    BltFast(BackSurface, 339, 107, HeroScreenPicture, kGridBackground, kBltOpaque);
    DrawTabRow(20, 87, 1, 0, {"Vault"}, 6);
    DrawCarriedGridTabs(339, 87, page);
    DrawItemGrid(VaultGrid(vault));
    DrawItemGrid(RightCarriedGrid(page));
    DrawButton(500, 440, 5, "Done");
}

void BuyVault(int16_t vault, int16_t cost) {
    if (GameState.HeroGold < cost) return;
    GameState.HeroGold -= cost;
    GameState.VaultOwned[vault] = 1;
    PlaySoundEffect("Buy");
}

void RunVaultScreen(int16_t vault) {
    if (vault < 0 || vault >= kVaultCount) return;
    // An item already held stays held: it goes down on one of the grids.
    RunItemExchange("vault", VaultGrid(vault), [&](int16_t page) { DrawVaultScreen(vault, page); });
}

void RunVaultEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const auto e = ActiveEvent(x, y);
    if (!e) return;
    result = 0;
    const int16_t vault = e->Word[6];
    if (vault < 0 || vault >= kVaultCount) return;  // no such vault: nothing to show
    BeginEventScreen(result);
    const int16_t cost = std::max<int16_t>(e->Word[5], 0);
    if (cost == 0) GameState.VaultOwned[vault] = 1;
    const std::string price = "Vault Cost: " + std::to_string(cost) + " Gp";
    Screen screen("vault");
    for (;;) {
        const bool owned = GameState.VaultOwned[vault] == 1;
        const auto draw = [&] {
            DrawEventTextPage(x, y, 0);
            if (!owned) DrawSmallText(480, 230, price, kSmallBlue);
        };
        const EventButton action =
            owned ? VaultButton(kEnterVault, "Enter Vault", 260, 'E') : VaultButton(kBuy, "Buy Vault", 260, 'B');
        switch (RunEventChoice(screen, draw, {action, VaultButton(kLeave, "Leave", 282, 'L', kEsc)})) {
            case kBuy: BuyVault(vault, cost); break;
            case kEnterVault: RunVaultScreen(vault); return;
            default: return;
        }
    }
}
