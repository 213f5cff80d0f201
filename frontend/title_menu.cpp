// The title menu: the hub from which every main loop is entered and to which it returns.
#include "adventure/adventure_loop.h"
#include "credits.h"
#include "data/campaign_tables.h"
#include "data/options.h"
#include "data/restore_screen.h"
#include "help.h"
#include "intro_pages.h"
#include "kit/level/construction_kit.h"
#include "new_character.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "script_search.h"
#include "settings.h"
#include "title.h"
#include "world_map.h"

namespace {

constexpr int16_t kKitIcon = 39;  // of the rune pictures

bool WorldMapOffered() { return CustomCampaign.WorldMapPages != 3; }

// The menu's text buttons: 18 units wide, left button, "Click".
bool MenuButton(int16_t y, int16_t hotkey1, int16_t hotkey2 = 0) {
    return ButtonClicked(230, y, 18, hotkey1, hotkey2, 1, 1);
}

}  // namespace

void DrawTitleMenu() {
    BltFast(BackSurface, 0, 0, TitleMenuPicture, FullScreenRect, kBltOpaque);
    if (WorldMapOffered()) DrawBigText(230, 160, "    World Map", kBigBlack);
    DrawBigText(230, 182, "    Objective", kBigBlack);
    DrawBigText(230, 204, "  New Character", kBigBlack);
    DrawBigText(230, 226, "Restore Character", kBigBlack);
    DrawBigText(230, 248, "    Settings", kBigBlack);
    DrawBigText(230, 270, "   Help Files", kBigBlack);
    DrawBigText(230, 292, "    Credits", kBigBlack);
    DrawBigText(227, 314, "      Quit", kBigBlack);
    BltFast(BackSurface, 10, 450, RunePictures[kKitIcon], ViewPieceRects[0], kBltKeyed);
    Flip();
}

void RunTitleMenu() {
    Screen screen("title menu");
    DrawTitleMenu();
    bool quit = false;
    while (!quit && !QuitProgram) {
        LoopPass(screen, DrawTitleMenu);
        if (WorldMapOffered() && MenuButton(160, 'W', 'M')) {
            ShowWorldMap();
            DrawTitleMenu();
        }
        if (!KeyDown(kCtrl) && MenuButton(182, 'O')) {
            ShowIntroPages();
            DrawTitleMenu();
        }
        if (MenuButton(204, 'N')) {
            if (NewCharacter()) AdventureLoop();
            if (QuitProgram) return;
            DrawTitleMenu();
        }
        if (MenuButton(226, 'R')) {
            if (RunRestoreScreen()) AdventureLoop();
            if (QuitProgram) return;
            DrawTitleMenu();
        }
        if (MenuButton(248, 'S')) {
            RunSettings();
            DrawTitleMenu();
        }
        if (MenuButton(270, 'H')) {
            ShowHelp();
            DrawTitleMenu();
        }
        if (MenuButton(292, 'C')) {
            ShowCredits();
            DrawTitleMenu();
        }
        if (AreaClicked(10, 450, 20, 20, 0, 1, 1, 1)) {
            RunConstructionKit();
            DrawTitleMenu();
        }
        if (KeyDown(kCtrl) && KeyPressed('U', 1, 0, 1)) {
            RunConstructionKit();
            DrawTitleMenu();
        }
        if (KeyDown(kCtrl) && KeyPressed('T', 1, 0, 1)) {
            PlaySoundEffect("Cheat");
            FindGskScripts();
            // The search's last message box would otherwise stay painted over the menu.
            DrawTitleMenu();
        }
        if (MenuButton(314, 27, 'Q')) {
            if (Options.TrimTitlePages) {
                quit = true;
            } else {
                DrawTitleMenu();
                if (Confirm(210, 175, "   Really Quit?")) quit = true;
                else DrawTitleMenu();
            }
        }
    }
}
