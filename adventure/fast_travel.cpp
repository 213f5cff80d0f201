// Fast travel between the districts of the city (levels 1..9), once the world allows it.
#include <array>

#include "adventure_loop.h"
#include "data/game_state.h"
#include "hide.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "push_and_travel.h"
#include "teleport.h"
#include "view/play_screen.h"

namespace {

constexpr int16_t kFastTravelFlag = 1001;

struct District {
    const char* caption;
    int16_t key;
    int16_t level, x, y;
};
constexpr std::array<District, 8> kDistricts = {{
    {"(A)cademic", 'A', 6, 24, 7},
    {"A(d)ministration", 'D', 4, 28, 41},
    {"(H)arbour", 'H', 3, 29, 34},
    {"(M)erchant", 'M', 2, 12, 7},
    {"(R)esidential", 'R', 5, 9, 42},
    {"R(i)ver", 'I', 8, 25, 23},
    {"R(u)ral", 'U', 7, 16, 29},
    {"(T)emple", 'T', 1, 20, 20},
}};

int16_t DistrictY(size_t i) { return int16_t(150 + 22 * i); }

void DrawFastTravelMenu() {
    DrawPlayScreen(1, 1, 0, -1, -1, 0);
    BltFast(BackSurface, 150, 115, MediumScroll, MediumScrollRect, kBltKeyed);
    DrawSmallText(170, 130, "Fast Travel to District:", kSmallBlack);
    for (size_t i = 0; i < kDistricts.size(); ++i) DrawButton(180, DistrictY(i), 6, kDistricts[i].caption);
    DrawButton(180, 333, 6, "Cancel");
    Flip();
}

}  // namespace

int CanFastTravel() {
    // The later reasons override the earlier ones.
    int reason = -1;
    if (MonsterInSight()) reason = 1;
    if (GameFlag(kFastTravelFlag) != 1) reason = 2;
    if (GameState.CurrentLevelNumber < 1 || GameState.CurrentLevelNumber > 9) reason = 0;
    switch (reason) {
        case 0: ShowRefusal(100, 120, "  Can only fast travel", "between Durwich districts!"); return 0;
        case 1: ShowRefusal(100, 120, " You cannot fast travel", "when monsters are nearby!"); return 0;
        case 2: ShowRefusal(100, 120, " You cannot fast travel", " just yet!"); return 0;
        default: return 1;
    }
}

void FastTravelMenu() {
    Screen screen("fast travel");
    DrawFastTravelMenu();
    for (;;) {
        LoopPass(screen, DrawFastTravelMenu);
        for (size_t i = 0; i < kDistricts.size(); ++i) {
            const District& d = kDistricts[i];
            if (ButtonClicked(180, DistrictY(i), 12, d.key, 0, 1, 1)) return TeleportHero(d.level, 0, d.x, d.y, 0);
        }
        if (ButtonClicked(180, 333, 12, 'C', 27, 1, 1)) return;
    }
}
