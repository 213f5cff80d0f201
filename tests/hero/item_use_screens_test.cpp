// The screens an item opens: the teleport target and the squares it refuses, the Potion of
// Stats, the book reader and the letters.
#include "hero/item_use_screens.h"

#include "data/campaign_tables.h"
#include "tests/combat/power_test.h"

namespace {

class ItemUseScreensTest : public PowerTest {};

TEST_F(ItemUseScreensTest, TheTargetSquareRefusesWhatATeleportCannotReach) {
    Monster(1);
    Place(1, 26, 25);
    CurrentLevel.AccessLayer[25 * 50 + 26] = 1292;  // a chasm
    Event(24, 25, 1242);                            // a chest
    Keys({39, 'T', 38, 39, 40, 40, 37, 37, 38, 37, 'T', 39, 38, 'T'});
    int moved = -1;
    Run([&] { moved = PickTargetSquare(1); });
    EXPECT_EQ(moved, 1);
    EXPECT_EQ(GameState.HeroX, 25);
    EXPECT_EQ(GameState.HeroY, 24);
    EXPECT_EQ(std::count(host.effects.begin(), host.effects.end(), "No"), 2);
    EXPECT_TRUE(Played("Scroll"));
    EXPECT_TRUE(TextShown(host, "Dimension Door:"));

    Keys({'T'});  // the hero's own square is free; Cancel moves nobody
    TapKey(27);
    Run([&] { moved = PickTargetSquare(0); });
    EXPECT_EQ(moved, 1);
    Run([&] { moved = PickTargetSquare(0); });
    EXPECT_EQ(moved, 0);
}

TEST_F(ItemUseScreensTest, EventsThatKeepATeleportedHeroOut) {
    struct Case {
        int16_t type, w1, w2, w3, w5, w6, w7, flag;
        int blocked;
    };
    const Case cases[] = {
        {1226, 0, 0, 0, 0, 0, 0, 0, 1},                                    // push text
        {1261, 0, 0, 0, 0, 0, 0, 0, 1},                                    // a toggle wall without condition stands
        {1261, 400, 5, 1, 1, 0, 0, 1, 1},                                  // a raised toggle wall, flying or not
        {1261, 400, 5, 1, 1, 0, 0, 0, 0}, {1233, 0, 1, 0, 0, 0, 0, 0, 0},  // an open door
        {1233, 0, 0, 0, 0, 0, 0, 0, 1},                                    // a closed one: the hero opens no door
        {1270, 0, 400, 2, 0, 0, 0, 1, 0},                                  // a bridge that stands (flag 400 >= 0)
        {1270, 1, 0, 0, 0, 400, 0, 0, 1}, {1270, 2, 0, 0, 0, 400, 0, 1, 1},
        {1246, 400, 5, 1, 0, 0, 0, 1, 1},                                  // a script figure while it shows
        {1246, 400, 5, 1, 0, 0, 0, 0, 0}, {1227, 0, 0, 0, 0, 0, 0, 0, 0},  // a step text is no obstacle
    };
    for (const Case& c : cases) {
        EventRecord& e = Event(30, 30, c.type);
        e.Word[1] = c.w1;
        e.Word[2] = c.w2;
        e.Word[3] = c.w3;
        e.Word[5] = c.w5;
        e.Word[6] = c.w6;
        e.Word[7] = c.w7;
        SetGameFlag(400, c.flag);
        EXPECT_EQ(TeleportBlockedByEvent(30, 30), c.blocked) << c.type << " " << c.w1 << " " << c.flag;
    }
    EXPECT_EQ(TeleportBlockedByEvent(-1, 60), 0);
}

TEST_F(ItemUseScreensTest, ThePotionOfStatsSpendsItsPointsOneByOne) {
    SkillBonus.LevelUpStatPoints = 2;
    GameState.BaseStats[kStrength] = GameState.Stats[kStrength] = 10;
    GameState.BaseStats[kAgility] = 8;
    host.MoveMouse(55, 185).Wait(2).Hold(1, 5);  // Strength minus: nothing raised yet
    ClickAt(80, 185);                            // Strength plus
    ClickAt(80, 185);
    ClickAt(55, 185);  // and one back
    ClickAt(80, 225);  // Agility plus
    TapKey('D');
    Run([] { RunPotionOfStats(); });
    EXPECT_EQ(GameState.BaseStats[kStrength], 11);
    EXPECT_EQ(GameState.BaseStats[kAgility], 9);
    EXPECT_EQ(GameState.StatPoints, 0);
    EXPECT_TRUE(TextShown(host, "Select a statistic to increase by +1!"));
    EXPECT_TRUE(Played("PowerUp"));

    SkillBonus.LevelUpStatPoints = -3;  // a damaged table gives no points: "Done" at once
    TapKey('D');
    Run([] { RunPotionOfStats(); });
    EXPECT_EQ(GameState.StatPoints, 0);
    EXPECT_EQ(GameState.BaseStats[kStrength], 11);
}

TEST_F(ItemUseScreensTest, TheBookTurnsItsPagesWithinItsEight) {
    SetFieldText(BookTable[1].Title, "Herbal");
    SetFieldText(BookTable[1].Line[6][0], "page seven");
    Keys({'P', 'N', 'N', 'N', 'N', 'D'});
    Run([] { ReadBook(149); });
    EXPECT_TRUE(TextShown(host, "Herbal"));
    EXPECT_TRUE(TextShown(host, "PAGES : 7,8"));
    EXPECT_TRUE(TextShown(host, "page seven"));
    EXPECT_FALSE(TextShown(host, "PAGES : 9,10"));

    host.texts.clear();
    Run([] { ReadBook(153); });  // no such book: nothing opens
    EXPECT_TRUE(host.texts.empty());
}

TEST_F(ItemUseScreensTest, LettersAndTheComputer) {
    TapKey(27);
    Run([] { ReadBrotherLetter(); });
    EXPECT_TRUE(TextShown(host, "You Brother's Letter:"));
    EXPECT_EQ(std::count_if(host.texts.begin(), host.texts.end(),
                            [](const host::TextRecord& t) { return t.x == 150 && t.y >= 116 && !t.text.empty(); }),
              13);
    TapKey(13);
    Run([] { ReadThreatLetter(); });
    TapKey('D');
    Run([] { ConsultComputer(); });
    EXPECT_TRUE(TextShown(host, "Orac"));
}

}  // namespace
