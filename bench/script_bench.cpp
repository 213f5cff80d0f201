// The interpreter's pace: a 400-line script of tests, flag codes and jumps that never waits
// for the player, and the endless backward jump that the runaway guard stops after 100,000
// lines (its box answered at once). Compare the two in the same run.
#include <benchmark/benchmark.h>

#include "bench/quiet_host.h"
#include "data/game_state.h"
#include "data/level.h"
#include "kit/script/script_slots.h"
#include "script/script_interpreter.h"

namespace {

// No screen; Enter goes down and up in turn, so every message box is answered at once.
class AnsweringHost final : public SilentBackend {
public:
    bool OpenDisplay() override { return false; }
    void OpenScreen(const char*) override {}
    void CloseScreen() override {}
    void BeginPass() override {}
    bool KeyDown(int32_t key) override { return key == 13 && (enterDown_ = !enterDown_); }
    bool KeyHeld(int32_t key) override { return KeyDown(key); }
    bool StrokeDown(int32_t key) override { return KeyDown(key); }
    void WaitUntilUp(int32_t a, int32_t, int32_t) override {
        while (KeyDown(a)) {
        }
    }
    host::Point Cursor() override { return {}; }
    bool PeekMessage(host::Message&) override { return false; }
    void PostMessage(host::Message) override {}
    uint32_t Ticks() override { return ++ticks_; }

private:
    bool enterDown_ = false;
    uint32_t ticks_ = 0;
};

void SetLine(int16_t line, int16_t code, int16_t a = 0, int16_t b = 0, int16_t c = 0, int16_t d = 0) {
    ScriptRecord& r = ScriptTable[0]->Record;
    r.Code[line] = code;
    r.Operand[line][0] = a;
    r.Operand[line][1] = b;
    r.Operand[line][2] = c;
    r.Operand[line][3] = d;
}

void Prepare() {
    static AnsweringHost answering;
    host::Install(&answering);
    for (int16_t& f : GameState.GameFlags) f = -1;
    for (PendingItem& p : GameState.PendingItems) p.Level = -1;
    CreateScript(0);
}

// 80 blocks of five lines: a flag added to, a test that fails, a tally, a jump to the next
// block's marker, the marker.
void ScriptOf400Lines(benchmark::State& state) {
    Prepare();
    for (int16_t b = 0; b < 80; ++b) {
        const auto line = int16_t(5 * b), flag = int16_t(100 + b);
        SetLine(line, 10, flag, 1, 1);
        SetLine(line + 1, 13, flag, 1, -5, 999);
        SetLine(line + 2, 21, flag, 0, 0, 99);
        SetLine(line + 3, 7, b);
        SetLine(line + 4, 5, b);
    }
    for (auto _ : state) RunScript(0, 1, 1);
    state.SetItemsProcessed(state.iterations() * 400);
}
BENCHMARK(ScriptOf400Lines)->Unit(benchmark::kMicrosecond);

// The slowest endless run: its marker at line 398 is found after a search of 398 lines.
void RunawayStopped(benchmark::State& state) {
    Prepare();
    SetLine(398, 5, 1);
    SetLine(399, 7, 1);
    for (auto _ : state) RunScript(0, 1, 1);
    state.SetItemsProcessed(state.iterations() * kRunawayLines);
}
BENCHMARK(RunawayStopped)->Unit(benchmark::kMillisecond);

}  // namespace
