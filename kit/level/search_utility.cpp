#include "search_utility.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/item_records.h"
#include "data/monster_records.h"
#include "data/text_field.h"
#include "kit/level/level_files.h"
#include "kit/level/report_files.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_boxes.h"
#include "platform/number_entry.h"
#include "platform/source_rects.h"
#include "platform/tabs.h"
#include "platform/widgets.h"
#include "view/view_pictures.h"

namespace {

void SearchFreeFlags(SearchResults& r, int16_t first, int16_t last, int16_t) { FindFreeFlags(r, first, last); }

struct SearchMode {
    std::string_view tab, prompt;
    const char* file;         // the report; null for the audits
    std::string_view report;  // the report's first line: before the value, or whole
    bool withValue;           // the value field, and the value in the report's first line
    void (*search)(SearchResults&, int16_t first, int16_t last, int16_t value);  // null: its own buttons
};
constexpr std::array<SearchMode, 9> kModes = {{
    {"Free Flags", "Search for free flags?", "FreeFlagReport.txt", "Free flags REPORT", false, SearchFreeFlags},
    {"Flag X", "Search for which flag?", "FindFlagReport.txt", "Flag ", true, FindFlagInLevels},
    {"Item X", "Search for which item?", "FindItemReport.txt", "Item ", true, FindItemInLevels},
    {"Tile X", "Search for which tile?", "FindTileReport.txt", "Tile ", true, FindTileInLevels},
    {"Event X", "Search for which event?", "FindEventReport.txt", "Event ", true, FindEventInLevels},
    {"Monst X", "Search for which monster?", "FindMonsterReport.txt", "Monster ", true, FindMonsterInLevels},
    {"Miss X", "", "FindBlankTextReport.txt", "Blank Txt REPORT", false, nullptr},
    {"Gp Audit", "Min Gp value:", nullptr, "", true, AuditGold},
    {"Xp Audit", "Min Xp value:", nullptr, "", true, AuditExperience},
}};
constexpr int16_t kModeCount = 9, kFreeTilesMode = 3, kMissingMode = 6, kGoldMode = 7, kXpMode = 8;

// The three searches of "Miss X", each with its label and "Go".
struct MissSearch {
    std::string_view label;
    int16_t labelX, goX;
    void (*search)(SearchResults&, int16_t first, int16_t last);
};
void SearchUndefinedMonsters(SearchResults& r, int16_t, int16_t) { FindUndefinedMonsters(r); }
constexpr std::array<MissSearch, 3> kMissSearches = {{
    {"Blank event txts?", 50, 170, FindBlankEventTexts},
    {"Missing Music?", 230, 330, FindMissingMusic},
    {"Undefined Monst?", 400, 520, SearchUndefinedMonsters},
}};

std::string_view LineText(const SearchLine& line) { return std::string_view(line.data(), strnlen(line.data(), line.size())); }

// The count line once a search has run.
std::string CountLine(int16_t mode, int32_t count, int32_t total) {
    if (mode == kGoldMode) return "Total Gp found: " + std::to_string(total);
    if (mode == kXpMode) return "Total Xp found: " + std::to_string(total);
    if (mode > 0 && count > kSearchLines) return "Number of instances: > 100";
    return "Number of instances: " + std::to_string(count);
}

// The free tile numbers as runs: "n" or "first-last".
std::vector<std::string> FreeTileRuns(const TileMarks& used) {
    std::vector<std::string> runs;
    for (int t = 0; t < kFreeTileRange; ++t) {
        if (used[size_t(t)]) continue;
        int end = t;
        while (end + 1 < kFreeTileRange && !used[size_t(end + 1)]) ++end;
        runs.push_back(end == t ? std::to_string(t) : std::to_string(t) + "-" + std::to_string(end));
        t = end;
    }
    return runs;
}

// The free tile list: 30 rows of 8 runs; when they do not all fit, each page gives its
// last row to the line that says more follow.
constexpr int kFreeRows = 30, kFreeColumns = 8;
int FreeTileRows(size_t runs) { return runs <= size_t(kFreeRows * kFreeColumns) ? kFreeRows : kFreeRows - 1; }
size_t FreeTilesPerPage(size_t runs) { return size_t(FreeTileRows(runs) * kFreeColumns); }

}  // namespace

