// Levels built in memory and saved into the test's module, for the audits and searches.
#pragma once

#include <cstring>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "data/level.h"
#include "tests/support/headless_test.h"
#include "tests/support/level_events.h"

class AuditLevelsTest : public HeadlessTest {
protected:
    // A new event of that type on (x, y) with the given words, every other word 0.
    static EventRecord& Put(int x, int y, int16_t type, std::initializer_list<std::pair<int, int16_t>> words = {}) {
        return PutEvent(x, y, type, words);
    }
    // Line `line` of script `slot` (made when missing) with that code and operands.
    static void Line(int slot, int line, int16_t code, std::initializer_list<int16_t> operands) {
        auto& s = ScriptTable[size_t(slot)];
        if (!s) s = std::make_unique<LevelScript>();
        s->Record.Code[line] = code;
        int i = 0;
        for (int16_t o : operands) s->Record.Operand[line][i++] = o;
    }
    // Saves the level in memory as `number` and starts an empty one.
    static void Save(int16_t number) {
        ASSERT_EQ(SaveLevel(number, 0), 1u);
        NewLevel(1);
    }
    static std::string FileText(const char* path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};
