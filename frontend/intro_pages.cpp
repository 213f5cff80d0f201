#include "intro_pages.h"

#include "data/campaign_tables.h"
#include "data/text_field.h"
#include "page_frame.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/music.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

namespace {

std::string_view ObjectiveLine(int16_t page, int16_t line) {
    return FieldText(GameIntro.ObjectiveText[(page - 1) * kObjectivePageLines + line]);
}

}  // namespace

int16_t CountIntroPages() {
    int16_t pages = 0;
    while (pages < kObjectivePages && !ObjectiveLine(int16_t(pages + 1), 0).empty()) ++pages;
    return pages > 0 ? pages : 1;
}

void DrawIntroPage(int16_t page, int16_t lastPage) {
    if (page < 1 || page > kObjectivePages) return;
    DrawBookPage();
    DrawBigText(90, 80, "INTRODUCTION:", kBigBlue);
    for (int16_t i = 0; i < kObjectivePageLines; ++i)
        DrawSmallText(70, int16_t(130 + 18 * i), ObjectiveLine(page, i), kSmallBlack);
    DrawBigText(340, 80, "PAGE : ", kBigBlack);
    DrawBigText(415, 80, NumberText(page), kBigBlack);
    // A picture number outside the five pictures, as a damaged file may hold, shows none.
    const int16_t picture = GameIntro.ObjectivePictures[page - 1];
    if (picture >= 0 && size_t(picture) < ObjectiveSurfaces.size())
        BltFast(BackSurface, 340, 120, ObjectiveSurfaces[size_t(picture)], HeroFigureRect, kBltKeyed);
    DrawSmallText(420, 365, FieldText(GameIntro.ObjectiveCaptions[page - 1]), kSmallBlack);
    DrawCancelButton();
    DrawSmallText(490, 395, page == lastPage ? "Done" : "Next", kSmallBlack);
    DrawIcon(BackSurface, 530, 390, 87);
    if (page > 1) {
        DrawSmallText(375, 395, "Prev", kSmallBlack);
        DrawIcon(BackSurface, 345, 390, 88);
    }
    Flip();
}

void ShowIntroPages() {
    Screen screen("objective");
    const int16_t last = CountIntroPages();
    int16_t page = 1;
    auto redraw = [&] { DrawIntroPage(page, last); };
    redraw();
    if (GameIntro.ObjectiveTune >= 0) PlayTune(GameIntro.ObjectiveTune, 0);
    for (;;) {
        LoopPass(screen, redraw);
        if (page > 1 && AreaClicked(340, 390, 70, 20, 'P', 1, 1, 2)) {
            --page;
            redraw();
        }
        if (page < last && AreaClicked(485, 390, 70, 20, 'N', 1, 1, 2)) {
            ++page;
            redraw();
        }
        if (AreaClicked(90, 390, 70, 20, 27, 1, 1, 3) || AreaClicked(90, 390, 70, 20, 'C', 1, 1, 3)) break;
        if (page == last && AreaClicked(470, 390, 70, 20, 'D', 1, 1, 1)) break;
        if (KeyPressed(27, 1, 0, 3)) break;
    }
    StopTune();
}