void DrawSearchUtility(int16_t mode, int16_t value, int32_t count, int16_t first, int16_t last,
                       const SearchResults& results, int16_t flip) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(15, 12, 29, 23, 1, "SEARCH Utility!");
    DrawTabRow(25, 90, kModeCount, mode,
               {kModes[0].tab, kModes[1].tab, kModes[2].tab, kModes[3].tab, kModes[4].tab, kModes[5].tab, kModes[6].tab,
                kModes[7].tab, kModes[8].tab},
               3);
    DrawSmallText(50, 70, "Search levels          to         for...", kSmallBlack);
    DrawTextField(140, 65, 2, NumberText(first));
    DrawTextField(205, 65, 2, NumberText(last));
    if (mode == kMissingMode) {
        for (const MissSearch& m : kMissSearches) {
            DrawSmallText(m.labelX, 130, m.label, kSmallBlack);
            DrawButton(m.goX, 125, 2, "Go");
        }
    } else if (mode >= 0 && mode < kModeCount) {
        const SearchMode& m = kModes[size_t(mode)];
        DrawSmallText(50, 130, m.prompt, kSmallBlack);
        if (m.withValue) DrawTextField(210, 125, 2, NumberText(value));
        DrawButton(270, 125, 2, "Go");
        if (mode == 2 && value >= 1 && value <= 712)
            DrawSmallText(330, 130, FieldText(ItemTable[size_t(value)].ItemName), kSmallBlue);
        if ((mode == 3 || mode == 4) && value >= 1 && value <= 2282) DrawTile(value, 330, 120);
        if (mode == kFreeTilesMode) {
            DrawSmallText(400, 130, "Free Tiles?", kSmallBlack);
            DrawButton(470, 125, 2, "Go");
        }
        if (mode == 5 && value >= 1 && value <= 298)
            DrawSmallText(330, 130, FieldText(MonsterTable[size_t(value)].MonsterName), kSmallBlue);
    }
    DrawDivider(25, 145, 28);
    for (int i = 0; i < kSearchLines; ++i) {
        const int column = i / 20;
        DrawSmallText(int16_t(35 + 110 * column), int16_t(170 + 12 * (i % 20)), LineText(results.Lines[size_t(i)]),
                      column % 2 ? kSmallBlue : kSmallBlack);
    }
    if (count >= 0) DrawSmallText(50, 435, CountLine(mode, count, results.Total), kSmallBlue);
    DrawDivider(25, 410, 28);
    DrawButton(380, 430, 4, "Dump");
    DrawButton(480, 430, 4, "Quit");
    if (flip) Flip();
}

bool DumpSearchReport(const SearchResults& results, int16_t mode, int16_t value) {
    if (mode < 0 || mode >= kModeCount || !kModes[size_t(mode)].file) return false;
    const SearchMode& m = kModes[size_t(mode)];
    std::string text(m.report);
    if (m.withValue) text += std::to_string(value) + " REPORT";
    text += "\n";
    for (const SearchLine& line : results.Lines) {
        text += LineText(line);
        text += "\n";
    }
    return WriteReportFile(m.file, text);
}

