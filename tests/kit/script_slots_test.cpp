// Lines and whole scripts moved, copied, created and erased, and the quest template.
#include "kit/script/script_slots.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "data/level.h"
#include "kit/events/level_records.h"
#include "kit/script/quest_template.h"

namespace {

class ScriptSlotsTest : public ::testing::Test {
protected:
    void SetUp() override { NewLevel(1); }
    void TearDown() override { FreeLevelEventsAndScripts(0); }

    static LevelScript& S(int16_t slot = 0) {
        if (!ScriptTable[size_t(slot)]) CreateScript(slot);
        return *ScriptTable[size_t(slot)];
    }
    static void Put(int16_t line, int16_t code, const char* text = nullptr, int16_t op0 = 0, int16_t slot = 0) {
        LevelScript& s = S(slot);
        s.Record.Code[line] = code;
        s.Record.Operand[line][0] = op0;
        if (text) {
            std::strcpy(GiveLineText(s, line).data(), text);
        } else {
            FreeLineText(s, line);
        }
    }
    static std::string Text(int16_t line, int16_t slot = 0) {
        const auto& t = ScriptTable[size_t(slot)]->LineText[size_t(line)];
        return t ? std::string(t->data()) : "(none)";
    }
    // Every line's presence word agrees with its text, and texts sit exactly on text codes.
    static void ExpectConsistent(int16_t slot = 0) {
        const LevelScript& s = *ScriptTable[size_t(slot)];
        for (int16_t l = 0; l < kScriptLines; ++l) {
            const bool has = s.LineText[size_t(l)] != nullptr;
            EXPECT_EQ(s.Record.Text[l], has ? 1u : 0u) << l;
            const int16_t c = s.Record.Code[l];
            EXPECT_EQ(has, c == 1 || c == 2 || c == 3 || c == 22 || c == 39) << l;
        }
    }
};

TEST_F(ScriptSlotsTest, InsertAndDelete) {
    Put(9, 7, nullptr, 9);
    Put(10, 1, "ten");
    Put(398, 2, "three ninety-eight");
    Put(399, 3, "last");
    const ScriptLineText* buffer399 = S().LineText[399].get();
    InsertScriptLine(0, 10);
    EXPECT_EQ(S().Record.Code[10], 0);
    EXPECT_EQ(Text(10), "(none)");
    EXPECT_EQ(Text(11), "ten");
    EXPECT_EQ(S().Record.Code[399], 2);
    EXPECT_EQ(Text(399), "three ninety-eight");     // line 399's own text is gone
    EXPECT_EQ(S().LineText[399].get(), buffer399);  // in line 399's buffer
    EXPECT_EQ(S().Record.Operand[9][0], 9);
    ExpectConsistent();

    Put(398, 0);
    InsertScriptLine(0, 10);  // line 398 had no text: 399's buffer is freed
    EXPECT_EQ(Text(399), "(none)");
    EXPECT_EQ(S().Record.Code[399], 0);
    ExpectConsistent();

    Put(399, 1, "x");
    InsertScriptLine(0, 399);  // only empties 399
    EXPECT_EQ(Text(399), "(none)");
    EXPECT_EQ(Text(12), "ten");
    Put(399, 1, "y");
    DeleteScriptLine(0, 399);
    EXPECT_EQ(Text(399), "(none)");
    EXPECT_EQ(Text(12), "ten");

    DeleteScriptLine(0, 10);
    EXPECT_EQ(Text(10), "(none)");
    EXPECT_EQ(Text(11), "ten");
    ExpectConsistent();

    // Outside the script, or no script: nothing.
    InsertScriptLine(0, 400);
    InsertScriptLine(0, -1);
    DeleteScriptLine(0, 400);
    InsertScriptLine(5, 3);
    DeleteScriptLine(-1, 3);
    EXPECT_EQ(Text(11), "ten");
    EXPECT_FALSE(ScriptTable[5]);
}

TEST_F(ScriptSlotsTest, SeveralLinesOpenedAtOnceAsOneByOne) {
    for (int16_t l = 0; l < kScriptLines; l += 3) Put(l, l % 2 ? 1 : 13, l % 2 ? "text" : nullptr, l);
    for (const auto& [line, count] : {std::pair{0, 1}, std::pair{10, 7}, std::pair{395, 10}, std::pair{399, 1}}) {
        CopyScript(0, 1);
        CopyScript(0, 2);
        InsertScriptLines(1, int16_t(line), int16_t(count));
        for (int i = 0; i < count; ++i) InsertScriptLine(2, int16_t(line));
        for (int16_t l = 0; l < kScriptLines; ++l) {
            EXPECT_EQ(S(1).Record.Code[l], S(2).Record.Code[l]) << line << "+" << count << " line " << l;
            EXPECT_EQ(S(1).Record.Operand[l][0], S(2).Record.Operand[l][0]) << l;
            EXPECT_EQ(Text(l, 1), Text(l, 2)) << l;
        }
        ExpectConsistent(1);
    }
    CopyScript(0, 1);
    InsertScriptLines(1, 5, 0);
    InsertScriptLines(1, 5, -3);
    EXPECT_EQ(S(1).Record.Code[6], S(0).Record.Code[6]);
}

TEST_F(ScriptSlotsTest, CopyAndPasteLines) {
    ScriptLineClip clip;
    PasteScriptLine(0, 4, clip);  // a clipboard never filled pastes an empty line
    EXPECT_EQ(S().Record.Code[4], 0);

    Put(0, 1, "");
    Put(1, 13, nullptr, 42);
    CopyScriptLine(0, 0, clip);
    PasteScriptLine(0, 1, clip);  // an empty text comes back as one blank
    EXPECT_EQ(S().Record.Code[1], 1);
    EXPECT_EQ(Text(1), " ");
    EXPECT_EQ(S().Record.Operand[1][0], 0);

    Put(2, 13, nullptr, 42);
    S().Record.Operand[2][4] = -5;
    Put(3, 1, "goes");
    CopyScriptLine(0, 2, clip);
    PasteScriptLine(0, 3, clip);
    PasteScriptLine(0, 5, clip);  // many times
    EXPECT_EQ(S().Record.Code[3], 13);
    EXPECT_EQ(Text(3), "(none)");
    EXPECT_EQ(S().Record.Operand[3][0], 42);
    EXPECT_EQ(S().Record.Operand[5][4], -5);

    Put(6, 22, "Fifty-six characters of text, exactly fifty-six of them!");
    CopyScriptLine(0, 6, clip);
    Put(6, 0);
    PasteScriptLine(0, 7, clip);
    EXPECT_EQ(Text(7), "Fifty-six characters of text, exactly fifty-six of them!");
    EXPECT_NE(S().LineText[7]->data(), clip.Text.data());
    ExpectConsistent();
}

TEST_F(ScriptSlotsTest, ScriptsCreatedCopiedErased) {
    CreateScript(2);
    EXPECT_STREQ(S(2).Record.Title, "None");
    EXPECT_EQ(CurrentLevel.ScriptTable[2], 1u);

    std::strcpy(S(0).Record.Title, "Source");
    for (int16_t l : {3, 50, 399}) Put(l, 2, "source text", 0, 0);
    for (int16_t l : {4, 51, 100, 200, 398}) Put(l, 1, "old text", 0, 1);
    Put(3, 1, "old text", 0, 1);
    CopyScript(0, 1);
    EXPECT_STREQ(S(1).Record.Title, "Source");
    int texts = 0;
    for (int16_t l = 0; l < kScriptLines; ++l) {
        if (S(1).LineText[size_t(l)]) {
            ++texts;
            EXPECT_EQ(Text(l, 1), "source text");
            EXPECT_NE(S(1).LineText[size_t(l)].get(), S(0).LineText[size_t(l)].get());
        }
    }
    EXPECT_EQ(texts, 3);
    ExpectConsistent(1);
    CopyScript(0, 9);  // no destination: nothing
    CopyScript(9, 1);
    EXPECT_FALSE(ScriptTable[9]);

    EraseScript(1);
    EXPECT_FALSE(ScriptTable[1]);
    EXPECT_EQ(CurrentLevel.ScriptTable[1], 0u);
    EXPECT_EQ(Text(3), "source text");
}

TEST_F(ScriptSlotsTest, QuestTemplateLineByLine) {
    // The template as tabled, every flag and quest number left 0; `n` alike lines from `line`.
    struct Want {
        int16_t line, code;
        const char* text = nullptr;
        std::array<int16_t, 5> ops{};
        int16_t n = 1;
    };
    const Want want[] = {
        {0, 13, nullptr, {0, 5, 2, 5}}, {1, 13, nullptr, {0, 5, 1, 3}},
        {2, 1, "<NPC requests help>"}, {3, 1, "", {}, 4}, {7, 2, ""}, {8, 2, "1. Accept Quest"}, {9, 2, ""},
        {10, 2, "2. Maybe Later"}, {11, 4, nullptr, {2, 1}},
        {13, 5, nullptr, {1}}, {14, 9},
        {16, 5, nullptr, {2}}, {17, 10, nullptr, {0, 0, 1}}, {18, 11, nullptr, {0, 1}},
        {19, 1, "<Quest Briefing>"}, {20, 1, "", {}, 4}, {24, 2, ""}, {25, 2, "1. I'll be back."}, {26, 4, nullptr, {1}},
        {28, 5, nullptr, {3}}, {29, 13, nullptr, {0, 0, 0, 4}},
        {30, 1, "<Quest not yet completed>"}, {31, 1, "", {}, 3}, {34, 2, ""}, {35, 2, "1. OK"}, {36, 4, nullptr, {1}},
        {38, 5, nullptr, {4}}, {39, 10, nullptr, {0, 0, 2}}, {40, 11, nullptr, {0, 2}},
        {41, 1, "<Completed Quest!>"}, {42, 1, "", {}, 3}, {45, 2, ""}, {46, 2, "1. Thanks"}, {47, 4, nullptr, {1}},
        {49, 5, nullptr, {5}},
        {50, 1, "<Quest previously completed>"}, {51, 1, "", {}, 3}, {54, 2, ""}, {55, 2, "1. Thanks"},
        {56, 4, nullptr, {1}},
    };
    auto check = [&](const char* title) {
        const LevelScript& s = S(6);
        EXPECT_STREQ(s.Record.Title, title);
        for (int16_t l = 0; l < kScriptLines; ++l) {
            const Want* w = nullptr;
            for (const Want& x : want)
                if (l >= x.line && l < x.line + x.n) w = &x;
            EXPECT_EQ(s.Record.Code[l], w ? w->code : 0) << l;
            EXPECT_EQ(Text(l, 6), w && w->text ? w->text : "(none)") << l;
            for (int k = 0; k < 5; ++k) EXPECT_EQ(s.Record.Operand[l][k], w ? w->ops[size_t(k)] : 0) << l;
        }
        ExpectConsistent(6);
    };
    CreateScript(6);
    MakeQuestTemplateScript(6, 0);
    check("None");

    // Over a used script: the title emptied, nothing left beyond line 56.
    for (int16_t l : {2, 57, 120, 399}) Put(l, 39, "old", 7, 6);
    S(6).Record.Operand[12][3] = 9;
    MakeQuestTemplateScript(6, 1);
    check("");
    MakeQuestTemplateScript(7, 1);  // an empty slot: nothing
    EXPECT_FALSE(ScriptTable[7]);
}

TEST_F(ScriptSlotsTest, TemplateTextsAreCutToTheLine) {
    CreateScript(0);
    SetTemplateLine(0, 3, 1, std::string(80, 'z'));
    EXPECT_EQ(Text(3), std::string(56, 'z'));
    SetTemplateLine(0, 400, 1, "x");
    SetTemplateLine(3, 0, 1, "x");
    EXPECT_FALSE(ScriptTable[3]);
}

}  // namespace
