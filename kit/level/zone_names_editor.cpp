#include "zone_names_editor.h"

#include "data/level.h"
#include "data/text_field.h"
#include "kit/level/painting.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/list_chooser.h"
#include "platform/music.h"
#include "platform/number_entry.h"
#include "platform/source_rects.h"
#include "platform/text_entry.h"
#include "platform/widgets.h"
#include "view/view_pictures.h"

constinit const std::array<std::string_view, 8> ZoneConditionNames = {
    "Normal", "Very Cold", "Very Hot", "Radiation", "Biohazard", "Underwater", "Antimagic", "No teleport"};

constinit const std::array<std::string_view, 19> TuneNames = {
    "None",       "Title",       "Quest",   "Ruins",   "Swamp", "Rainstorm", "Dungeon",
    "Cavern",     "Lost Valley", "Underwater", "Metal Lotus", "Tension", "Ice", "Egypt",
    "Custom1",    "Custom2",     "Custom3", "Custom4", "Custom5"};

namespace {

int16_t ZoneY(int z) { return int16_t(85 + 60 * z); }

// The flag line of zones 1, 3 and 4: its flag and value words, null for the other zones.
struct FlagLine {
    int16_t* flag;
    int16_t* value;
    std::string_view label;
};
FlagLine FlagLineOf(int z) {
    LevelRecord& l = CurrentLevel;
    if (z == 1)
        return {&l.ZoneSuppressFlag[1], &l.ZoneSuppressValue[1],
                "If Flag         ==         suppress top layer and access"};
    if (z == 3 || z == 4)
        return {&l.ZoneConditionOffFlag[z - 3], &l.ZoneConditionOffValue[z - 3],
                "If Flag         ==         suppress condition effect (if any)"};
    return {nullptr, nullptr, {}};
}

}  // namespace

std::string_view ZoneConditionName(int16_t condition) {
    return condition >= 0 && size_t(condition) < ZoneConditionNames.size() ? ZoneConditionNames[size_t(condition)]
                                                                           : std::string_view();
}

std::string_view TuneName(int16_t tune) {
    return tune >= 0 && size_t(tune) < TuneNames.size() ? TuneNames[size_t(tune)] : std::string_view();
}

void DrawZoneNames(int16_t flip) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(18, 12, 30, 23, 1, "Define Zone Names");
    DrawDivider(28, 416, 29);
    DrawButton(400, 434, 4, "Done");
    DrawSmallText(110, 70, "Zone name                            Conditions                    Music", kSmallBlack);
    for (int z = 0; z < 6; ++z) {
        const int16_t y = ZoneY(z);
        DrawTile(kFirstZoneTile + z, 50, y);
        DrawTextField(110, y, 10, FieldText(CurrentLevel.ZoneNames[z]));
        DrawTextField(330, y, 5, ZoneConditionName(CurrentLevel.ZoneConditions[z]));
        DrawTextField(510, y, 4, TuneName(CurrentLevel.ZoneTunes[z]));
        const int16_t noteY = int16_t(y + 25);
        if (z == 0) DrawSmallText(110, noteY, "Default zone.", kSmallBlue);
        if (z == 5) DrawSmallText(110, noteY, "Mini-map unavailable in this zone.", kSmallBlue);
        const FlagLine line = FlagLineOf(z);
        if (!line.flag) continue;
        DrawSmallText(110, noteY, line.label, kSmallBlue);
        DrawTextField(155, int16_t(y + 20), 2, NumberText(*line.flag));
        DrawTextField(225, int16_t(y + 20), 2, NumberText(*line.value));
    }
    if (flip) Flip();
}

void RunZoneNamesEditor() {
    Screen screen("define zone names");
    auto draw = [] { DrawZoneNames(1); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (int z = 0; z < 6; ++z) {
            const int16_t y = ZoneY(z);
            if (ButtonClicked(510, y, 10, 0, 0, 1, 1)) {
                CurrentLevel.ZoneTunes[z] = PickTune(CurrentLevel.ZoneTunes[z]);
                draw();
            }
            if (ButtonClicked(110, y, 20, 0, 0, 1, 1)) {
                EnterText(110, y, CurrentLevel.ZoneNames[z], 0, 25, 1, 0, -1, -1, -1, -1);
                draw();
            }
            if (ButtonClicked(330, y, 10, 0, 0, 1, 1)) {
                int16_t& c = CurrentLevel.ZoneConditions[z];
                c = c >= 0 && c < 7 ? int16_t(c + 1) : int16_t(0);
                draw();
            }
            const FlagLine line = FlagLineOf(z);
            if (!line.flag) continue;
            if (ButtonClicked(155, int16_t(y + 20), 4, 0, 0, 1, 1)) {
                *line.flag = EnterNumber(155, int16_t(y + 20), 2, -1, 7999);
                draw();
            }
            if (ButtonClicked(225, int16_t(y + 20), 4, 0, 0, 1, 1)) {
                *line.value = EnterNumber(225, int16_t(y + 20), 2, -1, 7999);
                draw();
            }
        }
        if (ButtonClicked(400, 434, 8, kEsc, 'D', 1, 1)) return;
    }
}

void DrawMusicSelector(int16_t playing, int16_t selection, int16_t flip) {
    DrawZoneNames(0);
    DrawPanel(60, 50, 19, 10, 1, "Music Selector");
    DrawSmallText(100, 110, "Track:", kSmallBlack);
    DrawChoiceField(150, 105, 8, TuneName(selection));
    DrawButton(350, 105, 3, playing != -1 ? "Stop" : "Play");
    DrawDivider(70, 195, 18);
    DrawButton(290, 213, 4, "Done");
    if (flip) Flip();
}

int16_t PickTune(int16_t current) {
    Screen screen("music selector");
    const int16_t count = int16_t(TuneNames.size());
    // Opens at the zone's tune, so that Done after only listening keeps it.
    int16_t selection = current >= 0 && current < count ? current : int16_t(0);
    int16_t playing = -1;
    auto draw = [&] { DrawMusicSelector(playing, selection, 1); };
    auto stop = [&] {
        if (playing == -1) return;
        StopTune();
        playing = -1;
    };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (ButtonClicked(150, 105, 18, 0, 0, 1, 1)) {
            stop();
            for (int16_t t = 0; t < count; ++t) SetListRow(size_t(t), TuneNames[size_t(t)]);
            DrawMusicSelector(playing, selection, 0);
            const int16_t chosen = ChooseFromList(150, 105, 9, 14, selection, count, 1);
            if (chosen >= 0 && chosen < count) selection = chosen;
            draw();
        }
        if (playing == -1 && ButtonClicked(350, 105, 6, 'P', 0, 1, 1)) {
            if (selection > 0) {
                PlayTune(int16_t(selection - 1), 1);
                playing = selection;
            }
            draw();
        } else if (playing != -1 && ButtonClicked(350, 105, 6, 'S', 0, 1, 1)) {
            stop();
            draw();
        }
        if (ButtonClicked(290, 213, 8, 'D', kEsc, 1, 1)) {
            stop();
            return selection;
        }
    }
}
