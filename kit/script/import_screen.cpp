// The import's file and its marker picker.
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "data/file_io.h"
#include "kit/script/script_import.h"
#include "platform/display.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/message_boxes.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

namespace {

constexpr const char* kImportFile = "ScriptImport.txt";

int16_t MarkerY(int16_t i) { return int16_t(75 + 25 * i); }

// The file's bytes, read once; false (with its box) when it cannot be imported from.
bool ReadImportFile(std::vector<uint8_t>& bytes) {
    const std::string path = ResolvePath(kImportFile);
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > kImportFileLimit) {
        ShowMessage(120, 160, "'ScriptImport.txt' is over", "1 MB: it is not read!");
        return false;
    }
    if (error || ReadFileBytes(path, bytes) != FileRead::kRead || bytes.size() > kImportFileLimit) {
        ShowMessage(120, 160, "'ScriptImport.txt' not found!", "");
        return false;
    }
    return true;
}

}  // namespace

void DrawImportMarkerPicker(int16_t count, const ImportMarkerList& list) {
    BltFast(BackSurface, 0, 0, Slate2Picture, FullScreenRect, kBltOpaque);
    DrawPanel(65, 12, 16, 20, 1, "Select a marker:");
    for (int16_t i = 0; i < count && i < kImportMarkers; ++i) {
        const auto& name = list.Names[size_t(i)];
        DrawSmallText(100, int16_t(80 + 25 * i), NumberText(i + 1), kSmallBlack);
        DrawButton(130, MarkerY(i), 10, {name.data(), strnlen(name.data(), name.size())});
    }
    DrawDivider(75, 350, 15);
    DrawButton(130, 370, 3, "Cancel");
    Flip();
}

int16_t PickImportMarker(int16_t count, const ImportMarkerList& list) {
    Screen screen("import marker picker");
    auto draw = [&] { DrawImportMarkerPicker(count, list); };
    draw();
    for (;;) {
        LoopPass(screen, draw);
        for (int16_t i = 0; i < count && i < kImportMarkers; ++i) {
            if (ButtonClicked(130, MarkerY(i), 20, int16_t('1' + i), 0, 1, 1)) return i;
        }
        if (ButtonClicked(130, 370, 6, 27, 0, 1, 1)) return -1;
    }
}

void RunScriptImport(int16_t script, int16_t line) {
    std::vector<uint8_t> bytes;
    if (!ReadImportFile(bytes)) return;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    ImportMarkerList list;
    ListImportMarkers(text, list);
    const int16_t marker = PickImportMarker(list.Count, list);
    if (marker >= 0 && !ImportScriptMarker(text, list, marker, script, line))
        ShowMessage(50, 50, "Error! End of script", "encountered! Import aborted!");
}
