// Until the kit's item editor is built: a bare picker that shows the item's number and name,
// steps with the arrow keys and is chosen with Enter.
#include <algorithm>
#include <string>

#include "data/item_records.h"
#include "data/text_field.h"
#include "platform/fonts.h"
#include "platform/number_entry.h"
#include "platform/widgets.h"
#include "kit/db/item_editor.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/source_rects.h"

int16_t RunItemEditor(int16_t firstItem) {
    constexpr int16_t kLast = kItemCount - 1;
    int16_t item = std::clamp<int16_t>(firstItem, 0, kLast);
    auto draw = [&] {
        BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
        DrawSmallText(250, 200, "Item " + std::to_string(item) + ": " + std::string(FieldText(ItemTable[item].ItemName)),
                      0);
        Flip();
    };
    draw();
    for (;;) {
        LoopPass("item picker", draw);
        if (KeyPressed(13, 1, 0, 1)) return item;
        const int16_t step = KeyPressed(37, 1, 0, 1) ? -1 : KeyPressed(39, 1, 0, 1) ? 1 : 0;
        if (step != 0) {
            item = std::clamp<int16_t>(item + step, 0, kLast);
            draw();
        }
    }
}

int16_t PickItemInEditor(int16_t current) { return current; }
