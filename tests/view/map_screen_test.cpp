// The map screen: what the automap shows, the notes, NPC information and the city map.
#include "view/map_screen.h"

#include <cstring>
#include <tuple>

#include "data/campaign_tables.h"
#include "data/text_field.h"
#include "platform/input.h"
#include "tests/view/view_test.h"
#include "view/city_map.h"

namespace {

class MapScreenTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        CustomCampaign.DurwichEnabled = 1;
        CustomCampaign.WorldMapPages = 0;
    }
    static void Seen(int x, int y) { GameState.AutomapSeen[0][x * 50 + y] = 'R'; }
    static bool MiniAt(int x, int y, int tile) {
        return Shows(BackSurface, 20 + 8 * x, 20 + 8 * y, MiniWallTiles[size_t(tile)]);
    }
    void RunMapScreen() {
        TapKey(27);
        Run([] { MapScreen(); });
    }
    static LevelScript& PutScript(int slot, const char* title) {
        auto& s = ScriptTable[size_t(slot)];
        s = std::make_unique<LevelScript>();
        std::strcpy(s->Record.Title, title);
        return *s;
    }
};

TEST_F(MapScreenTest, SeenSquaresOfTheHerosZone) {
    CurrentLevel.BottomLayer[21 * 50 + 20] = 30;
    CurrentLevel.BottomLayer[22 * 50 + 20] = 31;
    CurrentLevel.BottomLayer[23 * 50 + 20] = 32;
    CurrentLevel.ZoneLayer[22 * 50 + 20] = 1;
    CurrentLevel.ZoneLayer[23 * 50 + 20] = 2;
    for (int x = 20; x <= 23; ++x) Seen(x, 20);
    DrawAutomap(0);
    EXPECT_TRUE(MiniAt(21, 20, 30));
    EXPECT_TRUE(MiniAt(22, 20, 320));  // zone 1 apart from zone 0
    EXPECT_TRUE(MiniAt(23, 20, 320));  // another zone, though seen
    EXPECT_TRUE(MiniAt(24, 20, 320));  // unseen
    EXPECT_TRUE(MiniAt(20, 20, 1380));
    EXPECT_TRUE(Drawn("You (X=20,Y=20)"));

    CurrentLevel.ZoneSuppressFlag[1] = 60;  // zones 0 and 1 as one; open passage hides its top
    CurrentLevel.ZoneSuppressValue[1] = 1;
    CurrentLevel.TopLayer[22 * 50 + 20] = 33;
    DrawAutomap(0);
    EXPECT_TRUE(MiniAt(22, 20, 33));
    GameState.GameFlags[60] = 1;
    DrawAutomap(0);
    EXPECT_TRUE(MiniAt(22, 20, 31));

    // Zone 5 has no map, but the legend and buttons remain.
    for (int s = 0; s < kSquareCount; ++s) CurrentLevel.ZoneLayer[s] = 5;
    host.texts.clear();
    DrawAutomap(0);
    EXPECT_TRUE(Drawn("No map overview available!"));
    EXPECT_TRUE(MiniAt(21, 20, 320));
    EXPECT_TRUE(Drawn("Back"));
}

TEST_F(MapScreenTest, NotesAddedDeletedAndLimited) {
    ClickAt(200, 200);
    Keys({"ab", 13});
    RunMapScreen();
    const MapNote& note = GameState.MapNotes[0];
    EXPECT_EQ(note.Level, 0);
    EXPECT_EQ(note.X, 200);
    EXPECT_EQ(note.Y, 196);
    EXPECT_STREQ(note.Text, "ab");
    const host::TextRecord& shown = host.texts.back();  // the note, last of the redraw
    EXPECT_EQ(std::tuple(shown.text, shown.x, shown.y, shown.colour), std::tuple("ab", 200, 196, 91));

    // A click on the note deletes it rather than adding one.
    ClickAt(205, 200);
    RunMapScreen();
    EXPECT_EQ(GameState.MapNotes[0].Level, -1);
    EXPECT_EQ(FindFreeNote(), 0);

    // Notes of other levels count towards the 500 too.
    for (MapNote& n : GameState.MapNotes) n = {4, 100, 100, "x"};
    ClickAt(200, 200);
    TapKey(13);
    RunMapScreen();
    EXPECT_TRUE(Drawn("Maximum of 500 notes"));
    EXPECT_EQ(FindFreeNote(), -1);
    EXPECT_EQ(DeleteNotesAt(100, 100), 0);  // not this level's
}

