// Scripts written line by line into the current level and run through RunScript, over a
// hero with nothing (tests/hero/hero_test.h) on level 3 with every flag unset.
#pragma once

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "combat/monster_death.h"
#include "data/game_state.h"
#include "data/level.h"
#include "data/text_field.h"
#include "hero/item_instances.h"
#include "kit/script/script_slots.h"
#include "script/message_window.h"
#include "script/script_interpreter.h"
#include "tests/data/texts_shown.h"
#include "tests/hero/hero_test.h"

class ScriptTest : public HeroTest {
protected:
    void SetUp() override {
        HeroTest::SetUp();
        GameState.CurrentLevelNumber = 3;
        for (int16_t& f : GameState.GameFlags) f = -1;
        for (PendingItem& p : GameState.PendingItems) p = {-1, 0, 0, 0, 0, 0};
        for (int16_t e = 0; e < 50; ++e) ClearMonster(e);
        std::fill(std::begin(GameState.MonsterGrid), std::end(GameState.MonsterGrid), int16_t{-1});
        std::fill(std::begin(GameState.ActiveQuests), std::end(GameState.ActiveQuests), int16_t{-1});
        std::fill(std::begin(GameState.Awards), std::end(GameState.Awards), int16_t{-1});
        CreateScript(0);
    }

    // Writes line `line` of a script (made when the slot is empty).
    static void Line(int16_t line, int16_t code, std::array<int16_t, 5> ops = {}, const char* text = nullptr,
                     int16_t slot = 0) {
        if (!ScriptTable[size_t(slot)]) CreateScript(slot);
        LevelScript& s = *ScriptTable[size_t(slot)];
        s.Record.Code[line] = code;
        std::copy(ops.begin(), ops.end(), s.Record.Operand[line]);
        if (text) {
            s.LineText[size_t(line)] = std::make_unique<ScriptLineText>();
            std::strncpy(s.LineText[size_t(line)]->data(), text, 56);
        }
    }
    static void Title(const char* title, int16_t slot = 0) { SetFieldText(ScriptTable[size_t(slot)]->Record.Title, title); }

    void RunScriptAt(int16_t slot = 0, int16_t x = 5, int16_t y = 6) {
        Run([&] { RunScript(slot, x, y); });
    }

    // A script of that one line, run; the window's lines afterwards.
    std::vector<std::string> RunLine(int16_t code, std::array<int16_t, 5> ops = {}) {
        ScriptTable[0].reset();
        Line(0, code, ops);
        RunScriptAt();
        return WindowLines();
    }
    // Whether a line that jumps to mark 1 when its test holds jumped.
    bool Jumps(int16_t code, std::array<int16_t, 5> ops) {
        ScriptTable[0].reset();
        Line(0, code, ops);
        Line(1, 1, {}, "went on");
        Line(2, 9);
        Line(3, 5, {1});
        Line(4, 1, {}, "jumped");
        RunScriptAt();
        const auto lines = WindowLines();
        const bool wentOn = std::find(lines.begin(), lines.end(), "went on") != lines.end();
        return !wentOn && !lines.empty() && lines.back() == "jumped";
    }

    // One line run from the same hero each time: the window's lines, then a check of the
    // state. RecalcHero is seen to run when Stats[0] loses the 99 put there.
    struct Case {
        const char* name;
        int16_t code;
        std::array<int16_t, 5> ops;
        std::function<void(GameStateRecord&)> setUp;
        std::vector<std::string> lines;
        std::function<void(const GameStateRecord&)> check;
    };
    void RunCases(std::initializer_list<Case> cases) {
        for (const Case& c : cases) {
            const auto saved = std::make_unique<GameStateRecord>(GameState);
            GameState.Stats[0] = 99;
            c.setUp(GameState);
            EXPECT_EQ(RunLine(c.code, c.ops), c.lines) << c.name;
            SCOPED_TRACE(c.name);
            c.check(GameState);
            GameState = *saved;
        }
    }
    static constexpr auto none = [](auto&) {};

    // The window's lines in use.
    static std::vector<std::string> WindowLines() {
        std::vector<std::string> lines;
        for (int16_t i = 0; i < MessageLineCount; ++i) lines.emplace_back(MessageLines[size_t(i)].data());
        return lines;
    }
    // The drawn text records of a text, as (x, y, colour).
    std::vector<std::array<int32_t, 3>> Draws(std::string_view text) const {
        std::vector<std::array<int32_t, 3>> at;
        for (const auto& t : host.texts)
            if (t.text == text) at.push_back({t.x, t.y, t.colour});
        return at;
    }
};
