// Until the event dialogs are built: the six comparison labels, nothing for other values.
#include "operator_labels.h"

#include <array>
#include <string_view>

#include "platform/widgets.h"

void DrawCompareOp(int16_t x, int16_t y, int16_t widthPieces, int16_t op) {
    static constexpr std::array<std::string_view, 6> kLabels = {" >", " <", ">=", "<=", "!=", "=="};
    DrawTextField(x, y, widthPieces, op >= 0 && op < 6 ? kLabels[size_t(op)] : std::string_view());
}
