#include "title.h"

#include <ctime>
#include <string>

#include "banner_and_intro.h"
#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "data/options.h"
#include "end_quotes.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/music.h"
#include "platform/random.h"
#include "platform/source_rects.h"

uint32_t QuitProgram = 0;
std::array<int32_t, 17> GuardWords = {666, 666, 666, 666, 666, 666, 666, 666, 666,
                                      666, 666, 666, 666, 666, 666, 666, 666};

namespace {

// The fixed volume of the title's tune.
constexpr uint32_t kFixedVolume = 1;

void StartUp() {
    WriteSourceRects();
    LoadDataFiles();
    if (!Options.TrimTitlePages) {
        PlayTune(0, kFixedVolume);
        ShowMakerBanner();
        RunTitleIntro();
        StopTune();
    }
    SeedRandom(uint32_t(std::time(nullptr)));
    host::Backend& h = host::Get();
    h.ShowCursor(true);
    host::Message skipped;
    h.PeekMessage(skipped);
}

void CheckGuardWords() {
    for (size_t n = 0; n < GuardWords.size(); ++n) {
        if (int16_t(GuardWords[n]) != 666)
            ShowMessage(50, 50, "Boundry" + std::to_string(n + 1) + " Leak!", "");
    }
}

void LeaveProgram() {
    if (!QuitProgram && !Options.TrimTitlePages && CustomCampaign.EndQuotesEnabled) ShowEndQuotes();
    FillScreenWithTile(1327);
    CheckGuardWords();
    host::Get().PostMessage(host::kMsgClose);
}

}  // namespace

void RunTitle() {
    StartUp();
    RunTitleMenu();
    LeaveProgram();
}
