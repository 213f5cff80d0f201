// The drag-and-drop screens of the town: while an item is held, the vault and the sell screen
// are shown again in every pass of their loops (the kept screen under the item at the mouse,
// flipped) and their grids are tested. Each benchmark
// reports its time per pass as a count of opaque 640 x 480 copies measured in the same run
// ("full_frames"). Target: at most 4.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench/full_frames.h"
#include "bench/headless_display.h"
#include "data/game_state.h"
#include "events/item_grid_screen.h"
#include "events/shop.h"
#include "events/vault.h"
#include "hero/equipment.h"
#include "platform/input.h"

namespace {

// The display with every sheet, a vault and a backpack half full, and an item held.
struct Town : HeadlessDisplay {
    Town() : HeadlessDisplay("vexmoor-town-bench") {
        for (ItemInstance& i : GameState.ItemInstances) i = {-1, -1, -1, 0, 0};
        int16_t* backpack = &GameState.Backpack[0][0];
        int16_t* vault = GameState.Vaults[0];
        std::fill_n(backpack, 81, int16_t{-1});
        std::fill_n(vault, 81, int16_t{-1});
        for (int16_t n = 1; n <= 40; ++n) {
            GameState.ItemInstances[n] = {int16_t(100 + n), 0, 0, 0, 0};
            int16_t* grid = n <= 20 ? backpack : vault;
            grid[4 * ((n - 1) % 20)] = n;
        }
        CursorItem = 1;
    }
    ~Town() {
        CursorItem = -1;
    }
};

void VaultPassWithItemHeld(benchmark::State& state) {
    Town town;
    const ItemGridView backpack = CarriedGridView(0, 341, 108);
    StillScreen still;
    DrawVaultScreen(0, 0);
    ShowAndKeepStill(still);
    ReportFrames(state, [&] {
        ShowHeldItemOver(still);
        benchmark::DoNotOptimize(HandleGridClicks(backpack, [] {}));
    });
}
BENCHMARK(VaultPassWithItemHeld);

void SellPassWithItemHeld(benchmark::State& state) {
    Town town;
    const ItemGridView backpack = CarriedGridView(0, 181, 74);
    StillScreen still;
    DrawSellScreen(0);
    ShowAndKeepStill(still);
    ReportFrames(state, [&] {
        ShowHeldItemOver(still);
        benchmark::DoNotOptimize(HandleGridClicks(backpack, [] {}));
    });
}
BENCHMARK(SellPassWithItemHeld);

}  // namespace
