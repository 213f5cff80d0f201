#include "report_files.h"

#include <cstdint>
#include <span>

#include "data/file_io.h"
#include "platform/message_boxes.h"

bool WriteReportFile(const char* path, const std::string& text) {
    return WriteFileAtomic(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

void ShowReportNotWritten(const char* path) {
    ShowMessage(130, 160, std::string("'") + path + "' could", "not be written!");
}
