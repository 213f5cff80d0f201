// Close door, disarm and dig: the prompt and its keys, the doors, traps and shafts, caches,
// the hidden maw and the empty hole.
#include "adventure/direction_actions.h"

#include <variant>

#include "data/square_kinds.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/give_item.h"
#include "platform/keys.h"
#include "tests/adventure/action_test.h"

namespace {

constexpr int16_t kSimpleDoor = 1233, kComplexDoor = 1234, kSecretDoor = 1235, kBuriedCache = 1282;
constexpr int16_t kThievesTools = 248;
enum Mode : int16_t { kCloseDoor, kDisarm, kDig };

class DirectionTest : public ActionTest {
protected:
    void SetUp() override {
        ActionTest::SetUp();
        for (int16_t& f : GameState.GameFlags) f = -1;
    }
    // The prompt answered by key, then the keys of what follows.
    void Act(Mode mode, int key, std::initializer_list<std::variant<const char*, int>> then = {}) {
        TapKey(key);
        Keys(then);
        Run([mode] { DirectionAction(mode); });
    }
    // A trap east of the hero: D 8, status in flag 200.
    static EventRecord& Trap(int16_t kind = 2, int16_t noXp = 0) {
        return Put(26, 25, kTrapEvent, {{4, 8}, {5, kind}, {9, 200}, {11, noXp}});
    }
    static void Skills(int16_t perception, int16_t disarm, int16_t trueSight = 0) {
        GameState.Stats[kPerception] = perception;
        GameState.Skills[kDisarmTraps] = disarm;
        GameState.TrueSight[0] = trueSight;
    }
};

TEST_F(DirectionTest, ThePromptTakesOneDirectionOnTheMapOrLeaves) {
    Act(kDig, 'L');
    EXPECT_TRUE(ShownAt("Dig hole:", 465, 120, 182));
    EXPECT_TRUE(ShownAt("Select direction or", 465, 140));
    EXPECT_TRUE(ShownAt("(L)eave", 465, 152));
    EXPECT_EQ(Shown("You dig a big hole"), 0u);

    GameState.HeroX = 49;
    Act(kDig, kRight, {27});  // off the map: the prompt stays until Esc
    EXPECT_EQ(Shown("You dig a big hole"), 0u);

    Act(kDig, kPadDown, {'L'});
    EXPECT_TRUE(ShownAt("You dig a big hole", 465, 120));
    EXPECT_TRUE(ShownAt("but discover nothing", 465, 132));
    EXPECT_TRUE(ShownAt("of interest...", 465, 144));
    EXPECT_TRUE(ButtonAt("Leave", 282));
}

TEST_F(DirectionTest, TrapsAreFoundByPerceptionSkillAndTrueSight) {
    Trap();
    // The larger of Perception and Disarm Traps, with True Sight's bonus, against D 8.
    struct Case {
        int16_t perception, disarm, trueSight;
        int spotted;
    };
    for (const Case& c : {Case{5, 6, 0, 0}, Case{9, 6, 0, 1}, Case{5, 8, 0, 1}, Case{5, 6, 2, 1}, Case{5, 6, -4, 0},
                          Case{7, 3, 1, 1}}) {
        Skills(c.perception, c.disarm, c.trueSight);
        EXPECT_EQ(TrapSpotted(26, 25), c.spotted) << c.perception << " " << c.disarm << " " << c.trueSight;
    }
    Skills(5, 6);
    Act(kDisarm, kRight);
    EXPECT_EQ(Shown("trap!"), 0u);

    GameState.TrueSight[0] = 2;
    ASSERT_EQ(GiveItem(kThievesTools, 0, 0, 1), 1);
    Act(kDisarm, kRight, {'L'});
    // Too long for its line, the text goes on a line lower at a space, and the lines below with it.
    EXPECT_TRUE(ShownAt("You examine the Acid", 465, 120));
    EXPECT_TRUE(ShownAt("Spray", 465, 132));
    EXPECT_TRUE(ShownAt("(Requires Disarm +8)", 465, 177, 182));
    EXPECT_TRUE(ShownAt("attempts to disarm it!", 465, 222));
    EXPECT_EQ(GameFlag(200), -1);  // still armed
    EXPECT_EQ(Sounded("Text"), 1u);

    // Conditions, sprung traps and squares of other events are never spotted.
    SetGameFlag(200, 1);
    EXPECT_EQ(TrapSpotted(26, 25), 0);
    SetGameFlag(200, -1);
    Trap().Word[1] = 201;
    EXPECT_EQ(TrapSpotted(26, 25), 0);
    EXPECT_EQ(TrapSpotted(25, 25), 0);
}

TEST_F(DirectionTest, DisarmingNeedsToolsAndGivesTwiceTheDifficulty) {
    Trap(7);
    Skills(3, 8);
    Act(kDisarm, kRight, {'L'});
    EXPECT_TRUE(ShownAt("You examine the Teleport", 465, 120));
    EXPECT_TRUE(ShownAt("You require Thieves Tools", 465, 165));
    EXPECT_EQ(GameFlag(200), -1);

    ASSERT_EQ(GiveItem(kThievesTools, 0, 0, 1), 1);
    Forget();
    Act(kDisarm, kRight, {'L'});
    EXPECT_TRUE(ShownAt("You have successfully", 465, 165, 182));
    EXPECT_TRUE(ShownAt("disarmed the trap!", 465, 180, 182));
    EXPECT_TRUE(ShownAt("You receive 16 xp!", 465, 210, 182));
    EXPECT_EQ(GameFlag(200), 2);
    EXPECT_EQ(GameState.HeroXp, 16);

    Forget();
    Act(kDisarm, kRight);  // disarmed: no longer spotted, nothing happens
    EXPECT_EQ(Shown("trap!"), 0u);
    EXPECT_EQ(GameState.HeroXp, 16);

    SetGameFlag(200, 0);
    Trap(2, 1);  // no reward
    Act(kDisarm, kRight, {'L'});
    EXPECT_EQ(GameFlag(200), 2);
    EXPECT_EQ(Shown("You receive 0 xp!"), 0u);
    EXPECT_EQ(GameState.HeroXp, 16);
}

TEST_F(DirectionTest, DoorsCloseOnlyWhenOpenAndEmpty) {
    struct Case {
        const char* what;
        int16_t type, word, flag;
        bool monster;
        bool closes;
    };
    const Case cases[] = {
        {"simple door open", kSimpleDoor, 2, 1, false, true},
        {"simple door shut", kSimpleDoor, 2, 0, false, false},
        {"complex door open", kComplexDoor, 7, 0, false, true},
        {"complex door open with a monster in it", kComplexDoor, 7, 0, true, false},
        {"complex door bashed", kComplexDoor, 7, 1, false, false},
        {"complex door locked", kComplexDoor, 7, 3, false, false},
        {"secret door found", kSecretDoor, 8, 1, false, true},
        {"secret door hidden", kSecretDoor, 8, -1, false, false},
    };
    for (const Case& c : cases) {
        PopulateEncounters();
        Forget();
        EventRecord& door = Put(24, 25, c.type);
        if (c.type == kSimpleDoor) {
            door.Word[2] = c.flag;
        } else {
            door.Word[c.word] = 300;
            SetGameFlag(300, c.flag);
        }
        if (c.monster) { ASSERT_EQ(AddMonsterEncounter(1, 24, 25, 0, 0), 1); }
        Act(kCloseDoor, kLeft);
        const int16_t after = c.type == kSimpleDoor ? door.Word[2] : GameFlag(300);
        const int16_t closed = c.type == kSimpleDoor ? 0 : c.type == kComplexDoor ? 2 : -1;
        EXPECT_EQ(after, c.closes ? closed : c.flag) << c.what;
        EXPECT_EQ(Sounded("Door"), c.closes ? 1u : 0u) << c.what;
        EXPECT_EQ(Sounded("no"), c.closes ? 0u : 1u) << c.what;
    }
    Forget();
    Act(kCloseDoor, kRight);  // nothing there: not even a refusal
    EXPECT_EQ(Sounded("no"), 0u);
}

TEST_F(DirectionTest, TheMawAnswersSkilledHandsAndDiggers) {
    Trap();
    Skills(9, 1);
    Access(26, 25) = kMawAccess;
    Act(kDisarm, kRight, {13});
    EXPECT_TRUE(ShownAt("There's something moving", 130, 160));
    EXPECT_EQ(Shown("trap!"), 0u);

    Forget();
    Skills(9, 0);  // no skill: the square's trap as usual
    Act(kDisarm, kRight, {'L'});
    EXPECT_EQ(Shown("There's something moving"), 0u);
    EXPECT_TRUE(ShownAt("You require Thieves Tools", 465, 177));

    Forget();
    Act(kDig, kRight, {13});
    EXPECT_TRUE(ShownAt("  about under the sand!", 130, 180));
    EXPECT_EQ(Shown("You dig a big hole"), 0u);
}

TEST_F(DirectionTest, ShaftsAreFoundByDisarmTraps) {
    Put(26, 25, kPitEvent, {{4, 3}, {9, 210}});
    Skills(20, 2);
    Act(kDisarm, kRight);
    EXPECT_EQ(Shown("A deep vertical shaft"), 0u);
    Skills(0, 3);
    Act(kDisarm, kRight, {'L'});
    EXPECT_EQ(Shown("A deep vertical shaft"), 1u);
}

TEST_F(DirectionTest, ABuriedCacheIsDugOnceAndLootedLater) {
    EventRecord& cache = Put(25, 26, kBuriedCache, {{2, 220}, {4, 221}, {5, 100}, {6, 101}});
    SetFieldText(cache.Text[0][0], "A chest lies buried!");
    Item(100, 34, 0, "Old Boot");
    Item(101, 34, 0, "Silver Cup");
    Act(kDig, 40, {'L'});
    EXPECT_TRUE(ShownAt("A chest lies buried!", 465, 120));
    EXPECT_TRUE(ButtonAt("Investigate", 260));
    EXPECT_EQ(GameFlag(220), 1);
    EXPECT_EQ(Shown("Old Boot"), 0u);

    Forget();
    Act(kDig, 40, {'1', 'D'});  // dug before: straight to the loot
    EXPECT_EQ(Shown("A chest lies buried!"), 0u);
    EXPECT_EQ(GameFlag(221), 1);
    EXPECT_EQ(GameFlag(222), -1);
    EXPECT_EQ(HasItem(100), 1);
}

}  // namespace
