// The event editor's repaint, which follows every edit of a field: the whole frame with its
// dialog drawn from the record. Reported as a count of opaque 640 x 480 copies measured in
// the same run ("full_frames"). Target: at most 4.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/full_frames.h"
#include "data/item_records.h"
#include "data/level.h"
#include "data/text_field.h"
#include "kit/events/event_editor.h"
#include "kit/events/level_records.h"
#include "platform/display.h"
#include "platform/graphics.h"
#include "platform/host/headless.h"
#include "platform/source_rects.h"
#include "platform/working_folder.h"

namespace {

struct Kit {
    host::Headless host;
    Kit() {
        PrepareWorkingFolder(std::filesystem::temp_directory_path() / "vexmoor-event-editor-bench", VEXMOOR_MODULE_DIR);
        host::Install(&host);
        host.framesKept = 1;
        InitDirectDraw();
        WriteSourceRects();
        LoadGraphics();
        NewLevel(1);
    }
    ~Kit() {
        FreeLevelEventsAndScripts(0);
        host::Install(nullptr);
    }
};

// An items cache with six named rows, its two tiles and both texts.
void ItemsCacheRepaint(benchmark::State& state) {
    Kit kit;
    CreateEvent(10, 10, 1241);
    EventRecord& e = *EventAt(10, 10);
    for (int i = 0; i < 6; ++i) {
        const auto item = int16_t(270 + i);
        SetFieldText(ItemTable[size_t(item)].ItemName, "Wand of Frost " + std::to_string(i));
        e.Word[5 + i] = item;
        e.Word[11 + i] = int16_t(i + 1);
        e.Word[17 + i] = int16_t(10 * i);
    }
    e.Word[4] = 100;
    e.Word[23] = 517;
    e.Word[24] = 1470;
    ReportFrames(state, [&] { DrawEventEditor(10, 10, 1241, 1); });
}
BENCHMARK(ItemsCacheRepaint);

}  // namespace
