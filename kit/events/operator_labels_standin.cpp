// Until the event dialogs are built: the labels of the valid operators, an empty field for
// any other value.
#include <array>
#include <string_view>

#include "kit/events/operator_labels.h"
#include "platform/widgets.h"

namespace {

template <size_t N>
void DrawOpField(int16_t x, int16_t y, int16_t widthPieces, const std::array<std::string_view, N>& labels, int16_t op) {
    DrawTextField(x, y, widthPieces, op >= 0 && size_t(op) < N ? labels[size_t(op)] : std::string_view());
}

}  // namespace

void DrawCompareOp(int16_t x, int16_t y, int16_t widthPieces, int16_t op) {
    static constexpr std::array<std::string_view, 6> kLabels = {" >", " <", ">=", "<=", "!=", "=="};
    DrawOpField(x, y, widthPieces, kLabels, op);
}

void DrawAssignOp(int16_t x, int16_t y, int16_t widthPieces, int16_t op) {
    static constexpr std::array<std::string_view, 3> kLabels = {"=", "+=", "-="};
    DrawOpField(x, y, widthPieces, kLabels, op);
}
