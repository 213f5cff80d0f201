// The table of event types and the bump dispatch: groups, the beast veto, large NPCs.
#include "events/event_dispatch.h"
#include "kit/script/script_slots.h"
#include "tests/events/event_test.h"

namespace {

class DispatchTest : public EventTest {};

TEST_F(DispatchTest, TableHoldsTheTypesInTheirGroups) {
    int any = 0, human = 0;
    for (size_t i = 0; i < EventTypes.size(); ++i) {
        const EventType& t = EventTypes[i];
        if (i > 0) {
            EXPECT_LT(EventTypes[i - 1].number, t.number);
        }
        EXPECT_EQ(t.handler != nullptr, t.trigger == kBumpAny || t.trigger == kBumpHuman) << t.name;
        any += t.trigger == kBumpAny;
        human += t.trigger == kBumpHuman;
    }
    EXPECT_EQ(any, 19);
    EXPECT_EQ(human, 42);
    const struct {
        int16_t number;
        std::string_view name;
        EventTrigger trigger;
        uint8_t head;
    } samples[] = {{256, "WILDERNESS COMBAT EVENT", kStepOn, 1},
                   {1226, "PUSH TEXT EVENT", kBumpAny, 1},
                   {1236, "PORTAL EVENT", kBumpAny, 0},
                   {1246, "SCRIPT EVENT", kBumpHuman, 1},
                   {1257, "PIT EVENT", kBumpAny, 1},
                   {1265, "IF ASLEEP EVENT", kRestOn, 1},
                   {1277, "BEAM EVENT", kNoTrigger, 0},
                   {1329, "RETRIEVE EVENT", kBumpHuman, 0},
                   {1333, "SPAWN EVENT", kBumpAny, 1},
                   {1664, "COACH EVENT", kBumpHuman, 0},
                   {2139, "WILD PORTAL EVENT", kBumpAny, 0}};
    for (const auto& s : samples) {
        const EventType* t = FindEventType(s.number);
        ASSERT_NE(t, nullptr) << s.number;
        EXPECT_EQ(std::tuple(t->name, t->trigger, t->head), std::tuple(s.name, s.trigger, s.head)) << s.number;
    }
    for (int16_t none : {int16_t(0), int16_t(1291), int16_t(1327), int16_t(2140)})
        EXPECT_EQ(FindEventType(none), nullptr);
}

TEST_F(DispatchTest, SquaresWithoutBumpBehaviourAreEntered) {
    EXPECT_EQ(Bump(3, 3), 1);  // no event
    EXPECT_EQ(Bump(-1, 3), 1);
    Put(5, 5, 1256);             // trap
    Put(6, 5, 1247, {{5, 30}});  // monster whose kill flag is set: dead
    GameState.GameFlags[30] = 1;
    Put(7, 5, 1277);  // beam
    Put(8, 5, 1336);  // colour text
    Put(9, 5, 1291);  // no event type
    for (int16_t x = 5; x <= 9; ++x) EXPECT_EQ(Bump(x, 5), 1) << x;
    EXPECT_TRUE(host.effects.empty());
}

TEST_F(DispatchTest, BeastsRunOnlyTheFirstGroupAndNeverEnter) {
    GameState.HeroForm = 3;  // Wolf
    Put(5, 5, 1236);         // a live portal without requirement
    host.Wait(5).Tap('C');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("Text"), 1u);
    EXPECT_TRUE(ButtonAt("Go", 260));

    Forget();
    Put(6, 5, 1236, {{1, 40}, {2, 5}, {3, 1}, {21, 1}});  // inactive, hidden completely
    Put(7, 5, 1248);                                      // a shop
    EXPECT_EQ(Bump(6, 5), 0);
    EXPECT_EQ(Bump(7, 5), 0);
    EXPECT_TRUE(host.effects.empty());
    EXPECT_TRUE(host.texts.empty());
}

TEST_F(DispatchTest, RetrieveKeepsTheHeroOutAtEveryBump) {
    Put(5, 5, 1329);
    TapKey('D');  // each bump opens the retrieve screen
    EXPECT_EQ(Bump(5, 5), 0);
    TapKey('D');
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_EQ(Played("Text"), 2u);
}

TEST_F(DispatchTest, LargeNpcsAnswerFromTheirOtherSquares) {
    CreateScript(0);
    Put(10, 10, 1246, {{4, 0}, {5, 1240}});  // 2 x 2
    Put(20, 20, 1246, {{4, 0}, {5, 1150}});  // two tall
    Put(30, 30, 1246, {{4, 0}, {5, 1358}});  // 3 x 3: not extended
    const struct {
        int16_t x, y;
        int expected;
    } cases[] = {{11, 10, 0}, {10, 11, 0}, {11, 11, 0}, {12, 10, 1}, {20, 21, 0},
                 {21, 20, 1}, {21, 21, 1}, {31, 30, 1}, {30, 31, 1}};
    for (const auto& c : cases) {
        int result = -1;
        Run([&] { result = RunAdjacentScriptEvents(c.x, c.y, 1, 0); });
        EXPECT_EQ(result, c.expected) << c.x << "," << c.y;
    }
    EXPECT_EQ(Played("Text"), 4u);

    GameState.HeroForm = 4;  // a Bear meets no NPC
    int result = -1;
    Run([&] { result = RunAdjacentScriptEvents(11, 11, 1, 0); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Played("Text"), 4u);
}

TEST_F(DispatchTest, NoLargeNpcAnswersOnceAScriptHasMovedTheHero) {
    // A two-tall NPC above the bumped square teleports the hero; the two-wide one to its left
    // stands by a square he has left.
    CreateScript(0);
    CreateScript(1);
    ScriptRecord& teleport = ScriptTable[0]->Record;
    teleport.Code[0] = 36;
    const int16_t target[] = {1, 0, 40, 40, 0};
    std::copy(std::begin(target), std::end(target), teleport.Operand[0]);
    Put(11, 10, 1246, {{4, 0}, {5, 1150}});
    Put(10, 11, 1246, {{4, 1}, {5, 1008}});
    int result = -1;
    Run([&] { result = RunAdjacentScriptEvents(11, 11, 1, 0); });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(std::tuple(GameState.HeroX, GameState.HeroY), std::tuple(40, 40));
    EXPECT_EQ(Played("Text"), 1u);  // the second NPC said nothing
}

TEST_F(DispatchTest, ScriptEventsWithABadSlotOrNoScript) {
    EventRecord& talk = Put(5, 5, 1246, {{4, 3}});
    host.Wait(5).Tap(13);  // the error box
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(Shown("Error! Null script pointer!"));

    Forget();
    talk.Word[4] = 30;  // no such slot: nothing at all
    EXPECT_EQ(Bump(5, 5), 0);
    EXPECT_TRUE(host.effects.empty());

    CreateScript(2);
    talk.Word[4] = 2;
    talk.Word[12] = 1;  // silent: the hero steps on and stays hidden
    GameState.Hidden = 1;
    EXPECT_EQ(Bump(5, 5), 1);
    EXPECT_EQ(GameState.Hidden, 1u);
}

}  // namespace
