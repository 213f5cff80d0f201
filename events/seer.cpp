#include "events/seer.h"

#include <array>
#include <string>

#include "data/game_state.h"
#include "events/event_screen.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"

namespace {

struct SeerRank {
    int16_t lowest;
    std::string_view title;
};
// By score, highest first.
constexpr std::array<SeerRank, 11> kSeerRanks = {{{101, " a Cheating Swine!."},
                                                  {100, " a Demigod."},
                                                  {90, " an Avatar."},
                                                  {80, " a Grand Champion."},
                                                  {70, " a Champion."},
                                                  {60, " a Hero"},
                                                  {50, " a Master Adventurer."},
                                                  {40, " an Expert Adventurer."},
                                                  {30, " an Adept Adventurer."},
                                                  {20, " a Neophyte Adventurer."},
                                                  {10, " a Common Adventurer."}}};

void DrawSeerReading(int16_t sex) {
    const int16_t score = GameState.Score;
    DrawServicePage("Seer");
    DrawSmallText(50, 110, "Greetings, my child. I understand that you have come to", kSmallBlack);
    DrawSmallText(50, 122, "me, seeking knowledge of your progress.", kSmallBlack);
    DrawSmallText(50, 146, sex == 0 ? "<He peers into his crystal ball>" : "<She peers into her crystal ball>",
                  kSmallBlack);
    DrawSmallText(50, 170, "I see you have completed " + std::to_string(score) + "% of your potential destiny.",
                  kSmallBlack);
    if (score < 10) {
        DrawSmallText(50, 194, "In view of your inexperience and lack of reputation,", kSmallBlue);
        DrawSmallText(50, 206, "I hereby dub thee a simple commoner.", kSmallBlue);
    } else {
        DrawSmallText(50, 194, "In view of your deeds and actions, I hearby", kSmallBlue);
        DrawSmallText(50, 206, "dub thee" + std::string(SeerTitle(score)), kSmallBlue);
    }
    DrawSmallText(50, 230, "(L)eave", kSmallBlack);
    Flip();
}

}  // namespace

std::string_view SeerTitle(int16_t score) {
    for (const SeerRank& r : kSeerRanks)
        if (score >= r.lowest) return r.title;
    return {};
}

void RunSeerReading(int16_t sex) {
    Screen screen("seer");
    const auto draw = [sex] { DrawSeerReading(sex); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (KeyPressed('L', 1, 0, 1) || KeyPressed(kEnter, 1, 0, 1) || KeyPressed(kEsc, 1, 0, 1)) return;
    }
}

void RunSeerEvent(int16_t x, int16_t y, int16_t, int16_t, int& result) {
    const auto e = ActiveEvent(x, y);
    if (!e) return;
    BeginEventScreen(result);
    Screen screen("seer");
    if (RunOneActionPage(screen, x, y, "Reading", 'R')) RunSeerReading(e->Word[5]);
}
