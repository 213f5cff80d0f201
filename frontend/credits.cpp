#include "credits.h"

#include <array>
#include <string_view>

#include "data/campaign_tables.h"
#include "data/text_field.h"
#include "page_frame.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/music.h"
#include "platform/source_rects.h"

namespace {

constexpr int16_t kCreditsTune = 1;

constexpr std::array<std::string_view, 10> kTesterLines = {
    "The lamplighters of the east gate",
    "The night watch of the harbour",
    "Old Hesk and her patient goats",
    "The map-makers of the moor",
    "The keepers of the Quiet Library",
    "Every pilgrim of the long road",
    "The ferrymen of the black river",
    "and everyone who played an early",
    "build and wrote down what went",
    "wrong. Thank you.",
};

}  // namespace

void DrawCredits() {
    DrawBookPage();
    DrawBigText(90, 80, "CREDITS:", kBigBlack);
    DrawSmallText(90, 120, "Campaign author:", kSmallBlue);
    DrawSmallText(90, 140, FieldText(GameIntro.CampaignAuthor), kSmallBlack);
    DrawSmallText(90, 170, "Programming, Graphics, Music:", kSmallBlue);
    DrawSmallText(90, 190, "The Vexmoor project", kSmallBlack);
    DrawSmallText(90, 220, "Play Testers", kSmallBlue);
    for (size_t k = 0; k < kTesterLines.size(); ++k)
        DrawSmallText(90, int16_t(240 + 18 * k), kTesterLines[k], kSmallBlack);
    DrawSmallText(350, 100, "Version 1.0", kSmallBlue);
    BltFast(BackSurface, 330, 95, CreditPicture, CreditPictureRect, kBltKeyed);
    DrawSmallText(350, 320, "Official website: ", kSmallBlack);
    DrawSmallText(350, 340, "none; see README.md", kSmallBlue);
    DrawBackButton();
    Flip();
}

void ShowCredits() {
    Screen screen("credits");
    DrawCredits();
    PlayTune(kCreditsTune, 0);
    for (;;) {
        LoopPass(screen, [] {
            DrawCredits();
            PlayTune(kCreditsTune, 0);
        });
        if (BackChosen()) break;
    }
    StopTune();
}
