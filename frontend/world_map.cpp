#include "world_map.h"

#include "data/campaign_tables.h"
#include "data/text_field.h"
#include "page_frame.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/input.h"
#include "platform/list_chooser.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

int16_t LastWorldMapPage() {
    const int16_t pages = CustomCampaign.WorldMapPages;
    return pages >= 0 && pages <= 2 ? pages : 0;
}

void DrawWorldMapPage(int16_t page, uint32_t flip) {
    if (page < 0 || page > LastWorldMapPage()) page = 0;
    BltFast(BackSurface, 0, 0, WorldMapSurfaces[size_t(page)], FullScreenRect, kBltOpaque);
    if (LastWorldMapPage() != 0) DrawChoiceField(100, 447, 7, FieldText(CustomCampaign.WorldMapName[page]));
    DrawSmallText(270, 454, "Hotkey: C", kSmallBlack);
    DrawSmallText(530, 454, "Back", kSmallBlack);
    DrawIcon(BackSurface, 560, 449, 87);
    if (flip) Flip();
}

void ShowWorldMap() {
    Screen screen("world map");
    const int16_t last = LastWorldMapPage();
    int16_t page = 0;
    auto redraw = [&] { DrawWorldMapPage(page, 1); };
    redraw();
    for (;;) {
        LoopPass(screen, redraw);
        if (last != 0 && ButtonClicked(100, 447, 16, 0, 0, 1, 1)) {
            DrawWorldMapPage(page, 0);
            for (int16_t i = 0; i <= last; ++i) SetListRow(size_t(i), FieldText(CustomCampaign.WorldMapName[i]));
            const int16_t rows = int16_t(last + 1);
            const int16_t chosen = ChooseFromList(100, last == 1 ? 348 : 328, 8, rows, 0, rows, 1);
            page = chosen >= 0 && chosen <= last ? chosen : 0;
            redraw();
        }
        if (KeyPressed('C', 1, 0, 2)) {
            page = page < last ? int16_t(page + 1) : 0;
            redraw();
        }
        if (AreaClicked(530, 452, 50, 20, 27, 1, 1, 1) || KeyPressed('B', 1, 0, 1)) return;
    }
}
