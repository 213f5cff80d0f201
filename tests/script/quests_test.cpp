// Quest states and their lists, SQU's messages, the quest chain, and the journal and rune
// book screens.
#include "script/quests.h"

#include "data/campaign_tables.h"
#include "platform/display.h"
#include "platform/keys.h"
#include "script/journal.h"
#include "script/symbol_names.h"
#include "tests/script/script_test.h"
#include "tests/support/surface_match.h"

namespace {

using Lines = std::vector<std::string>;

class QuestsTest : public ScriptTest {
protected:
    void SetUp() override {
        ScriptTest::SetUp();
        for (QuestTextRecord& q : QuestTextTable) q = {};
        for (int16_t q : {4, 5, 9}) QuestTextTable[size_t(q)].HasAward = 1;
        SetFieldText(QuestTextTable[6].Line[0], "The Lost Ring");
    }
    static std::vector<int16_t> Active() {
        return {GameState.ActiveQuests, GameState.ActiveQuests + GameState.ActiveQuestCount};
    }
    static std::vector<int16_t> Awards() { return {GameState.Awards, GameState.Awards + GameState.AwardCount}; }
};

TEST_F(QuestsTest, StateChangesKeepTheLists) {
    const struct {
        int16_t from, to;
        bool active, award;
    } cases[] = {
        {0, 1, true, false}, {0, 2, false, true}, {0, 3, false, false}, {1, 0, false, false},
        {1, 2, false, true}, {1, 3, false, false}, {2, 1, true, false}, {3, 1, true, false},
        {1, 1, true, false}, {2, 2, false, false}, {2, 0, false, false},
    };
    for (const auto& c : cases) {
        GameState.ActiveQuests[0] = GameState.Awards[0] = -1;
        GameState.ActiveQuestCount = GameState.AwardCount = 0;
        GameState.QuestStates[5] = 0;
        SetQuestState(5, c.from);
        GameState.Awards[0] = -1;
        GameState.AwardCount = 0;
        SetQuestState(5, c.to);
        EXPECT_EQ(GameState.QuestStates[5], c.to) << c.from << "->" << c.to;
        EXPECT_EQ(Active() == std::vector<int16_t>{5}, c.active) << c.from << "->" << c.to;
        EXPECT_EQ(Awards() == std::vector<int16_t>{5}, c.award) << c.from << "->" << c.to;
    }
    SetQuestState(200, 1);
    SetQuestState(-1, 1);
    EXPECT_EQ(Active(), std::vector<int16_t>{});
}

TEST_F(QuestsTest, RemovalMovesLaterEntriesUpAndListsStopAt200) {
    for (int16_t q : {7, 8, 9, 10}) SetQuestState(q, 1);
    SetQuestState(9, 2);
    SetQuestState(7, 3);
    EXPECT_EQ(Active(), (std::vector<int16_t>{8, 10}));
    EXPECT_EQ(GameState.ActiveQuests[2], -1);
    EXPECT_EQ(Awards(), std::vector<int16_t>{9});
    SetQuestState(9, 1);
    SetQuestState(9, 2);
    EXPECT_EQ(Awards(), (std::vector<int16_t>{9, 9}));  // earned twice

    for (int i = 0; i < 250; ++i) {
        AddActiveQuest(11);
        AddAward(9);
    }
    EXPECT_EQ(GameState.ActiveQuestCount, 200);
    EXPECT_EQ(GameState.AwardCount, 200);
    AddAward(6);  // no award
    EXPECT_EQ(GameState.AwardCount, 200);
}

TEST_F(QuestsTest, SetQuestWritesItsMessages) {
    EXPECT_EQ(RunLine(11, {5, 1}), (Lines{"<New quest added to log!>", ""}));
    EXPECT_EQ(Active(), std::vector<int16_t>{5});
    EXPECT_TRUE(RunLine(11, {5, 1}).empty());
    EXPECT_TRUE(RunLine(11, {5, 0}).empty());
    EXPECT_EQ(GameState.QuestStates[5], 1);
    EXPECT_TRUE(RunLine(11, {5, 4}).empty());
    EXPECT_EQ(RunLine(11, {5, 2}), (Lines{"<Quest Completed!>", ""}));
    EXPECT_EQ(Awards(), std::vector<int16_t>{5});
    EXPECT_EQ(RunLine(11, {6, 1}), (Lines{"<New quest added to log!>", ""}));
    EXPECT_EQ(RunLine(11, {6, 3}), (Lines{"<Quest Aborted: The Lost Ring!>", ""}));
    EXPECT_EQ(Active(), std::vector<int16_t>{});
    EXPECT_EQ(Awards(), std::vector<int16_t>{5});
    EXPECT_TRUE(RunLine(11, {200, 1}).empty());
}

TEST_F(QuestsTest, TheChainMovesOnOnlyFromAnActiveQuest) {
    AdvanceQuestChain(5, 6);
    EXPECT_EQ(std::tuple(GameState.QuestStates[5], GameState.QuestStates[6]), std::tuple(0, 0));
    SetQuestState(5, 1);
    AdvanceQuestChain(5, 6);
    EXPECT_EQ(std::tuple(GameState.QuestStates[5], GameState.QuestStates[6]), std::tuple(2, 1));
    EXPECT_EQ(Active(), std::vector<int16_t>{6});

    SetQuestState(0, 1);
    AdvanceQuestChain(0, 7);
    EXPECT_EQ(std::tuple(GameState.QuestStates[0], GameState.QuestStates[7]), std::tuple(1, 1));
}

class JournalTest : public QuestsTest {
protected:
    void SetUp() override {
        QuestsTest::SetUp();
        OpenDisplay();
    }
    // Quest q with a title "Quest q", a return address when asked, and one description line.
    static void MakeQuest(int16_t q, bool address = true) {
        QuestTextRecord& t = QuestTextTable[size_t(q)];
        SetFieldText(t.Line[0], ("Quest " + std::to_string(q)).c_str());
        if (address) SetFieldText(t.ReturnAddress, "Report to the mayor");
        SetFieldText(t.Line[2], ("About " + std::to_string(q)).c_str());
        SetFieldText(t.Award, ("Award " + std::to_string(q)).c_str());
        t.HasAward = 1;
    }
    // The first quest title on the newest drawing of the quest page.
    std::string FirstTitleShown() const {
        for (auto t = host.texts.rbegin(); t != host.texts.rend(); ++t)
            if (t->text == "Currently Active Quests:") {
                for (auto u = t.base(); u != host.texts.end(); ++u)
                    if (u->text.rfind("Quest ", 0) == 0) return u->text;
                return "";
            }
        return "";
    }
};

TEST_F(JournalTest, TwoQuestsFitAndNextDoesNothing) {
    MakeQuest(3, false);
    MakeQuest(8);
    SetQuestState(3, 1);
    SetQuestState(8, 1);
    TapKey('N');
    TapKey('D');
    Run([] { RunJournal(); });
    EXPECT_TRUE(host.ScriptDone());
    EXPECT_EQ(Draws("Currently Active Quests:").front(), (std::array<int32_t, 3>{50, 50, 182}));
    EXPECT_EQ(Draws("----------------------------------").front(), (std::array<int32_t, 3>{50, 60, 455}));
    // No return address: the description follows the title directly; each quest then a gap.
    EXPECT_EQ(Draws("Quest 3").front(), (std::array<int32_t, 3>{50, 92, 91}));
    EXPECT_EQ(Draws("About 3").front(), (std::array<int32_t, 3>{50, 104, 0}));
    EXPECT_EQ(Draws("Quest 8").front(), (std::array<int32_t, 3>{50, 128, 91}));
    EXPECT_EQ(Draws("Report to the mayor").front(), (std::array<int32_t, 3>{50, 140, 182}));
    EXPECT_EQ(Draws("About 8").front(), (std::array<int32_t, 3>{50, 152, 0}));
    EXPECT_EQ(Draws("- End of quest list -").front(), (std::array<int32_t, 3>{50, 176, 91}));
    EXPECT_EQ(Draws("Quest 3").size(), 2u);  // Next drew the same page again
    for (const char* label : {"Awards", "Prev", "Next", "Done"}) EXPECT_FALSE(Draws(label).empty()) << label;
}

TEST_F(JournalTest, FiveQuestsScrollOneAtATime) {
    for (int16_t q = 10; q < 15; ++q) {
        MakeQuest(q);
        SetQuestState(q, 1);
    }
    // Prev at the top stays; Next moves while the third entry from the first is in use.
    Keys({'P', 'N', 'N', 'N', 'N', kEsc});
    Run([] { RunJournal(); });
    std::vector<std::string> firsts;
    for (const auto& t : host.texts)
        if (t.text == "Currently Active Quests:") firsts.emplace_back();
        else if (t.text.rfind("Quest ", 0) == 0 && firsts.back().empty()) firsts.back() = t.text;
    EXPECT_EQ(firsts, (std::vector<std::string>{"Quest 10", "Quest 10", "Quest 11", "Quest 12", "Quest 13", "Quest 13"}));
    EXPECT_EQ(Draws("- End of quest list -").size(), 2u);  // only the pages from quest 13
}

TEST_F(JournalTest, AwardsPageByFives) {
    TapKey('A');
    TapKey('N');
    TapKey('C');
    TapKey(kEsc);
    Run([] { RunJournal(); });
    EXPECT_EQ(Draws("Awards and Honours").front(), (std::array<int32_t, 3>{50, 50, 182}));
    EXPECT_EQ(Draws("You currently have no awards!").size(), 2u);
    EXPECT_EQ(Draws("You currently have no awards!").front(), (std::array<int32_t, 3>{50, 90, 0}));
    EXPECT_EQ(Draws("Currently Active Quests:").size(), 2u);
    EXPECT_EQ(Draws("- End of quest list -").front()[1], 92);

    host.texts.clear();
    MakeQuest(4);
    for (int i = 0; i < 21; ++i) AddAward(4);
    Keys({'A', 'N', 'N', 'N', 'P', 'P', 'P', kEsc});
    Run([] { RunJournal(); });
    std::vector<std::string> firsts;
    for (const auto& t : host.texts)
        if (t.text == "Awards and Honours") firsts.emplace_back();
        else if (!firsts.empty() && firsts.back().empty() && t.x == 50 && t.y == 90) firsts.back() = t.text;
    // 21 awards: Next needs entry first + 15, so it stops at 11.
    EXPECT_EQ(firsts, (std::vector<std::string>{"1", "6", "11", "11", "6", "1", "1"}));
    EXPECT_EQ(Draws("Award 4").front(), (std::array<int32_t, 3>{75, 90, 182}));
    EXPECT_EQ(Draws("15").front()[1], 90 + 19 * 14);
}

TEST_F(JournalTest, PagesNeverReadPastTheLists) {
    // The words after each list hold what would pass for quest numbers.
    MakeQuest(5);
    MakeQuest(200 - 1);
    for (int16_t i = 0; i < 200; ++i) GameState.Awards[i] = GameState.ActiveQuests[i] = 199;
    GameState.AwardCount = GameState.ActiveQuestCount = 5;
    GameState.Tattoos[0] = 5;
    DrawAwardsPage(190);
    EXPECT_FALSE(Draws("200").empty());
    EXPECT_TRUE(Draws("201").empty());
    EXPECT_TRUE(Draws("Award 5").empty());
    DrawActiveQuestsPage(199);
    EXPECT_TRUE(Draws("Quest 5").empty());
    EXPECT_EQ(Draws("- End of quest list -").size(), 1u);
}

TEST_F(JournalTest, RuneBookPagesAndTheirEnds) {
    GameState.KnownRunes[0] = 1;
    GameState.KnownRunes[6] = 1;
    GameState.KnownHieroglyphs[39] = 1;
    Keys({'P', 'N', 'N', 'N', 'N', 'N', 'N', 'N', 'N', kEsc});
    Run([] { RunKnownSymbols(); });
    EXPECT_TRUE(host.ScriptDone());
    EXPECT_EQ(Draws("Known Runes").front(), (std::array<int32_t, 3>{80, 80, 182}));
    EXPECT_EQ(Draws("Page   of ").front(), (std::array<int32_t, 3>{400, 80, 182}));
    EXPECT_EQ(Draws("4").front(), (std::array<int32_t, 3>{502, 80, 182}));
    EXPECT_EQ(Draws("runes that you currently").front(), (std::array<int32_t, 3>{80, 150, 0}));
    EXPECT_EQ(Draws("Hieroglyphs that you currently").size(), 1u);
    EXPECT_EQ(Draws("North").front(), (std::array<int32_t, 3>{140, 200, 0}));
    EXPECT_EQ(Draws("Earth, Subterranean").front(), (std::array<int32_t, 3>{390, 210, 0}));
    EXPECT_EQ(Draws("Traitor, Heretic").front(), (std::array<int32_t, 3>{140, 330, 0}));
    EXPECT_EQ(Draws("South").size(), 0u);
    // Pages 1, 1, 2 .. 8, 8: 8 + 8 + 12 + 12 + 6 runes, 10 + 12 + 12 + 5 + 5 hieroglyphs unknown.
    EXPECT_EQ(Draws("------------").size(), 90u);
    EXPECT_EQ(Draws("Known Hieroglyphs").size(), 5u);
    for (auto [text, x] : {std::pair{"Done", 120}, {"Page select", 425}})
        EXPECT_EQ(Draws(text).front(), (std::array<int32_t, 3>{x, 395, 0}));
    // The last page shown is 8: symbols 35..40 of the hieroglyphs, the pictures whether known or not.
    EXPECT_TRUE(Shows(FrontSurface, 80, 120 + 40 * 5, HieroglyphPictures[39]));
    EXPECT_TRUE(Shows(FrontSurface, 80, 120, HieroglyphPictures[34]));
    EXPECT_TRUE(Shows(FrontSurface, 90, 390, UiIcons[86]));
}

}  // namespace
