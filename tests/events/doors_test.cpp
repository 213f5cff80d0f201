// Simple, complex and secret doors.
#include "events/doors.h"

#include "events/keyring.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "tests/events/event_test.h"

namespace {

constexpr int16_t kKnock = 68, kPicks = 248, kKey = 300;

class DoorsTest : public EventTest {
protected:
    // A complex door of kind 3 (iron) whose state lives in flag 50.
    EventRecord& Door(int16_t state, int16_t key = -1) {
        GameState.GameFlags[50] = state;
        return Put(5, 5, 1234, {{1, 3}, {2, 2}, {3, 12}, {4, 6}, {5, key}, {7, 50}});
    }
};

TEST_F(DoorsTest, SimpleDoorOpensAtTheFirstBumpAndIsEnteredAtTheSecond) {
    EventRecord& door = Put(5, 5, 1233);
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(door.Word[2], 1);
    EXPECT_EQ(Played("Door"), 1u);
    EXPECT_EQ(Bump(5, 5), 1);

    door.Word[3] = 60;  // blocked while flag 60 holds 2
    door.Word[4] = 5;
    door.Word[5] = 2;
    GameState.GameFlags[60] = 2;
    host.Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ButtonAt("Leave", 282));
}

TEST_F(DoorsTest, LockedDoorButtonsFollowWhatIsCarried) {
    Item(kKey, 26, "Brass Key");
    const struct {
        bool knock, picks, key;
        std::vector<std::pair<std::string_view, int>> buttons;
    } cases[] = {
        {false, false, false, {{"Bash Open Door", 250}}},
        {true, false, false, {{"Knock Spell", 250}, {"Bash Open Door", 228}}},
        {true, true, true, {{"Knock Spell", 250}, {"Pick Lock", 228}, {"Bash Open Door", 206}, {"Use Key", 184}}},
        {false, true, true, {{"Pick Lock", 250}, {"Bash Open Door", 228}, {"Use Key", 206}}},
    };
    for (const auto& c : cases) {
        ClearHeroItems();
        Forget();
        if (c.knock) Carry(kKnock);
        if (c.picks) Carry(kPicks);
        if (c.key) AddKeyToKeyring(kKey);
        Door(3, kKey);
        host.Wait(5).Tap('L');
        EXPECT_EQ(Bump(5, 5), 0);
        EXPECT_TRUE(ShownAt("A Locked iron door.", 465, 120));
        EXPECT_EQ(ShownAt("Got Brass Key!", 465, 144, 182), c.key);
        for (const auto& [label, y] : c.buttons) EXPECT_TRUE(ButtonAt(label, y)) << label;
        EXPECT_EQ(CountShown("Use Key"), c.key ? 1u : 0u);
    }
}

TEST_F(DoorsTest, NoKeyWordNeverOffersTheKey) {
    GameState.Keyring[0] = -1;  // an empty entry is no key for word 5 = -1
    Door(3, -1);
    host.Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_FALSE(Shown("Use Key"));
}

TEST_F(DoorsTest, BashAtExactlyTheStrengthBreaksTheDoorForGood) {
    Door(3);
    GameState.Stats[kStrength] = 11;
    host.Wait(5).Tap('B').Wait(5).Tap('B').Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("(Requires Strength +12)", 465, 120, 182));
    EXPECT_EQ(GameState.GameFlags[50], 3);

    GameState.Stats[kStrength] = 12;
    host.Wait(5).Tap('B');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[50], 1);
    EXPECT_EQ(Played("Crash"), 1u);
    EXPECT_EQ(Bump(5, 5), 1);  // broken: walked through, never relocked
}

TEST_F(DoorsTest, KnockingUnderAntimagic) {
    CurrentLevel.ZoneLayer[5 * 50 + 5] = 4;
    CurrentLevel.ZoneConditions[4] = 6;
    CurrentLevel.ZoneConditionOffFlag[1] = 70;
    CurrentLevel.ZoneConditionOffValue[1] = 1;
    Carry(kKnock);
    Door(3);
    host.Wait(5).Tap('K').Wait(5).Tap('B');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("The knock spell fizzles!"));
    EXPECT_EQ(GameState.GameFlags[50], 3);
    EXPECT_EQ(HasItem(kKnock), 1);

    GameState.GameFlags[70] = 1;  // the field is lifted
    host.Wait(5).Tap('K');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[50], 0);
    EXPECT_EQ(HasItem(kKnock), 0);
    EXPECT_EQ(Played("Spell"), 1u);

    // Word 6 turns knocking off anywhere.
    Carry(kKnock);
    Door(3).Word[6] = 1;
    CurrentLevel.ZoneLayer[5 * 50 + 5] = 0;
    host.Wait(5).Tap('K').Wait(5).Tap('B');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[50], 3);
    EXPECT_EQ(HasItem(kKnock), 1);
}

TEST_F(DoorsTest, StateFlagsOutOfRange) {
    Door(7);  // used by something else: reset to its default with a box
    host.Wait(5).Tap(13).Wait(5).Tap('O');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("Door flag already used"));
    EXPECT_EQ(GameState.GameFlags[50], 0);

    Forget();
    Door(-1).Word[2] = 3;  // set to -1 by a script: reset silently, and still locked
    host.Wait(5).Tap('L');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(GameState.GameFlags[50], 3);
    EXPECT_FALSE(Shown("Door flag already used"));

    Door(0).Word[7] = 8000;  // no flag at all: the door stays shut, silently
    Forget();
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(host.effects.empty());
}

TEST_F(DoorsTest, ClosedDoorOpensOrRelocks) {
    Door(2);
    host.Wait(5).Tap('R');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ButtonAt("Open Door", 228));
    EXPECT_TRUE(ButtonAt("Relock Door", 250));
    EXPECT_EQ(GameState.GameFlags[50], 3);
    Door(2);
    host.Wait(5).Tap('O');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Bump(5, 5), 1);
}

TEST_F(DoorsTest, SecretDoorFoundAndOpened) {
    Put(5, 5, 1235, {{2, 15}, {4, 0}, {8, 80}});
    host.Wait(5).Tap('O');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(ShownAt("You find a secret door!", 465, 120));
    EXPECT_EQ(GameState.GameFlags[80], 1);
    EXPECT_EQ(Bump(5, 5), 1);

    Put(6, 5, 1235, {{2, 15}, {4, 1}, {8, 81}});  // needs Perception 15
    GameState.Stats[kPerception] = 12;
    Forget();
    EXPECT_EQ(Bump(6, 5), 0);
    EXPECT_TRUE(host.effects.empty());  // a wall
    GameState.TrueSight[0] = 3;
    host.Wait(5).Tap('L');
    EXPECT_EQ(Bump(6, 5), 0);
    EXPECT_TRUE(Shown("You find a secret door!"));
    EXPECT_EQ(GameState.GameFlags[81], -1);
}

}  // namespace
