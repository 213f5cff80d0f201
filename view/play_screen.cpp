#include "play_screen.h"

#include <string>

#include "adventure/cheat_menu.h"
#include "adventure/game_options.h"
#include "adventure/wilderness.h"
#include "data/game_state.h"
#include "hud.h"
#include "map_view.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "view_pictures.h"

void DrawFlagMonitor() {
    DrawPanel(220, 380, 10, 2, 0, "");
    const std::string text =
        "Monitor: Flag " + std::to_string(MonitoredFlag) + " = " + std::to_string(GameFlag(MonitoredFlag));
    DrawSmallText(240, 396, text, kSmallBlue);
}

void DrawCompassAlert() {
    const int16_t hx = GameState.HeroX, hy = GameState.HeroY;
    if (!OnMap(hx, hy)) return;
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    const int16_t access = CurrentLevel.AccessLayer[Square(hx, hy)];
    // Access 407..409: close, closer, closest.
    if (access >= 407 && access <= 409) DrawTile(1735 + (access - 407), CellPixel(hx - originX), 32 * (hy - originY) - 20);
}

void DrawPlayScreen(int16_t panelMode, int16_t showView, int16_t viewMode, int16_t targetX, int16_t targetY,
                    uint32_t flip) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    int16_t originX, originY;
    ComputeViewOrigin(originX, originY);
    if (showView == 1)
        DrawMapView(originX, originY, viewMode, targetX, targetY);
    else if (showView == 0)
        BltFast(BackSurface, 5, 5, BigScroll, BigScrollRect, kBltKeyed);
    DrawVitals();
    DrawHudButtons();
    BltFast(BackSurface, 445, 83, MediumScroll, MediumScrollRect, kBltKeyed);
    if (panelMode == 1) DrawSidePanel();
    if (panelMode == 3) DrawGameOptions();
    if (WildCombatMonsters == 0) DrawBigText(150, 170, "VICTORY!", kBigWhite);
    if (showView == 1 && GameState.HeroForm == 0) DrawStatusIcons();
    if (MonitoredFlag != -1) DrawFlagMonitor();
    if (GameState.QuestStates[40] == 1) DrawCompassAlert();
    if (flip) Flip();
}
