// What a night shows besides sleep: the dream pages and the IF ASLEEP EVENT.
#include <array>

#include "data/campaign_tables.h"
#include "data/game_state.h"
#include "data/square_kinds.h"
#include "data/text_field.h"
#include "events/event_screen.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "rest.h"
#include "script/flags.h"
#include "square_triggers.h"
#include "teleport.h"

namespace {

constexpr int16_t kDreamPageLines = 11;
constexpr int16_t kLastDreamPage = 10;

// The first page of each dream stage 1..4; pages 5 and 8 lead on to the next.
constexpr std::array<int16_t, 4> kDreamFirstPage = {4, 5, 7, 8};
bool LeadsOn(int16_t page) { return page == 5 || page == 8; }

constexpr EventButton kLeaveOnly[] = {kLeaveOrEscButton};

}  // namespace

void DrawDreamPage(int16_t page) {
    FillScreenWithTile(1327);
    DrawPanel(50, 60, 23, 16, 1, "Troubled Dreams");
    if (page >= 1 && page <= kLastDreamPage) {
        for (int16_t i = 0; i < kDreamPageLines; ++i)
            DrawSmallText(70, int16_t(120 + 18 * i),
                          FieldText(GameIntro.ObjectiveText[(page - 1) * kDreamPageLines + i]), kSmallBlack);
        // A picture number outside the five pictures, as a damaged file may hold, shows none.
        const int16_t picture = GameIntro.ObjectivePictures[page - 1];
        if (picture >= 0 && size_t(picture) < ObjectiveSurfaces.size())
            BltFast(BackSurface, page == 7 ? 285 : 270, 100, ObjectiveSurfaces[size_t(picture)], HeroFigureRect,
                    kBltKeyed);
    }
    DrawDivider(60, 320, 22);
    DrawButton(210, 340, 6, LeadsOn(page) ? "Next" : "Done");
    Flip();
}

void ShowDream() {
    const int16_t stage = GameState.DreamStage;
    if (stage < 1 || stage > 4) return;
    Screen screen("dream");
    int16_t page = kDreamFirstPage[size_t(stage - 1)];
    auto draw = [&] { DrawDreamPage(page); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (!ButtonClicked(210, 340, 12, LeadsOn(page) ? 'N' : 'D', kEsc, 1, 1)) continue;
        if (!LeadsOn(page)) return;
        ++page;
        draw();
    }
}

void DrawIfAsleepText(int16_t x, int16_t y) {
    DrawEventTextPage(x, y, 0);
    DrawEventButtons(kLeaveOnly);
    Flip();
}

void ShowIfAsleepText(int16_t x, int16_t y) {
    const EventRecord* e = EventAt(x, y);
    if (!e || EventLine(*e, 0, 0).empty()) return;
    Screen screen("if asleep");
    WaitForEventButton(screen, [x, y] { DrawIfAsleepText(x, y); }, kLeaveOnly);
}

void RunIfAsleepEvent() {
    const int16_t x = GameState.HeroX, y = GameState.HeroY;
    const EventRecord* e = EventAt(x, y);
    if (!e || e->Word[0] != kIfAsleepEvent || !CheckFlagCondition(e->Word[1], e->Word[2], e->Word[3])) return;
    ShowIfAsleepText(x, y);
    SetGameFlag(e->Word[4], 1);
    if (e->Word[5] > 0) TeleportHero(e->Word[5], e->Word[6], e->Word[7], e->Word[8], 0);
}
