#include "settings.h"

#include <array>
#include <string_view>

#include "data/data_files.h"
#include "data/options.h"
#include "page_frame.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/list_chooser.h"
#include "platform/message_boxes.h"
#include "platform/number_entry.h"
#include "platform/widgets.h"

namespace {

constexpr std::array<std::string_view, 5> kDifficultyNames = {"Easy", "Tame", "Normal", "Hard", "Nasty"};
constexpr std::array<std::string_view, 6> kVolumeNames = {"Off", "Very Soft", "Soft", "Moderate", "Loud",
                                                          "Full Volume"};

// A value read from the file may lie outside the table: it shows as an empty field.
template <size_t N>
std::string_view NameOf(const std::array<std::string_view, N>& names, int16_t value) {
    return value >= 0 && size_t(value) < N ? names[size_t(value)] : std::string_view();
}

template <size_t N>
int16_t ChooseName(int16_t x, int16_t y, int16_t widthPieces, const std::array<std::string_view, N>& names,
                   int16_t current) {
    DrawSettings(0);
    for (size_t i = 0; i < N; ++i) SetListRow(i, names[i]);
    const int16_t chosen = ChooseFromList(x, y, widthPieces, int16_t(N), current, int16_t(N), 1);
    return chosen >= 0 && size_t(chosen) < N ? chosen : current;
}

struct CheckRow {
    std::string_view label;
    int16_t y;  // of the label; the box sits five pixels higher
    uint32_t OptionsRecord::*option;
};
constexpr std::array<CheckRow, 4> kCheckRows = {{
    {"Toggle walk sound:", 225, &OptionsRecord::WalkSound},
    {"Trim Title Pages:", 250, &OptionsRecord::TrimTitlePages},
    {"Idle thoughts:", 275, &OptionsRecord::IdleThoughts},
    {"Play music from CD:", 300, &OptionsRecord::CdMusic},
}};

}  // namespace

void DrawSettings(uint32_t flip) {
    DrawBookPage();
    DrawBigText(90, 80, "GAME SETTINGS:", kBigBlue);
    DrawSmallText(90, 130, "Adjust pause time for faster", kSmallBlack);
    DrawSmallText(90, 150, "computers. 0 is fastest and", kSmallBlack);
    DrawSmallText(90, 170, "100 is slowest:", kSmallBlack);
    DrawSmallText(90, 200, "Game Delay: ", kSmallBlue);
    DrawTextField(180, 195, 3, NumberText(Options.GameDelay));
    DrawSmallText(90, 250, "Adjust combat difficulty from", kSmallBlack);
    DrawSmallText(90, 270, "relatively easy to bloody", kSmallBlack);
    DrawSmallText(90, 290, "hard:", kSmallBlack);
    DrawSmallText(90, 320, "Difficulty:", kSmallBlue);
    DrawChoiceField(180, 315, 4, NameOf(kDifficultyNames, Options.Difficulty));
    DrawSmallText(340, 130, "Set volume level for all in-game", kSmallBlack);
    DrawSmallText(340, 150, "music:", kSmallBlack);
    DrawSmallText(340, 180, "Volume:", kSmallBlue);
    if (Options.CdMusic) DrawSmallText(390, 180, "Set from within windows!", kSmallRed);
    else DrawChoiceField(400, 175, 5, NameOf(kVolumeNames, Options.MusicVolume));
    for (const CheckRow& row : kCheckRows) {
        DrawSmallText(340, row.y, row.label, kSmallBlue);
        DrawCheckBox(470, int16_t(row.y - 5), Options.*row.option);
    }
    DrawCancelButton();
    DrawSmallText(475, 395, "Accept", kSmallBlack);
    DrawIcon(BackSurface, 520, 390, 87);
    if (flip) Flip();
}

void RunSettings() {
    Screen screen("settings");
    // Cancel goes back to these, not to the file: a missing or unreadable Option.dat must
    // not replace the player's options with the defaults.
    const OptionsRecord onEntry = Options;
    auto redraw = [] { DrawSettings(1); };
    redraw();
    for (;;) {
        LoopPass(screen, redraw);
        if (ButtonClicked(180, 195, 6, 0, 0, 1, 1)) {
            Options.GameDelay = EnterNumber(180, 195, 3, 0, 100);
            redraw();
        }
        if (ButtonClicked(180, 315, 10, 0, 0, 1, 1)) {
            Options.Difficulty = ChooseName(180, 315, 5, kDifficultyNames, Options.Difficulty);
            redraw();
        }
        if (!Options.CdMusic && ButtonClicked(400, 175, 12, 0, 0, 1, 1)) {
            Options.MusicVolume = ChooseName(400, 175, 6, kVolumeNames, Options.MusicVolume);
            redraw();
        }
        for (const CheckRow& row : kCheckRows) {
            if (AreaClicked(470, int16_t(row.y - 5), 15, 15, 0, 1, 1, 1)) {
                uint32_t& option = Options.*row.option;
                option = option == 1 ? 0 : 1;
                redraw();
            }
        }
        if (AreaClicked(470, 390, 70, 20, 13, 1, 1, 1) || KeyPressed('A', 1, 0, 1)) {
            // A read-only Option.dat is kept; the options hold for this run only.
            if (!SaveOptionFile()) ShowMessage(160, 155, "   - Save failed! -", "");
            return;
        }
        if (AreaClicked(90, 390, 70, 20, 27, 1, 1, 3) || KeyPressed('C', 1, 0, 3)) {
            Options = onEntry;
            return;
        }
    }
}
