// The trap an author picks from a chest's or prised gem's "Trap Type:" list is
// the trap that plays: every row of the list, from the dialog to the pages of
// play.
#include <string>
#include <utility>
#include <vector>

#include "data/game_state.h"
#include "events/chests_and_traps.h"
#include "hero/derived_stats.h"
#include "kit/events/event_labels.h"
#include "platform/fonts.h"
#include "platform/keys.h"
#include "tests/data/texts_shown.h"
#include "tests/kit/event_editor_test.h"

namespace {

constexpr int16_t kChest = 1242, kPrise = 1245, kStatusFlag = 300;

struct TrapRow {
    const char* label;
    const char* triggered1;
    const char* triggered2;
    const char* located;
    const char* outcome;  // what it did: the kind of the damage, or the poison
};
// Row k of the list; the prise offers the first six.
const TrapRow kRows[] = {
    {"Blade", "You triggered a blade", "trap!", "a blade trap!", "physical damage!"},
    {"Spear", "You triggered a spear", "trap!", "a spear trap!", "physical damage!"},
    {"Acid Spray", "You triggered an acid", "spray trap!", "an acid spray trap!", "acid damage!"},
    {"Cold Ray", "You triggered a cold", "blast trap!", "a cold blast trap!", "cold damage!"},
    {"Electrical", "You triggered an electrical", "discharge trap!", "an electrical discharge trap!",
     "electrical damage!"},
    {"Fire Blast", "You triggered a fire", "blast trap!", "a fire blast trap!", "fire damage!"},
    {"Poison Dart", "You triggered a poison", "dart trap!", "a poison dart trap!", "You are immune to poison!"},
    {"Poison Cloud", "You triggered a poison", "cloud trap!", "a poison cloud trap!", "You are immune to poison!"},
};

class ContainerTrapsTest : public EventDialogsTest {
protected:
    // The row picked from the list of the field at (x, y); the dialog then shows
    // its label.
    void PickTrap(int16_t type, int x, int y, int row) {
        EventRecord& e = Make(type);
        if (type == kChest) e.Word[32] = 1;  // trapped
        ClickAt(x + 5, y + 5);
        ClickListRow(x, y, row);
        Edit();
        DrawNow();
        EXPECT_TRUE(TextShown(host, kRows[row].label)) << row;
    }
    // A hero who cannot dodge, feels every point and shrugs off poison, with the
    // skill to find traps but no tools to disarm them.
    static void ReadyHero() {
        GameStateRecord& g = GameState;
        g.HeroX = g.HeroY = 10;
        g.HitPoints = g.HitPointsMax = 50;
        g.Stats[kAgility] = 1;
        g.DamageReduction = 0;
        for (int16_t& r : g.Resists) r = 0;
        g.PoisonImmune = 1;
        g.Skills[kDisarmTraps] = 5;
        g.GameFlags[kStatusFlag] = -1;
    }
    // Find Traps, then spring the trap; what the two pages said.
    void ExpectPages(int row, int open, void (*run)()) {
        const TrapRow& r = kRows[row];
        host.texts.clear();
        Keys({'F', 'B', open, 'B', 'D'});
        Run(run);
        EXPECT_TRUE(TextShownAt(host, "You located", 465, 120)) << r.label;
        EXPECT_TRUE(TextShownAt(host, r.located, 465, 132)) << r.label;
        EXPECT_TRUE(TextShownAt(host, r.triggered1, 465, 120)) << r.label;
        EXPECT_TRUE(TextShownAt(host, r.triggered2, 465, 132)) << r.label;
        EXPECT_TRUE(TextShownAt(host, r.outcome, 465, 168, 91) || TextShownAt(host, r.outcome, 465, 156)) << r.label;
        for (const auto& t : host.texts)  // every line whole on the screen
            if (t.x == 465) EXPECT_LE(t.x + kSmallAdvance * int32_t(t.text.size()), 640) << t.text;
    }
};

TEST_F(ContainerTrapsTest, EveryRowOfTheListsPlaysAsItsTrap) {
    struct List {
        int16_t type;
        int x, y, rows;
        std::vector<std::pair<int, int16_t>> words;  // 1d1 damage, the status flag, no skill needed, dodged at 20
        int open;
        void (*run)();
    };
    const List lists[] = {
        {kChest, 115, 175, 8, {{6, 1}, {7, 1}, {8, 0}, {9, kStatusFlag}, {31, 0}, {10, 20}}, 'O',
         [] {
             int result = 0;
             RunChestEvent(kX, kY, 1, 0, result);
         }},
        {kPrise, 115, 145, 6, {{2, 1}, {3, 1}, {4, 0}, {5, kStatusFlag}, {19, 0}, {21, 20}}, 'P',
         [] {
             int result = 0;
             RunPriseEvent(kX, kY, 1, 0, result);
         }},
    };
    for (const List& list : lists) {
        for (int row = 0; row < list.rows; ++row) {
            PickTrap(list.type, list.x, list.y, row);
            for (auto [word, value] : list.words) EventAt(kX, kY)->Word[word] = value;
            ReadyHero();
            ExpectPages(row, list.open, list.run);
        }
    }
}

// A number that is no row of the list is no trap: the chest opens without a
// page.
TEST_F(ContainerTrapsTest, ANumberOutsideTheListIsNoTrap) {
    for (int16_t kind : {int16_t(-1), int16_t(8)}) {
        EventRecord& e = Make(kChest);
        e.Word[32] = 1;
        e.Word[5] = kind;
        e.Word[9] = kStatusFlag;
        e.Word[10] = 20;
        ReadyHero();
        host.texts.clear();
        Keys({'O', 'D'});
        Run([] {
            int result = 0;
            RunChestEvent(kX, kY, 1, 0, result);
        });
        EXPECT_FALSE(TextShown(host, "trap!")) << kind;
        EXPECT_EQ(GameState.HitPoints, 50) << kind;
        EXPECT_TRUE(TextShown(host, "Investigating...")) << kind;
    }
}

}  // namespace
