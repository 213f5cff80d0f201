#include "kit/events/operator_labels.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/fonts.h"
#include "platform/widgets.h"

namespace {

constexpr std::array<std::string_view, 6> kCompareLabels = {" >", " <", ">=", "<=", "!=", "=="};
constexpr std::array<std::string_view, 3> kAssignLabels = {"=", "+=", "-="};

// The label goes through the shared number buffer, as every field text does.
void DrawLabelField(int16_t x, int16_t y, int16_t widthPieces, std::string_view label) {
    TextScratch.fill('\0');
    std::memcpy(TextScratch.data(), label.data(), std::min(label.size(), TextScratch.size() - 1));
    DrawTextField(x, y, widthPieces, TextScratch.data());
}

}  // namespace

std::string_view CompareOpLabel(int16_t op) {
    return op >= 0 && size_t(op) < kCompareLabels.size() ? kCompareLabels[size_t(op)] : "ERROR!";
}

void DrawCompareOp(int16_t x, int16_t y, int16_t widthPieces, int16_t op) {
    DrawLabelField(x, y, widthPieces, CompareOpLabel(op));
}

void DrawAssignOp(int16_t x, int16_t y, int16_t widthPieces, int16_t op) {
    if (op > 2) {
        DrawBigText(x, y, "**Er**", kBigRed);
        return;
    }
    DrawLabelField(x, y, widthPieces, op < 0 ? "Er!" : kAssignLabels[size_t(op)]);
}
