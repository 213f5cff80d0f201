#include "journal.h"

#include <string>

#include "data/campaign_tables.h"
#include "data/game_state.h"
#include "data/text_field.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/widgets.h"
#include "quests.h"
#include "view/play_screen.h"

namespace {

constexpr int16_t kQuestsShown = 3;
constexpr int16_t kAwardsShown = 15;
constexpr int16_t kAwardStep = 5;

// An entry past the list's end, or one naming no quest, counts as empty.
int16_t Entry(const int16_t (&list)[kQuestCount], int32_t i) {
    if (i < 0 || i >= kQuestCount) return -1;
    const int16_t q = list[i];
    return q >= 0 && q < kQuestCount ? q : int16_t{-1};
}

void DrawPageStart(std::string_view heading) {
    DrawPlayScreen(1, 0, 0, -1, -1, 0);
    DrawBigText(50, 50, heading, kBigBlue);
    DrawBigText(50, 60, "----------------------------------", kBigBlack);
}

void DrawPageButtons(std::string_view first) {
    DrawButton(90, 385, 5, first);
    DrawButton(250, 385, 2, "Prev");
    DrawButton(300, 385, 2, "Next");
    DrawButton(350, 385, 2, "Done");
    Flip();
}

int16_t CountActiveQuests() {
    int16_t n = 0;
    for (int16_t s : GameState.QuestStates)
        if (s == 1) ++n;
    return n;
}

}  // namespace

void DrawActiveQuestsPage(int16_t first) {
    DrawPageStart("Currently Active Quests:");
    int16_t y = 80, shown = 0;
    for (int32_t i = first; i < kQuestCount && shown < kQuestsShown; ++i) {
        const int16_t q = Entry(GameState.ActiveQuests, i);
        if (q == -1) continue;
        const QuestTextRecord& text = QuestTextTable[size_t(q)];
        auto line = [&y](std::string_view s, int16_t colour) {
            if (s.empty()) return;
            y = int16_t(y + 12);
            DrawSmallText(50, y, s, colour);
        };
        line(FieldText(text.Line[0]), kSmallRed);
        line(FieldText(text.ReturnAddress), kSmallBlue);
        for (int l = 1; l < 6; ++l) line(FieldText(text.Line[l]), kSmallBlack);
        y = int16_t(y + 12);
        ++shown;
    }
    if (shown < kQuestsShown) DrawSmallText(50, int16_t(y + 12), "- End of quest list -", kSmallRed);
    DrawPageButtons("Awards");
}

void DrawAwardsPage(int16_t first) {
    DrawPageStart("Awards and Honours");
    int16_t y = 90;
    for (int32_t i = first; i < first + kAwardsShown; ++i) {
        const int16_t q = Entry(GameState.Awards, i);
        if (q == -1) continue;
        DrawSmallText(50, y, std::to_string(i + 1), kSmallBlack);
        DrawSmallText(75, y, FieldText(QuestTextTable[size_t(q)].Award), kSmallBlue);
        y = int16_t(y + 19);
    }
    if (GameState.AwardCount == 0) DrawSmallText(50, 90, "You currently have no awards!", kSmallBlack);
    DrawPageButtons("Current Quests");
}

void RunJournal() {
    Screen screen("journal");
    const int16_t active = CountActiveQuests();
    bool awards = false;
    int16_t firstQuest = 0, firstAward = 0;
    auto redraw = [&] {
        if (awards) DrawAwardsPage(firstAward);
        else DrawActiveQuestsPage(firstQuest);
    };
    redraw();
    for (;;) {
        LoopPass(screen, redraw);
        if (!awards) {
            if (ButtonClicked(90, 385, 10, 'A', 0, 1, 1)) {
                awards = true;
                redraw();
            }
            if (ButtonClicked(250, 385, 4, 'P', 0, 1, 1)) {
                if (firstQuest > 0) --firstQuest;
                redraw();
            }
            if (ButtonClicked(300, 385, 4, 'N', 0, 1, 1)) {
                if (active > kQuestsShown && Entry(GameState.ActiveQuests, firstQuest + 2) != -1) ++firstQuest;
                redraw();
            }
        } else {
            if (ButtonClicked(90, 385, 10, 'C', 0, 1, 1)) {
                awards = false;
                redraw();
            }
            if (ButtonClicked(250, 385, 4, 'P', 0, 1, 1)) {
                firstAward = int16_t(firstAward > kAwardStep ? firstAward - kAwardStep : 0);
                redraw();
            }
            if (ButtonClicked(300, 385, 4, 'N', 0, 1, 1)) {
                if (Entry(GameState.Awards, firstAward + kAwardsShown) != -1) firstAward = int16_t(firstAward + kAwardStep);
                redraw();
            }
        }
        if (ButtonClicked(350, 385, 4, 'D', kEsc, 1, 1)) return;
    }
}
