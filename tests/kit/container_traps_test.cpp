// The trap an author picks from a chest's, prised gem's or floor trap's "Trap
// Type:" list is the trap that plays: every row of the list, from the dialog to
// the pages of play, each line of them on the parchment.
#include <string>
#include <utility>
#include <vector>

#include "adventure/direction_actions.h"
#include "adventure/square_triggers.h"
#include "data/game_state.h"
#include "events/chests_and_traps.h"
#include "hero/derived_stats.h"
#include "kit/events/event_labels.h"
#include "platform/fonts.h"
#include "platform/keys.h"
#include "tests/data/texts_shown.h"
#include "tests/kit/event_editor_test.h"
#include "view/hud.h"

namespace {

constexpr int16_t kChest = 1242, kPrise = 1245, kFloorTrap = 1256, kStatusFlag = 300;

struct TrapRow {
    const char* label;
    std::vector<const char*> triggered;  // the lines of "You triggered ..." from y 120
    const char* kind;                    // as the pages name it
    const char* outcome;                 // what it did: the kind of the damage, or the poison
};
// Row k of the list; the prise offers the first six, the floor trap seven.
const TrapRow kRows[] = {
    {"Blade", {"You triggered a blade", "trap!"}, "a blade trap!", "physical damage!"},
    {"Spear", {"You triggered a spear", "trap!"}, "a spear trap!", "physical damage!"},
    {"Acid Spray", {"You triggered an acid", "spray trap!"}, "an acid spray trap!", "acid damage!"},
    {"Cold Ray", {"You triggered a cold", "blast trap!"}, "a cold blast trap!", "cold damage!"},
    {"Electrical", {"You triggered an", "electrical", "discharge trap!"}, "an electrical discharge trap!",
     "electrical damage!"},
    {"Fire Blast", {"You triggered a fire", "blast trap!"}, "a fire blast trap!", "fire damage!"},
    {"Poison Dart", {"You triggered a poison", "dart trap!"}, "a poison dart trap!", "You are immune to poison!"},
    {"Poison Cloud", {"You triggered a poison", "cloud trap!"}, "a poison cloud trap!", "You are immune to poison!"},
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
    // The lines of the pages, one after another as drawn.
    std::string PagesRead() const {
        std::string read;
        for (const auto& t : host.texts)
            if (t.x == 465) read += t.text + " ";
        return read;
    }
    // Find the trap, then spring it: what the two pages said, every line on the parchment.
    void ExpectPages(int row, const std::vector<int>& keys, std::string_view found, void (*run)()) {
        const TrapRow& r = kRows[row];
        host.texts.clear();
        for (int key : keys) TapKey(key);
        Run(run);
        const std::string read = PagesRead();
        EXPECT_NE(read.find(std::string(found) + " "), std::string::npos) << r.label << ": " << read;
        EXPECT_NE(read.find("You triggered " + std::string(r.kind)), std::string::npos) << r.label;
        for (size_t k = 0; k < r.triggered.size(); ++k)
            EXPECT_TRUE(TextShownAt(host, r.triggered[k], 465, int32_t(120 + 12 * k))) << r.label;
        const int32_t below = int32_t(12 * (r.triggered.size() - 2));
        EXPECT_TRUE(TextShownAt(host, r.outcome, 465, 168 + below, 91) || TextShownAt(host, r.outcome, 465, 156 + below))
            << r.label;
        for (const auto& t : host.texts)
            if (t.x == 465) EXPECT_LE(t.x + kSmallAdvance * int32_t(t.text.size()), kSideScrollTextRight) << t.text;
    }
};

TEST_F(ContainerTrapsTest, EveryRowOfTheListsPlaysAsItsTrap) {
    struct List {
        int16_t type;
        int x, y, rows;
        std::vector<std::pair<int, int16_t>> words;  // 1d1 damage, the status flag, no skill needed, dodged at 20
        std::vector<int> keys;                       // through the finding page and the trap's page
        const char* found;                           // the finding page, before the kind
        void (*run)();
    };
    const List lists[] = {
        {kChest, 115, 175, 8, {{6, 1}, {7, 1}, {8, 0}, {9, kStatusFlag}, {31, 0}, {10, 20}}, {'F', 'B', 'O', 'B', 'D'},
         "You located",
         [] {
             int result = 0;
             RunChestEvent(kX, kY, 1, 0, result);
         }},
        {kPrise, 115, 145, 6, {{2, 1}, {3, 1}, {4, 0}, {5, kStatusFlag}, {19, 0}, {21, 20}}, {'F', 'B', 'P', 'B', 'D'},
         "You located",
         [] {
             int result = 0;
             RunPriseEvent(kX, kY, 1, 0, result);
         }},
        {kFloorTrap, 115, 190, 7, {{1, -1}, {4, 0}, {6, 1}, {7, 1}, {8, 0}, {9, kStatusFlag}, {10, 20}}, {'L', 'B'},
         "You examine the",
         [] {
             RunDisarmTrap(kX, kY);
             RunTrapEvent(kX, kY);
         }},
    };
    for (const List& list : lists) {
        for (int row = 0; row < list.rows; ++row) {
            PickTrap(list.type, list.x, list.y, row);
            for (auto [word, value] : list.words) EventAt(kX, kY)->Word[word] = value;
            ReadyHero();
            const std::string found = std::string(list.found) + " " +
                                      (list.type == kFloorTrap ? kRows[row].label + std::string(" trap!") : kRows[row].kind);
            ExpectPages(row, list.keys, found, list.run);
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
