#include "level_files.h"

#include <string>

#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "data/file_io.h"
#include "data/level.h"
#include "data/text_field.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/keys.h"
#include "platform/message_boxes.h"
#include "platform/sound.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"
#include "view/view_pictures.h"

namespace {

constexpr int16_t kPageCount = 13;
constexpr int16_t kBarTile = 1634, kLoadIconTile = 1595, kSaveIconTile = 1394, kDeleteIconTile = 1596;

int16_t EntryOf(int16_t page, int16_t row) { return int16_t(10 * (page - 1) + row); }
int16_t RowY(int16_t row) { return int16_t(60 + 35 * row); }
bool IsListedLevel(int16_t n) { return n >= 0 && n < kLevelCount && LevelList.LevelListUsed[n] != 0; }

std::string LevelQuestion(std::string_view verb, int16_t n) {
    return std::string(verb) + " Level" + std::to_string(n) + ".dat?";
}

void UnlistLevel(int16_t n) {
    LevelList.LevelListUsed[n] = 0;
    SetFieldText(LevelList.LevelListName[n], "");
    SaveLevelList();
}

void DrawLevelListPage(std::string_view title, int16_t iconTile, int16_t page, int16_t showDelete, int16_t flip) {
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(115, 15, 20, 22, 1, title);
    DrawDivider(125, 400, 19);
    DrawButton(140, 418, 3, "Prev");
    DrawButton(210, 418, 3, "Next");
    DrawSmallText(290, 423, "Page:", kSmallBlack);
    DrawSmallText(320, 423, NumberText(page), kSmallBlack);
    DrawButton(400, 418, 4, "Cancel");
    for (int16_t r = 0; r < 10; ++r) {
        const int16_t n = EntryOf(page, r), y = RowY(r);
        if (n < 0 || n >= kLevelCount) continue;
        DrawSmallText(150, int16_t(y + 10), NumberText(n), kSmallBlack);
        for (int k = 0; k < 8; ++k) DrawTile(kBarTile, 180 + 32 * k, y);
        if (!IsListedLevel(n)) continue;
        DrawTile(iconTile, 180, y + 1);
        DrawSmallText(220, int16_t(y + 10), FieldText(LevelList.LevelListName[n]), kSmallBlack);
        if (showDelete) DrawTile(kDeleteIconTile, 407, y + 1);
    }
    if (flip) Flip();
}

// Home, End, the digit keys and the page buttons; 1 when the page changed.
int TurnPage(int16_t& page, int16_t prevKey, int16_t nextKey) {
    int16_t next = page;
    if (KeyPressed(kHome, 1, 0, 1)) next = 1;
    if (KeyPressed(kEnd, 1, 0, 1)) next = kPageCount;
    if (ButtonClicked(140, 418, 6, 'P', prevKey, 1, 1) && next > 1) --next;
    if (ButtonClicked(210, 418, 6, 'N', nextKey, 1, 1) && next < kPageCount) ++next;
    for (int16_t r = 0; r < 10; ++r) {
        if (KeyPressed(int16_t('0' + r), 1, 0, 1)) next = int16_t(r + 1);
    }
    if (next == page) return 0;
    page = next;
    return 1;
}

// Only a file that is not there is missing; one that cannot be read keeps its entry.
void ReportFailedLoad(int16_t page, int16_t n) {
    if (FileExists(LevelFilePath(n))) {
        PlaySoundEffect("No");
        ShowLevelFileTrouble(n, "be read: entry kept!");
    } else {
        RemoveMissingLevel(page, n);
    }
}

}  // namespace

void ShowLevelFileTrouble(int16_t n, std::string_view line2) {
    ShowMessage(210, 175, "Level" + std::to_string(n) + ".dat could not", line2);
}

void ListLevel(int16_t n) {
    if (n < 0 || n >= kLevelCount) return;
    LevelList.LevelListUsed[n] = 1;
    SetFieldText(LevelList.LevelListName[n], FieldText(CurrentLevel.ZoneNames[0]));
}

int SaveAndListLevel(int16_t n, uint32_t ask, const FieldRedraw& behind) {
    switch (SaveLevelFile(n, ask)) {
        case LevelSave::kWritten:
            ListLevel(n);
            SaveLevelList();
            return 1;
        case LevelSave::kDeclined: return 0;
        case LevelSave::kFailed: break;
    }
    PlaySoundEffect("No");
    if (behind) behind(0);
    ShowLevelFileTrouble(n, "be written!");
    return 0;
}

void DrawLoadLevel(int16_t page, int16_t flip, int16_t showDelete) {
    DrawLevelListPage("Load Level", kLoadIconTile, page, showDelete, flip);
}

void DrawSaveLevel(int16_t page, int16_t flip) { DrawLevelListPage("Save Level", kSaveIconTile, page, 1, flip); }

