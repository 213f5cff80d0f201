#include "final_score.h"

#include <array>
#include <string>
#include <string_view>

#include "data/campaign_tables.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/text_field.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/music.h"
#include "platform/source_rects.h"

namespace {

constexpr int16_t kMaxShownLines = 98;
constexpr int16_t kBandTop = 150;
constexpr int16_t kBandBottom = 330;
constexpr int16_t kLastLineStop = 280;

}  // namespace

void WinGame(int16_t line, int16_t script) {
    int16_t record = 0;
    if (script >= 0 && script < kScriptSlots && line >= 0 && line < kScriptLines && ScriptTable[size_t(script)])
        record = ScriptTable[size_t(script)]->Record.Operand[line][0];
    // Only two win texts exist; the operand is the author's and may hold anything.
    ShowFinalScore(record < 0 ? 0 : record > 1 ? 1 : record);
}

void ShowFinalScore(int16_t record) {
    Screen screen("final score");
    if (record < 0 || record > 1) record = 0;
    const WinTextRecord& text = WinTexts[size_t(record)];
    StopTune();
    if (text.Tune - 1 >= 0) PlayTune(int16_t(text.Tune - 1), 1);

    int16_t shown = 0;
    int16_t scoreLine = -1;
    for (; shown < kMaxShownLines; ++shown) {
        const std::string_view line = FieldText(text.Line[shown]);
        if (line == "!") break;
        if (line == "%") scoreLine = shown;
    }
    const std::string score = "Final score: " + std::to_string(GameState.Score) + "%";

    std::array<int16_t, kMaxShownLines> y{};
    for (int16_t i = 0; i < shown; ++i) y[size_t(i)] = int16_t(300 + 14 * i);

    do {
        screen.Pass();
        Delay(100);
        BltFast(BackSurface, 0, 0, WinPictures[size_t(record)], FullScreenRect, kBltOpaque);
        for (int16_t i = 0; i < shown; ++i) {
            int16_t& at = y[size_t(i)];
            if (at > kBandTop && y[size_t(shown - 1)] > kLastLineStop) --at;
            if (at > kBandTop && at < kBandBottom) {
                const std::string_view line = i == scoreLine ? std::string_view(score) : FieldText(text.Line[i]);
                DrawBigText(text.Indent, int16_t(at - 20), line, kBigWhite);
            }
        }
        Flip();
    } while (!KeyPressed(27, 1, 0, 1));
    StopTune();
}
