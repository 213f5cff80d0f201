// The event editor's repaint, which follows every edit of a field: the whole frame with its
// dialog drawn from the record. Reported as a count of opaque 640 x 480 copies measured in
// the same run ("full_frames"). Target: at most 4 for each dialog.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/full_frames.h"
#include "bench/headless_display.h"
#include "data/item_records.h"
#include "data/level.h"
#include "data/text_field.h"
#include "kit/events/event_editor.h"
#include "kit/events/level_records.h"

namespace {

struct Kit : HeadlessDisplay {
    Kit() : HeadlessDisplay("vexmoor-event-editor-bench") {
        NewLevel(1);
    }
    ~Kit() {
        FreeLevelEventsAndScripts(0);
    }
};

// n item rows with their names, powers and charges; the rows' words start at item, power
// and charges.
void NameItemRows(EventRecord& e, int n, int item, int power, int charges) {
    for (int i = 0; i < n; ++i) {
        const auto number = int16_t(270 + i);
        SetFieldText(ItemTable[size_t(number)].ItemName, "Wand of Frost " + std::to_string(i));
        e.Word[item + i] = number;
        e.Word[power + i] = int16_t(i + 1);
        e.Word[charges + i] = int16_t(10 * i);
    }
}

// An items cache with six named rows, its two tiles and both texts.
void ItemsCacheRepaint(benchmark::State& state) {
    Kit kit;
    CreateEvent(10, 10, 1241);
    EventRecord& e = *EventAt(10, 10);
    NameItemRows(e, 6, 5, 11, 17);
    e.Word[4] = 100;
    e.Word[23] = 517;
    e.Word[24] = 1470;
    ReportFrames(state, [&] {
        DrawEventEditor(10, 10, 1241, 1);
        kit.host.texts.clear();  // the headless record of drawn texts would grow without end
    });
}
BENCHMARK(ItemsCacheRepaint);

// A shop with eight named rows of power and charges, and its NPC.
void ShopRepaint(benchmark::State& state) {
    Kit kit;
    CreateEvent(10, 10, 1248);
    EventRecord& e = *EventAt(10, 10);
    NameItemRows(e, 8, 5, 13, 21);
    SetFieldText(e.Text[1][0], "The Silver Anvil");
    e.Word[30] = 5;
    ReportFrames(state, [&] { DrawEventEditor(10, 10, 1248, 1); });
}
BENCHMARK(ShopRepaint);

// A wilderness encounter with its three monsters, tune, ground and dressing tiles.
void WildernessCombatRepaint(benchmark::State& state) {
    Kit kit;
    CreateEvent(10, 10, 256);
    EventRecord& e = *EventAt(10, 10);
    for (int i = 0; i < 3; ++i) e.Word[9 + i] = int16_t(10 + i);
    e.Word[26] = 4;
    e.Word[5] = 1470;
    e.Word[6] = 517;
    e.Word[7] = 0;
    e.Word[8] = 565;
    ReportFrames(state, [&] { DrawEventEditor(10, 10, 256, 1); });
}
BENCHMARK(WildernessCombatRepaint);

}  // namespace