void EraseLevel(int16_t n, int16_t current) {
    if (n < 0 || n >= kLevelCount) {
        ShowMessage(50, 50, "Error! MapNum=", NumberText(n));
        return;
    }
    if (n == current) {
        PlaySoundEffect("No");
        ShowMessage(210, 175, "Can't erase level since you", "are currently editing it!");
        return;
    }
    const std::string path = LevelFilePath(n);
    if (DeleteFile(path)) {
        PlaySoundEffect("Crash");
    } else if (!FileExists(path)) {
        ShowMessage(210, 175, "      Level missing.", "    Reference removed!");
        PlaySoundEffect("No");
    } else {
        PlaySoundEffect("No");
        ShowLevelFileTrouble(n, "be deleted: entry kept!");
        return;
    }
    UnlistLevel(n);
}

void RemoveMissingLevel(int16_t page, int16_t n) {
    PlaySoundEffect("No");
    DrawLoadLevel(page, 0, 1);
    ShowMessage(210, 175, "   Level Missing!", "   Reference Removed!");
    if (n >= 0 && n < kLevelCount) UnlistLevel(n);
    DrawLoadLevel(page, 1, 1);
}

void ShowNoSuchLevel(int16_t page, int16_t) {
    PlaySoundEffect("No");
    DrawLoadLevel(page, 0, 1);
    ShowMessage(210, 175, "   No such level in the", "   /LevelData directory!");
    DrawLoadLevel(page, 1, 1);
}

int16_t ImportAllLevels() {
    int16_t loaded = 0;
    for (int16_t n = 0; n < kLevelCount - 1; ++n) {
        if (IsListedLevel(n)) continue;
        PlaySoundEffect("Click");
        if (!Confirm(210, 175, LevelQuestion("Import", n))) continue;
        if (!LoadLevel(n, 1, 0)) continue;
        ListLevel(n);
        ++loaded;
    }
    SaveLevelList();
    return loaded;
}

int16_t RunLoadLevel(int16_t current) {
    Screen screen("load level");
    int16_t page = 1;
    auto draw = [&] { DrawLoadLevel(page, 1, 1); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (TurnPage(page, kPageUp, kPageDown)) draw();
        for (int16_t r = 0; r < 10; ++r) {
            const int16_t n = EntryOf(page, r);
            if (AreaClicked(180, RowY(r), 220, 32, 0, 1, 1, 1)) {
                const bool listed = IsListedLevel(n);
                DrawLoadLevel(page, 0, 1);
                if (Confirm(210, 175, LevelQuestion(listed ? "Load" : "Import", n))) {
                    if (LoadLevel(n, 1, 0)) {
                        if (!listed) {
                            ListLevel(n);
                            SaveLevelList();
                        }
                        return n;
                    }
                    if (listed) ReportFailedLoad(page, n);
                    else ShowNoSuchLevel(page, n);
                }
                draw();
            }
            if (IsListedLevel(n) && AreaClicked(407, RowY(r), 32, 32, 0, 1, 1, 1)) {
                DrawLoadLevel(page, 0, 1);
                if (Confirm(210, 175, LevelQuestion("DELETE", n))) EraseLevel(n, current);
                draw();
            }
        }
        if (ButtonClicked(530, 418, 8, 'I', 0, 1, 1)) {
            DrawLoadLevel(page, 0, 1);
            if (Confirm(210, 175, "Import all levels?") && ImportAllLevels() > 0) ReloadEditedLevel(current);
            draw();
        }
        if (ButtonClicked(400, 418, 8, 'C', kEsc, 1, 1)) return current;
    }
}

int16_t RunSaveLevel(int16_t current) {
    Screen screen("save level");
    int16_t page = 1;
    auto draw = [&] { DrawSaveLevel(page, 1); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        if (TurnPage(page, 0, 0)) draw();
        for (int16_t r = 0; r < 10; ++r) {
            const int16_t n = EntryOf(page, r);
            if (AreaClicked(180, RowY(r), 220, 32, 0, 1, 1, 1)) {
                DrawSaveLevel(page, 0);
                if (Confirm(210, 175, LevelQuestion("Save", n))) {
                    // The overwrite question and a failure stand on the list, not on a box.
                    const FieldRedraw list = [page](uint32_t flip) { DrawSaveLevel(page, int16_t(flip)); };
                    list(0);
                    if (SaveAndListLevel(n, 1, list)) return n;
                }
                draw();
            }
            if (IsListedLevel(n) && AreaClicked(407, RowY(r), 32, 32, 0, 1, 1, 1)) {
                DrawSaveLevel(page, 0);
                if (Confirm(210, 175, LevelQuestion("DELETE", n))) EraseLevel(n, current);
                draw();
            }
        }
        if (ButtonClicked(400, 418, 8, 'C', kEsc, 1, 1)) {
            LoadLevelList();
            return current;
        }
    }
}

void ReloadEditedLevel(int16_t level) {
    if (!LoadLevel(level, 1, 0)) NewLevel(1);
}
