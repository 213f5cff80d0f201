// The script editor: its whole screen with twelve rows that show names, against one opaque
// full-screen copy ("full_frames", target at most 4); and the import's listing and import from a
// 1 MB ScriptImport.txt, against reading that file into memory ("file_reads", target at most 4).
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/full_frames.h"
#include "bench/headless_display.h"
#include "data/campaign_tables.h"
#include "data/file_io.h"
#include "data/item_records.h"
#include "data/level.h"
#include "data/monster_records.h"
#include "data/text_field.h"
#include "kit/events/level_records.h"
#include "kit/script/script_editor.h"
#include "kit/script/script_import.h"
#include "kit/script/script_slots.h"

namespace {

struct Display : HeadlessDisplay {
    Display() : HeadlessDisplay("vexmoor-script-editor-bench") {}
};

// Twelve lines whose rows show names from the tables beside their fields.
void NameShowingScript() {
    FreeLevelEventsAndScripts(0);
    CreateScript(0);
    SetFieldText(ItemTable[5].ItemName, "Blue Potion of Healing");
    SetFieldText(MonsterTable[12].MonsterName, "Marsh Troll");
    SetFieldText(QuestTextTable[3].Line[0], "The Ring at the Bottom of the Well");
    const struct {
        int16_t code;
        std::array<int16_t, 5> ops;
    } lines[] = {{11, {3, 1}},        {15, {5, 20, 5, 5}}, {45, {12, 3, 4, 1}}, {50, {1, 22}},
                 {12, {5, 40, 9}},    {25, {5, 1, 2}},     {34, {5, 1}},        {16, {5, 7}},
                 {55, {20, 2, 4, 9}}, {20, {3, 5, 9}},     {28, {13, 2}},       {51, {19}}};
    LevelScript& s = *ScriptTable[0];
    SetFieldText(s.Record.Title, "The well keeper");
    for (int16_t l = 0; l < 12; ++l) {
        s.Record.Code[l] = lines[l].code;
        std::copy(lines[l].ops.begin(), lines[l].ops.end(), s.Record.Operand[l]);
    }
}

void DrawScriptEditorWithNames(benchmark::State& state) {
    Display display;
    NameShowingScript();
    DrawScriptEditor(0, 0, 0, 0);  // the fixed parts are kept from the first drawing on
    ReportFrames(state, [&] {
        DrawScriptEditor(0, 0, 0, 0);
        display.host.texts.clear();
    });
    FreeLevelEventsAndScripts(0);
}
BENCHMARK(DrawScriptEditorWithNames);

// 1 MB of dialogue: ten sections of wrapped paragraphs and numbered answers.
const std::string& ImportFilePath() {
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "vexmoor-script-import-bench.txt";
        std::ofstream out(file, std::ios::binary);
        size_t written = 0;
        for (int section = 0; written < kImportFileLimit - 200; ++section) {
            const std::string marker = "%Section " + std::to_string(section) + "\r\n";
            out << marker;
            written += marker.size();
            for (int line = 0; line < 1600 && written < kImportFileLimit - 200; ++line) {
                const std::string text = line % 7 == 6 ? "2. I will think about it and come back later.\r\n"
                                                       : "The keeper of the well looks at you for a long while, "
                                                         "then speaks of the ring that lies below.\r\n";
                out << text;
                written += text.size();
            }
        }
        return file.string();
    }();
    return path;
}

double FileReadSeconds() {
    using Clock = std::chrono::steady_clock;
    static const double seconds = [] {
        std::vector<uint8_t> bytes;
        double best = 1e9;
        for (int round = 0; round < 7; ++round) {
            const auto start = Clock::now();
            for (int n = 0; n < 20; ++n) {
                ReadFileBytes(ImportFilePath(), bytes);
                benchmark::DoNotOptimize(bytes.data());
            }
            best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count() / 20);
        }
        return best;
    }();
    return seconds;
}

void ReadImportFile(benchmark::State& state) {
    std::vector<uint8_t> bytes;
    for (auto _ : state) benchmark::DoNotOptimize(ReadFileBytes(ImportFilePath(), bytes));
    state.counters["file_reads"] = 1;
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(ReadImportFile)->Unit(benchmark::kMicrosecond);

// The file read, its markers listed and the middle section imported onto an empty script,
// which it fills to line 398.
void ListAndImport(benchmark::State& state) {
    FileReadSeconds();
    using Clock = std::chrono::steady_clock;
    double spent = 0;
    for (auto _ : state) {
        state.PauseTiming();
        FreeLevelEventsAndScripts(0);
        CreateScript(0);
        SetTemplateLine(0, 0, 1, "");
        state.ResumeTiming();
        const auto start = Clock::now();
        std::vector<uint8_t> bytes;
        ReadFileBytes(ImportFilePath(), bytes);
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        ImportMarkerList list;
        ListImportMarkers(text, list);
        benchmark::DoNotOptimize(ImportScriptMarker(text, list, 4, 0, 0));
        spent += std::chrono::duration<double>(Clock::now() - start).count();
    }
    state.counters["file_reads"] = spent / double(state.iterations()) / FileReadSeconds();
    FreeLevelEventsAndScripts(0);
}
BENCHMARK(ListAndImport)->Unit(benchmark::kMicrosecond);

}  // namespace
