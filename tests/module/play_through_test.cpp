// The default campaign played through as a player meets it: from the title, New Character
// with fixed choices and a fixed seed, then the town, the vale and the barrow, the quest item,
// the way back and the win, with the hero's flags, gold, items and level checked at each stage.
// The player is reactive: he walks by the map, fights what stands next to him and drinks a
// potion when his wounds are deep, so the fights may go either way blow by blow.
#include <algorithm>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "data/game_state.h"
#include "data/level.h"
#include "hero/carried_items.h"
#include "hero/derived_stats.h"
#include "hero/item_instances.h"
#include "platform/display.h"
#include "platform/keys.h"
#include "platform/random.h"
#include "tests/data/file_bytes.h"
#include "tests/data/texts_shown.h"
#include "tests/module/campaign_test.h"
#include "tests/module/stage_driver.h"

namespace {

// Flags, items and places of the campaign, as its files hold them.
constexpr int16_t kThornwick = 1, kVale = 2, kHalls = 3, kCrypt = 4;
constexpr int16_t kShortSword = 273, kLeatherArmour = 434, kRope = 94, kHealing = 1, kGreaterHealing = 2,
                  kAntidote = 5, kBoneKey = 125, kSeal = 591, kLetter = 187, kWolfPelt = 115, kShortBow = 429;

struct Square {
    int16_t x, y;
};

class PlayThroughTest : public CampaignTest {
protected:
    void SetUp() override {
        CampaignTest::SetUp();
        // Title pages trimmed, no pauses of play.
        WriteBytes("Mod/GameData/Option.dat", {0, 0, 2, 0, 1, 0, 0, 0, 0, 0, 3, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        host::Install(&driver);
        driver.Answer("step text", [&] { Keys({'L'}); });
        driver.Answer("trap", [&] { Keys({'B'}); });
        driver.Answer("event message", [&] { Keys({'B'}); });
        driver.Answer("message", [&] { Keys({kEnter}); });
        driver.Answer("script leave", [&] { Keys({'1'}); });
    }

    const GameStateRecord& g = GameState;
    StageDriver driver{host};
    std::vector<std::string> log;

    static int16_t Flag(int16_t f) { return GameFlag(f); }
    bool Carries(int16_t item) const { return HasItem(item) != 0; }
    bool Wears(int slot, int16_t item) const {
        return g.EquipSlots[slot] != kNone && InstanceItem(g.EquipSlots[slot]) == item;
    }
    bool OnKeyring(int16_t item) const {
        return std::find(std::begin(g.Keyring), std::end(g.Keyring), item) != std::end(g.Keyring);
    }
    // What the player did, told when the test fails.
    void Note(const std::string& what) {
        auto n = [](int32_t v) { return std::to_string(v); };
        log.push_back(what + " at level " + n(g.CurrentLevelNumber) + " (" + n(g.HeroX) + "," + n(g.HeroY) +
                      "), hp " + n(g.HitPoints) + "/" + n(g.HitPointsMax) + ", level " + n(g.HeroLevel));
    }

    // The monster standing on a square, or -1.
    int16_t MonsterAt(int16_t x, int16_t y) const {
        if (!OnMap(x, y)) return -1;
        const int16_t e = g.MonsterGrid[x * 50 + y];
        return e >= 0 && e < 50 && g.EncounterList[e].Kind == 3 ? e : int16_t(-1);
    }
    bool Blocked(int16_t x, int16_t y, Square goal) const {
        if (!OnMap(x, y)) return true;
        if (x == goal.x && y == goal.y) return false;
        const int16_t access = CurrentLevel.AccessLayer[x * 50 + y];
        if (access == 1292 || access == 1297 || access == 1298 || access == 1299 || access == 1301) return true;
        if (g.MonsterGrid[x * 50 + y] != -1 && MonsterAt(x, y) < 0) return true;  // a boulder
        if (const EventRecord* e = EventAt(x, y)) {
            switch (e->Word[0]) {
                case 1227: case 1256: case 1258: case 1259: case 1233: case 1283: case 1330: return false;
                case 1234: return GameFlag(e->Word[7]) >= 2;  // closed or locked
                case 1261: return false;  // a wall the campaign has opened by then
                case 1235: return GameFlag(e->Word[8]) != 1;
                default: return true;
            }
        }
        return false;
    }
    // The first step of a shortest way to the goal, or nothing.
    std::optional<std::pair<int, int>> StepTowards(Square goal) const {
        std::vector<int> from(2500, -1);
        std::deque<int> open{g.HeroX * 50 + g.HeroY};
        from[size_t(open.front())] = open.front();
        while (!open.empty()) {
            const int s = open.front();
            open.pop_front();
            if (s == goal.x * 50 + goal.y) {
                int at = s;
                while (from[size_t(at)] != g.HeroX * 50 + g.HeroY) at = from[size_t(at)];
                return std::pair{at / 50 - g.HeroX, at % 50 - g.HeroY};
            }
            for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                const int16_t x = int16_t(s / 50 + dx), y = int16_t(s % 50 + dy);
                if (Blocked(x, y, goal) || from[size_t(x * 50 + y)] != -1) continue;
                from[size_t(x * 50 + y)] = s;
                open.push_back(x * 50 + y);
            }
        }
        return std::nullopt;
    }
    static int32_t KeyOf(int dx, int dy) { return dx < 0 ? kLeft : dx > 0 ? kRight : dy < 0 ? kUp : kDown; }

    // A monster next to the hero, to be fought before anything else.
    std::optional<std::pair<int, int>> AdjacentMonster() const {
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            if (MonsterAt(int16_t(g.HeroX + dx), int16_t(g.HeroY + dy)) >= 0) return std::pair{dx, dy};
        return std::nullopt;
    }
    int CarriedCount(int16_t item) const {
        std::set<int16_t> instances;
        for (int16_t inst : BackpackGrid())
            if (inst != kNone && InstanceItem(inst) == item) instances.insert(inst);
        return int(instances.size());
    }
    int16_t FirstCellOf(int16_t item) const {
        for (int16_t cell = 0; cell < kGridCells; ++cell) {
            const int16_t inst = BackpackGrid()[size_t(cell)];
            if (inst != kNone && InstanceItem(inst) == item) return cell;
        }
        return -1;
    }
    void ClickCell(int16_t cell) { ClickAt(341 + 31 * (cell / 9) + 15, 108 + 31 * (cell % 9) + 15); }

    // The potion against poison or deep wounds that the hero carries, or -1.
    int16_t PotionNeeded() const {
        std::vector<int16_t> potions;
        if (g.Poisoned) potions.push_back(kAntidote);
        if (g.HitPoints * 5 <= g.HitPointsMax * 2) potions.insert(potions.end(), {kGreaterHealing, kHealing});
        for (int16_t potion : potions)
            if (FirstCellOf(potion) >= 0) return potion;
        return -1;
    }
    // On the hero screen's backpack page: the potion onto the cursor, then Use, then away.
    void Drink(int16_t potion) {
        Note("drinks " + std::to_string(potion));
        driver.Now("hero screen", [this, potion] {
            ClickCell(FirstCellOf(potion));
            driver.Now("hero screen", [this] {
                ClickAt(345, 405);
                driver.Now("hero screen", [this] { TapKey(kEsc); });
            });
        });
    }

    // A level earned: the experience bar opens the advance, where Endurance takes the point.
    void LevelUp() {
        Note("advances from level " + std::to_string(g.HeroLevel));
        ClickAt(378, 8);
        driver.Now("level advance", [this] {
            ClickAt(85, 210);
            TapKey('D');
        });
    }

    // Walks to the square (a bump when it holds an event), fighting whatever stands next to
    // the hero on the way, then carries on with `then` on the screen it names.
    void WalkTo(Square goal, std::string thenScreen, std::function<void()> then, int stepsLeft = 400) {
        driver.Now("adventure", [=, this] {
            if (stepsLeft == 0) {
                ADD_FAILURE() << "no way to (" << goal.x << "," << goal.y << ")";
                Note("stuck");
                return;
            }
            if (g.HeroX == goal.x && g.HeroY == goal.y) {
                driver.Now(thenScreen, then);
                return;
            }
            if (g.HeroLevel >= 0 && g.HeroXp >= XpTable[size_t(g.HeroLevel)]) {
                WalkTo(goal, thenScreen, then, stepsLeft);
                LevelUp();  // before the walk goes on
                return;
            }
            if (const int16_t potion = PotionNeeded(); potion >= 0) {
                Keys({'I'});
                WalkTo(goal, thenScreen, then, stepsLeft - 1);
                Drink(potion);
                return;
            }
            std::optional<std::pair<int, int>> step = AdjacentMonster();
            if (step) {
                const int16_t e = MonsterAt(int16_t(g.HeroX + step->first), int16_t(g.HeroY + step->second));
                Note("fights monster " + std::to_string(g.EncounterList[e].Monster) + " of hp " +
                     std::to_string(g.EncounterList[e].Hp));
            }
            if (!step) step = StepTowards(goal);
            if (!step) {
                ADD_FAILURE() << "no way to (" << goal.x << "," << goal.y << ")";
                Note("no way");
                return;
            }
            TapKey(KeyOf(step->first, step->second));
            const bool bump = g.HeroX + step->first == goal.x && g.HeroY + step->second == goal.y &&
                              (EventAt(goal.x, goal.y) || MonsterAt(goal.x, goal.y) >= 0);
            if (bump) {
                driver.Now(thenScreen, then);
                return;
            }
            WalkTo(goal, thenScreen, then, stepsLeft - 1);
        });
    }
    // Fights every monster of the level (or of the arena) until none is left.
    void ClearMonsters(std::function<void()> then, int roundsLeft = 300) {
        driver.Now("adventure", [=, this] {
            std::optional<Square> target;  // a square of the first monster left
            for (int16_t e = 0; e < 50; ++e) {
                const Encounter& r = g.EncounterList[e];
                if (r.Kind != 3) continue;
                for (int16_t s = 0; s < 2500; ++s)
                    if (g.MonsterGrid[s] == e) {
                        target = Square{int16_t(s / 50), int16_t(s % 50)};
                        break;
                    }
                if (target) break;
            }
            if (!target) {
                then();
                return;
            }
            if (roundsLeft == 0) {
                ADD_FAILURE() << "the fight does not end";
                return;
            }
            WalkTo(*target, "adventure", [=, this] { ClearMonsters(then, roundsLeft - 1); });
        });
    }
};

TEST_F(PlayThroughTest, TheWholeCampaign) {
    // The title: New Character.
    driver.Then("title menu", [&] { Keys({'N'}); });
    // Page 1 male; page 2 Strength and Endurance 5, Agility 3; page 3 Armsmaster 1, Critical
    // Hit 2, Disarm Traps 1, Resilience 2; page 4 the name.
    driver.Then("creation page 1", [&] {
        SeedRandom(1907);
        Keys({'M'});
        for (int key : {'S', 'S', 'S', 'S', 'E', 'E', 'E', 'E', 'A', 'A'}) TapKey(key);
        TapKey('N');
        for (int skill : {0, 3, 3, 4, 9, 9}) ClickAt(95, 148 + 18 * skill + 8);
        TapKey('N');
        host.Type("Tamsin");
        TapKey(kEnter);
    });
    // The inn: the new hero, then the pack beside the bed.
    driver.Then("adventure", [&] {
        EXPECT_EQ(std::tuple(g.CurrentLevelNumber, g.HeroX, g.HeroY), std::tuple(kThornwick, 13, 16));
        EXPECT_EQ(std::tuple(g.QuestStates[0], g.HeroGold, g.HeroFood, g.HeroLevel), std::tuple(1, 0, 0, 1));
        EXPECT_TRUE(Carries(kLetter));
        TapKey(kDown);
    });
    driver.Then("items", [&] { Keys({'I'}); });
    driver.Then("loot", [&] { Keys({'1', '2', '3', '4', '5', '6', 'D'}); });
    // Sword and armour on.
    driver.Then("adventure", [&] {
        EXPECT_EQ(std::tuple(g.HeroGold, g.HeroFood, Flag(101), Flag(106)), std::tuple(40, 5, 1, 1));
        EXPECT_TRUE(Carries(kShortSword) && Carries(kLeatherArmour) && Carries(kHealing));
        Keys({'I'});
    });
    driver.Then("hero screen", [&] {
        ClickCell(FirstCellOf(kShortSword));
        ClickAt(30, 200);
        ClickCell(FirstCellOf(kLeatherArmour));
        ClickAt(150, 190);
        TapKey(kEsc);
    });
    // To the elder in the town hall; the first step outside shows the welcome.
    driver.Then("adventure", [&] {
        EXPECT_TRUE(Wears(kWeaponSlot, kShortSword) && Wears(kArmourSlot, kLeatherArmour));
        WalkTo({7, 24}, "script select", [&] {
            EXPECT_EQ(Flag(100), 1) << "the welcome was read";
            EXPECT_FALSE(Carries(kLetter)) << "the elder took the letter";
            EXPECT_EQ(std::tuple(g.QuestStates[0], g.QuestStates[1], Flag(110)), std::tuple(2, 1, 1));
            Keys({'1'});
        });
    });
    driver.Then("script leave", [&] { Keys({'1'}); });
    // The hunter's side quest.
    driver.Then("adventure", [&] {
        EXPECT_EQ(std::tuple(g.HeroGold, g.HeroXp), std::tuple(65, 50));
        WalkTo({30, 22}, "script select", [&] { Keys({'1'}); });
    });
    driver.Then("script leave", [&] {
        EXPECT_EQ(g.QuestStates[2], 1);
        Keys({'1'});
    });
    // The shop: rope and a ration.
    driver.Then("adventure", [&] {
        WalkTo({22, 11}, "shop greeting", [&] { Keys({'E'}); });
    });
    driver.Then("shop", [&] { Keys({'5', 'B', '7', 'B', '8', 'B', 'B', 'B', 'D'}); });
    driver.Then("adventure", [&] {
        EXPECT_TRUE(Carries(kRope));
        EXPECT_EQ(std::tuple(g.HeroFood, g.HeroGold, CarriedCount(kHealing)), std::tuple(6, 7, 5));
        EXPECT_LT(g.HeroGold, 65);
        Note("shopped, gold " + std::to_string(g.HeroGold));
        // East out of the town: the edge of the map leads into the vale.
        WalkTo({49, 25}, "adventure", [&] { TapKey(kRight); });
    });
    // The vale: the wolves' den north of the road.
    driver.Then("adventure", [&] {
        EXPECT_EQ(std::tuple(g.CurrentLevelNumber, g.HeroX, g.HeroY), std::tuple(kVale, 1, 25));
        WalkTo({30, 16}, "adventure", [&] { TapKey(kUp); });
    });
    driver.Then("encounter", [&] { Keys({'C'}); });
    driver.Then("adventure", [&] {
        EXPECT_EQ(g.CurrentLevelNumber, 130) << "the arena";
        EXPECT_TRUE(TextShown(host, "Wilderness Encounter!")) << "the arena's name in the name bar";
        ClearMonsters([&] {
            WalkTo({25, 30}, "adventure", [&] {
                TapKey(kDown);  // onto the ring
                driver.Now("confirm", [&] { Keys({'Y'}); });
            });
        });
    });
    driver.Then("adventure", [&] {
        EXPECT_EQ(std::tuple(g.CurrentLevelNumber, Flag(120), g.HeroXp), std::tuple(kVale, 1, 80));
        EXPECT_TRUE(Carries(kWolfPelt));
        Note("wolves gone");
        WalkTo({44, 25}, "portal", [&] { Keys({'G'}); });
    });
    // The barrow's halls.
    driver.Then("adventure", [&] {
        EXPECT_EQ(std::tuple(g.CurrentLevelNumber, g.HeroX, g.HeroY), std::tuple(kHalls, 5, 25));
        WalkTo({22, 22}, "chest", [&] { Keys({'O'}); });
    });
    driver.Then("loot", [&] {
        EXPECT_TRUE(TextShown(host, "dart trap!")) << "the chest's trap, as the kit names it";
        Keys({'1', '2', '3', '4', 'D'});
    });
    driver.Then("adventure", [&] {
        EXPECT_EQ(std::tuple(Flag(300), Flag(316), Flag(301)), std::tuple(1, 1, 0)) << "found, trap and chest sprung";
        EXPECT_TRUE(OnKeyring(kBoneKey));
        Note("chest opened");
        WalkTo({24, 25}, "door", [&] { Keys({'U'}); });
    });
    driver.Then("adventure", [&] {
        EXPECT_EQ(Flag(311), 0) << "the iron door open";
        WalkTo({31, 28}, "loot", [&] { Keys({'1', 'D'}); });  // an urn with a potion in it
    });
    driver.Then("adventure", [&] {
        EXPECT_EQ(std::tuple(Flag(322), Flag(324)), std::tuple(1, 1));
        WalkTo({36, 22}, "switch", [&] { Keys({'T', 'L'}); });
    });
    driver.Then("adventure", [&] {
        EXPECT_EQ(Flag(313), 1) << "the grate raised";
        WalkTo({46, 25}, "portal", [&] { Keys({'G'}); });
    });
    // The crypt: the stone door, the Barrow Knight and the seal.
    driver.Then("adventure", [&] {
        EXPECT_EQ(std::tuple(g.CurrentLevelNumber, g.HeroX, g.HeroY), std::tuple(kCrypt, 4, 10));
        EXPECT_EQ(g.HeroLevel, 2) << "the experience of the vale and the halls";
        WalkTo({26, 7}, "chest", [&] { Keys({'B'}); });
    });
    driver.Then("chest", [&] { Keys({'I'}); });
    driver.Then("loot", [&] { Keys({'1', '2', '3', '4', '5', 'D'}); });
    driver.Then("adventure", [&] {
        EXPECT_EQ(Flag(405), 3) << "the chest bashed open";
        WalkTo({32, 12}, "door", [&] { Keys({'O'}); });
    });
    driver.Then("adventure", [&] {
        EXPECT_EQ(Flag(404), 1) << "the crypt's warning was read";
        ClearMonsters([&] { WalkTo({44, 12}, "items", [&] { Keys({'I'}); }); });
    });
    driver.Then("loot", [&] { Keys({'1', 'D'}); });
    driver.Then("adventure", [&] {
        EXPECT_EQ(std::tuple(Flag(412), Flag(402), Flag(403), Flag(401)), std::tuple(1, 0, 1, 1))
            << "the ghost spoke, the Knight slain, the seal taken";
        EXPECT_TRUE(Carries(kSeal));
        WalkTo({45, 16}, "portal", [&] { Keys({'G'}); });
    });
    // Home through the door of light; the hunter's reward, then the elder's.
    driver.Then("adventure", [&] {
        EXPECT_EQ(std::tuple(g.CurrentLevelNumber, g.HeroX, g.HeroY), std::tuple(kThornwick, 39, 14));
        EXPECT_EQ(g.HeroGold, 7 + 30 + 5 + 120) << "the chests' gold and a goblin's";
        WalkTo({30, 22}, "script leave", [&] { Keys({'1'}); });
    });
    driver.Then("adventure", [&] {
        EXPECT_EQ(std::tuple(g.QuestStates[2], g.HeroGold), std::tuple(2, 162 + 60));
        EXPECT_TRUE(Carries(kShortBow));
        WalkTo({7, 24}, "script select", [&] {
            EXPECT_FALSE(Carries(kSeal));
            EXPECT_EQ(g.QuestStates[1], 2);
            Note("the seal is home");
            host.Wait(50).Tap('1').Wait(400).Tap(kEsc);
        });
    });
    driver.Then("adventure", [&] {
        EXPECT_TRUE(TextShown(host, "Final score: 60%"));
        EXPECT_EQ(g.HeroGold, 162 + 60 + 200);
        EXPECT_GE(g.HeroLevel, 3);
        host.Press(kCtrl).Tap('Q').Release(kCtrl);
    });

    Run([&] { AppMain(); });
    EXPECT_TRUE(driver.Done()) << "the campaign stopped on \"" << driver.Screen() << "\"";
    if (HasFailure())
        for (const std::string& line : log) std::printf("%s\n", line.c_str());
}

}  // namespace
