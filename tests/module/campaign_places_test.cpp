// The campaign's places on the screen as a player meets them: a night's rest wherever the
// module offers one, the shrine's stone, the carter's ride, the zone names on the location
// panel and the places named on the world map.
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "adventure/adventure_loop.h"
#include "adventure/rest.h"
#include "adventure/teleport.h"
#include "data/game_state.h"
#include "data/square_kinds.h"
#include "data/text_field.h"
#include "events/event_dispatch.h"
#include "hero/derived_stats.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "tests/data/texts_shown.h"
#include "tests/module/campaign_test.h"
#include "tests/support/surface_match.h"
#include "view/hud.h"
#include "view/map_view.h"
#include "view/play_screen.h"

namespace {

constexpr int16_t kThornwick = 1, kVale = 2, kHalls = 3;
constexpr int16_t kBarrowFound = 300;

class CampaignPlacesTest : public CampaignTest {
protected:
    void SetUp() override {
        CampaignTest::SetUp();
        OpenDisplay();
        GameState.Beacon[0] = -1;
    }
    // The squares of the loaded level with that access.
    static std::vector<std::pair<int16_t, int16_t>> SquaresOf(int16_t access) {
        std::vector<std::pair<int16_t, int16_t>> found;
        for (int16_t x = 0; x < 50; ++x)
            for (int16_t y = 0; y < 50; ++y)
                if (CurrentLevel.AccessLayer[x * 50 + y] == access) found.push_back({x, y});
        return found;
    }
    static void Redraw() { DrawPlayScreen(1, 1, 0, -1, -1, 0); }
    // The text drawn in the big font in one colour, letter for letter, at (x, y) of a picture.
    static bool BigTextAt(const Surface* on, int32_t x, int32_t y, std::string_view text, int16_t colour) {
        for (size_t i = 0; i < text.size(); ++i) {
            const int32_t glyph = GlyphIndex(text[i], colour);
            if (text[i] != ' ' && !Shows(on, x + kBigAdvance * int32_t(i), y, BigGlyphs[size_t(glyph)])) return false;
        }
        return true;
    }
    // Whether the text shows anywhere on the picture in any colour of the big font.
    static bool BigTextOn(const Surface* on, std::string_view text) {
        for (int16_t colour : {kBigTeal, kBigRed, kBigBlue, kBigWhite, kBigGreen, kBigBlack})
            for (int32_t y = 0; y + 18 <= on->height; ++y)
                for (int32_t x = 0; x + kBigAdvance * int32_t(text.size()) <= on->width; ++x)
                    if (BigTextAt(on, x, y, text, colour)) return true;
        return false;
    }
};

// On every square that lets him rest, no monster is in sight; and a night there through the
// Rest button heals him and eats a ration.
TEST_F(CampaignPlacesTest, TheHeroRestsWhereverTheCampaignLetsHim) {
    for (int16_t level : ModuleLevels()) {
        ASSERT_EQ(LoadLevel(level, 1, 0), 1u);
        const auto places = SquaresOf(kSafeRestAccess);
        ASSERT_FALSE(places.empty()) << "level " << level;
        for (const auto& [x, y] : places) {
            TeleportHero(level, 0, x, y, 1);
            Redraw();
            EXPECT_EQ(CheckRestSafety(), 1) << At(level, x, y);
        }
        const auto [x, y] = places.front();
        TeleportHero(level, 0, x, y, 1);
        Redraw();
        GameState.HitPointsMax = 20;
        GameState.BaseStats[kEndurance] = 4;  // that maximum, as the night works it out
        GameState.HitPoints = 4;
        GameState.HeroFood = 2;
        host.texts.clear();
        TapKey('R');
        Run([] { Rest(); });
        EXPECT_TRUE(TextShown(host, "It appears to be safe")) << At(level, x, y);
        EXPECT_FALSE(TextShown(host, "It's not safe to rest here!")) << At(level, x, y);
        EXPECT_EQ(std::pair(GameState.HitPoints, GameState.HeroFood), std::pair(int16_t{10}, int16_t{1}))
            << At(level, x, y);
    }
}

// The shrine's word is cut into its stone, which the map view draws; no label is written over it.
TEST_F(CampaignPlacesTest, TheShrinesStoneCarriesItsWord) {
    TeleportHero(kHalls, 0, 19, 17, 1);
    host.texts.clear();
    Redraw();
    int16_t ox = 0, oy = 0;
    ComputeViewOrigin(ox, oy);
    constexpr int16_t kStone = 2249;
    EXPECT_TRUE(Shows(BackSurface, CellPixel(18 - ox), CellPixel(18 - oy), WallTiles[kStone]));
    EXPECT_EQ(CurrentLevel.AccessLayer[18 * 50 + 18], kSafeRestAccess);
    EXPECT_FALSE(TextShown(host, "REST"));
}

// The carter offers only a ride elsewhere: before the barrow is found he says so; once it is,
// a ride there, its fare on its button, takes the hero there and costs that fare.
TEST_F(CampaignPlacesTest, TheCartersRideGoesSomewhereOrHeSaysWhyNot) {
    TeleportHero(kThornwick, 0, 43, 26, 1);
    GameState.HeroGold = 20;
    host.texts.clear();
    TapKey('L');
    Run([] { RunSquareEvent(44, 26, 1, 0); });
    EXPECT_TRUE(TextShown(host, "if anyone knew where its"));
    EXPECT_FALSE(TextShown(host, "Were would you like"));
    EXPECT_EQ(GameState.CurrentLevelNumber, kThornwick);

    SetGameFlag(kBarrowFound, 1);
    host.texts.clear();
    ClickAt(480, 162);
    TapKey('Y');
    Run([] { RunSquareEvent(44, 26, 1, 0); });
    EXPECT_TRUE(ButtonShownAt(host, "Sunken Barrow, 5 gp", 475, 157, 6));
    EXPECT_EQ(std::tuple(GameState.CurrentLevelNumber, GameState.HeroX, GameState.HeroY, GameState.HeroGold),
              std::tuple(kHalls, 5, 25, 15));
}

// The carter as the map view draws him: dressed for the road, not in a wizard's black, and
// with no orb of light on a staff.
TEST_F(CampaignPlacesTest, TheCarterLooksTheCarter) {
    ASSERT_EQ(LoadLevel(kThornwick, 1, 0), 1u);
    const EventRecord* coach = EventAt(44, 26);
    ASSERT_NE(coach, nullptr);
    for (int16_t picture : {coach->Word[1], int16_t(coach->Word[1] + 1)}) {
        const Surface* figure = MonsterPictures[size_t(picture)];
        int orb = 0, drawn = 0;
        double light = 0;
        for (int32_t y = 0; y < figure->height; ++y)
            for (int32_t x = 0; x < figure->width; ++x) {
                const uint16_t p = figure->Row(y)[x];
                if (figure->keyed && p == figure->key) continue;
                const int r = (p >> 11) << 3, g = ((p >> 5) & 63) << 2, b = (p & 31) << 3;
                ++drawn;
                light += 0.3 * r + 0.59 * g + 0.11 * b;
                orb += b > 200 && g > 160 && r < 180;
            }
        EXPECT_EQ(orb, 0) << picture;
        EXPECT_GE(light / drawn, 68.0) << picture << ": a figure in dark clothes";
    }
}

// Every zone's name, written on the location panel, ends on the parchment of its scroll.
TEST_F(CampaignPlacesTest, ZoneNamesStayOnTheLocationScroll) {
    GameState.SidePanelMode = 2;
    for (int16_t level : ModuleLevels()) {
        ASSERT_EQ(LoadLevel(level, 1, 0), 1u);
        for (int16_t zone = 0; zone < 6; ++zone)
            for (int16_t s = 0; s < kSquareCount; ++s) {
                if (CurrentLevel.ZoneLayer[s] != zone) continue;
                GameState.HeroX = int16_t(s / 50);
                GameState.HeroY = int16_t(s % 50);
                host.texts.clear();
                DrawLocationPanel();
                for (const host::TextRecord& t : host.texts) {
                    if (t.y != 180) continue;
                    EXPECT_LE(t.x + kSmallAdvance * int32_t(t.text.size()), kSideScrollTextRight)
                        << "level " << level << " zone " << zone << ": " << t.text;
                }
                break;
            }
    }
}

// The map picture of the module names the town, the vale and the barrow as their levels name
// their first zones.
TEST_F(CampaignPlacesTest, TheWorldMapNamesThePlaces) {
    for (int16_t level : {kThornwick, kVale, kHalls}) {
        ASSERT_EQ(LoadLevel(level, 1, 0), 1u);
        const std::string name(FieldText(CurrentLevel.ZoneNames[0]));
        EXPECT_TRUE(BigTextOn(WorldMapSurfaces[0], name)) << name;
    }
}

}  // namespace
