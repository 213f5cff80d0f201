// The objective pages and the world-map pages: counting, paging and leaving.
#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "data/text_field.h"
#include "frontend/intro_pages.h"
#include "frontend/world_map.h"
#include "tests/frontend/frontend_test.h"

namespace {

class PagesTest : public FrontendTest {
protected:
    void SetUp() override {
        FrontendTest::SetUp();
        OpenDisplay();
        LoadDataFiles();
    }
    // The texts drawn at one place, in order.
    std::vector<std::string> ShownAt(int32_t x, int32_t y) const {
        std::vector<std::string> out;
        for (const auto& t : host.texts)
            if (t.x == x && t.y == y) out.push_back(t.text);
        return out;
    }
};

TEST_F(PagesTest, ObjectivePagesUpToTheFirstEmptyOne) {
    TapKey('D');  // no text: one empty page, and no tune
    Run([] { ShowIntroPages(); });
    EXPECT_EQ(ShownAt(490, 395), std::vector<std::string>{"Done"});
    EXPECT_FALSE(MediaSent("play currtune REPEAT"));

    host.texts.clear();
    SetFieldText(GameIntro.ObjectiveText[0], "Page one");
    SetFieldText(GameIntro.ObjectiveText[11], "Page two");
    SetFieldText(GameIntro.ObjectiveText[22], "Page three");
    SetFieldText(GameIntro.ObjectiveText[44], "Page five, never reached");
    GameIntro.ObjectivePictures[1] = 77;  // a damaged picture number shows no picture
    GameIntro.ObjectiveTune = 4;
    TapKey('N');
    TapKey('N');
    host.Hold('N', 3);  // no page after the last
    TapKey('D');
    Run([] { ShowIntroPages(); });
    EXPECT_EQ(ShownAt(490, 395), (std::vector<std::string>{"Next", "Next", "Done"}));
    EXPECT_EQ(ShownAt(415, 80), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_FALSE(TextShown(host, "Page five, never reached"));
    EXPECT_TRUE(MediaSent("open music/tune4.mp3 alias currtune"));
    EXPECT_EQ(host.mediaCommands.back(), "close currtune");
}

TEST_F(PagesTest, WorldMapPagesCycleAndTheTitleListPicks) {
    SetFieldText(CustomCampaign.WorldMapName[0], "North");
    SetFieldText(CustomCampaign.WorldMapName[1], "South");
    SetFieldText(CustomCampaign.WorldMapName[2], "Isles");
    CustomCampaign.WorldMapPages = 0;  // one page: no title field, C shows it again
    TapKey('C');
    TapKey(27);
    Run([] { ShowWorldMap(); });
    EXPECT_TRUE(ShownAt(110, 453).empty());
    EXPECT_EQ(CountShown("Hotkey: C"), 2u);

    CustomCampaign.WorldMapPages = 2;
    for (int i = 0; i < 4; ++i) TapKey('C');
    ClickAt(105, 450);           // the title field opens the list of three
    ClickAt(110, 328 + 80 + 5);  // its third row
    ClickAt(105, 450);
    TapKey(27);  // Esc in the list: page 0, still on the screen
    TapKey('B');
    Run([] { ShowWorldMap(); });
    // The field is drawn again under the list before it opens.
    EXPECT_EQ(ShownAt(110, 453), (std::vector<std::string>{"North", "South", "Isles", "North", "South", "South",
                                                           "Isles", "Isles", "North"}));
}

}  // namespace
