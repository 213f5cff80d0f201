#include "game_options.h"

#include <array>
#include <string_view>

#include "adventure_loop.h"
#include "data/game_state.h"
#include "data/options.h"
#include "data/save_slot_screen.h"
#include "frontend/settings.h"
#include "hero/derived_stats.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/music.h"
#include "platform/widgets.h"
#include "view/play_screen.h"
#include "wilderness.h"

namespace {

enum OptionAction : int16_t { kSettings, kSaveGame, kQuitGame, kBack };

struct OptionButton {
    std::string_view label;
    int16_t y;
    int16_t hotkey1, hotkey2;
    OptionAction action;
};
// Settings answers to E: S is "Save Game".
constexpr std::array<OptionButton, 4> kOptionButtons = {{
    {"Settings", 160, 'E', 0, kSettings},
    {"Save Game", 185, 'S', 0, kSaveGame},
    {"Quit Game", 210, 'Q', 0, kQuitGame},
    {"Back", 260, 27, 'B', kBack},
}};

}  // namespace

void DrawGameOptions() {
    DrawBigText(470, 120, "Game Options:", kBigBlue);
    for (const OptionButton& b : kOptionButtons) DrawButton(470, b.y, 7, b.label);
}

void ApplyMusicSetting(int16_t previousVolume) {
    if (previousVolume > 0 && Options.MusicVolume == 0) {
        GameState.CurrentTune = -1;
        StopTune();
    }
    if (previousVolume == 0 && Options.MusicVolume > 0) StartZoneMusic();
    if (GameState.CurrentTune != -1) SetTuneVolume(0);
}

uint32_t RunGameOptions(int16_t showView) {
    Screen screen("game options");
    auto redraw = [showView] { DrawPlayScreen(3, showView, 0, -1, -1, 1); };
    redraw();
    for (;;) {
        LoopPass(screen, redraw);
        for (const OptionButton& b : kOptionButtons) {
            if (!ButtonClicked(470, b.y, 14, b.hotkey1, b.hotkey2, 1, 1)) continue;
            switch (b.action) {
                case kSettings: {
                    // Each visit compares with the volume it started from.
                    const int16_t before = Options.MusicVolume;
                    RunSettings();
                    RecalcHero();  // the difficulty counts in Combat
                    ApplyMusicSetting(before);
                    break;
                }
                case kSaveGame:
                    if (WildCombatMonsters == -1) {
                        RunSaveSlotScreen();
                        return QuitAdventure;
                    }
                    ShowMessage(100, 120, "    You cannot save the", "game in wilderness combat!");
                    break;
                case kQuitGame:
                    DrawPlayScreen(3, showView, 0, -1, -1, 0);
                    if (Confirm(180, 135, "    Really Quit?")) {
                        QuitAdventure = 1;
                        return QuitAdventure;
                    }
                    break;
                case kBack: return QuitAdventure;
            }
            redraw();
        }
    }
}