void DrawFreeTiles(const TileMarks& used, int32_t page) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(15, 12, 30, 23, 1, "Free Tiles");
    const std::vector<std::string> runs = FreeTileRuns(used);
    const size_t rows = size_t(FreeTileRows(runs.size())), perPage = FreeTilesPerPage(runs.size());
    const size_t from = size_t(std::max(page, 0)) * perPage;
    for (size_t i = 0; i < perPage && from + i < runs.size(); ++i)
        DrawSmallText(int16_t(35 + 70 * (i / rows)), int16_t(60 + 12 * (i % rows)), runs[from + i], kSmallBlack);
    if (from + perPage < runs.size())
        DrawSmallText(35, int16_t(60 + 12 * (kFreeRows - 1)), "More free tiles follow: 'SPACE' shows the next page",
                      kSmallBlue);
    DrawSmallText(180, 435, "Press 'SPACE' or 'ESC' to continue", kSmallBlue);
    Flip();
}

void ShowFreeTiles(const TileMarks& used) {
    Screen screen("free tiles");
    const size_t runs = FreeTileRuns(used).size();
    const int32_t pages = int32_t((runs + FreeTilesPerPage(runs) - 1) / FreeTilesPerPage(runs));
    int32_t page = 0;
    auto draw = [&] { DrawFreeTiles(used, page); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (KeyPressed(kEsc, 1, 0, 0)) return;
        if (KeyPressed(kSpace, 1, 0, 0)) {
            if (++page >= pages) return;
            draw();
        }
    }
}

void RunSearchUtility(int16_t editedLevel) {
    Screen screen("search utility");
    int16_t mode = 0, first = 1, last = 129, value = 0;
    int32_t count = -1;
    auto results = std::make_unique<SearchResults>();
    auto draw = [&] { DrawSearchUtility(mode, value, count, first, last, *results, 1); };
    auto setMode = [&](int16_t m) {
        mode = m;
        value = 0;
        count = -1;
        ClearSearchResults(*results);
        draw();
    };
    auto search = [&](auto&& run) {
        ClearSearchResults(*results);
        run();
        count = results->Count;
        draw();
    };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (int16_t i = 0; i < kModeCount; ++i)
            if (ButtonClicked(int16_t(25 + 60 * i), 90, 6, 0, 0, 1, 1)) setMode(i);
        if (ArrowPressed(kLeft, 0)) setMode(int16_t((mode + kModeCount - 1) % kModeCount));
        if (ArrowPressed(kRight, 0) || TabPressed(0))
            setMode(int16_t((mode + 1) % kModeCount));
        if (ButtonClicked(140, 65, 4, 0, 0, 1, 1)) {
            first = EnterNumber(140, 65, 2, 0, 129);
            draw();
        }
        if (ButtonClicked(205, 65, 4, 0, 0, 1, 1)) {
            last = EnterNumber(205, 65, 2, 0, 129);
            draw();
        }
        const SearchMode& m = kModes[size_t(mode)];
        if (m.withValue && ButtonClicked(210, 125, 4, 0, 0, 1, 1)) {
            value = EnterNumber(210, 125, 2, -1, 9999);
            draw();
        }
        if (m.search && ButtonClicked(270, 125, 4, 'G', 0, 1, 1))
            search([&] { m.search(*results, first, last, value); });
        if (mode == kMissingMode) {
            for (const MissSearch& miss : kMissSearches)
                if (ButtonClicked(miss.goX, 125, 4, 0, 0, 1, 1)) search([&] { miss.search(*results, first, last); });
        }
        if (mode == kFreeTilesMode && ButtonClicked(470, 125, 4, 0, 0, 1, 1)) {
            TileMarks used{};
            MarkProgramTiles(used);
            MarkUsedTiles(used, first, last);
            ShowFreeTiles(used);
            draw();
        }
        if (ButtonClicked(380, 430, 8, 'D', 0, 1, 1)) {
            const bool written = DumpSearchReport(*results, mode, value);
            draw();
            if (written) ShowMessage(100, 120, "Report Dumped to file!", "");
            else if (!m.file) ShowMessage(100, 120, "The audits have no report:", "nothing was written.");
            else ShowReportNotWritten(m.file);
            draw();
        }
        if (ButtonClicked(480, 430, 8, kEsc, 0, 1, 1)) {
            ReloadEditedLevel(editedLevel);
            return;
        }
    }
}