TEST_F(MapScreenTest, NpcInformationWithTheQuestItGave) {
    LevelScript& script = PutScript(3, "Old Brann");
    script.Record.Code[300] = 11;  // a quest given late in the script
    script.Record.Operand[300][0] = 17;
    GameState.QuestStates[17] = 1;
    QuestTextRecord& quest = QuestTextTable[17];
    std::strcpy(quest.Line[0], "The Lost Ring");
    std::strcpy(quest.Line[1], "Find the ring.");
    std::strcpy(quest.Line[2], "Bring it back.");
    PutEvent(30, 30, 1246, {{4, 3}});
    EXPECT_EQ(FindNpcQuest(3), 17);
    EXPECT_EQ(FindNpcQuest(4), -1);

    host.MoveMouse(20 + 8 * 30 + 3, 20 + 8 * 30 + 3).Hold(2, 5);
    RunMapScreen();
    EXPECT_TRUE(Drawn("Old Brann"));
    EXPECT_TRUE(Drawn("Coordinates: X=30 , Y=30"));
    const host::TextRecord* title = Text("The Lost Ring");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(std::tuple(title->x, title->y, title->colour), std::tuple(130, 250, 182));
    EXPECT_EQ(Text("Bring it back.")->y, 280);

    GameState.QuestStates[17] = 2;
    host.texts.clear();
    host.MoveMouse(20 + 8 * 30 + 3, 20 + 8 * 30 + 3).Hold(2, 5);
    RunMapScreen();
    EXPECT_EQ(Text("Coordinates: X=30 , Y=30")->x, 180);
    EXPECT_FALSE(Drawn("Active Quest:"));
}

TEST_F(MapScreenTest, CityMapDistrictsAndTheirOffsetAreas) {
    ClickAt(490, 255);                          // Durwich Map
    host.MoveMouse(250, 233).Hold(2, 5);        // the top of the Academic box: not its area
    host.MoveMouse(250, 312).Hold(2, 5);        // below the box: still its area
    TapKey(27);
    RunMapScreen();
    EXPECT_EQ(std::count_if(host.texts.begin(), host.texts.end(),
                            [](const host::TextRecord& t) { return t.text == "Academic District"; }),
              1);
    EXPECT_EQ(Text("The Warlock's Gem (X=41, Y=4)")->y, 220);
    EXPECT_TRUE(Drawn("City of Durwich"));

    CustomCampaign.DurwichEnabled = 0;
    host.texts.clear();
    host.Hold('D', 3);
    RunMapScreen();
    EXPECT_FALSE(Drawn("Durwich Map"));
    EXPECT_FALSE(Drawn("City of Durwich"));
}

}  // namespace

namespace {

TEST_F(MapScreenTest, TheZoneNameStandsUnderTheLedgesEdge) {
    // The name is drawn at (30, 440), big font (18 rows), over the ledge of the slate; the
    // ledge's bright gilt edge must run above it, not through it.
    SetFieldText(CurrentLevel.ZoneNames[0], "Thornwick Market");
    DrawAutomap(0);
    const host::TextRecord* name = nullptr;
    for (const auto& t : host.texts)
        if (t.text == "Thornwick Market") name = &t;
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(std::tuple(name->x, name->y), std::tuple(30, 440));
    const auto bright = [](uint16_t p) { return (p >> 11) > 20 && ((p >> 5) & 63) > 36; };
    int gilt = 0;
    for (int32_t y = 440; y < 458; ++y)
        for (int32_t x = 30; x < 30 + 10 * 16; ++x) gilt += bright(SlatePicture->Row(y)[x]);
    EXPECT_EQ(gilt, 0);
}

}  // namespace
