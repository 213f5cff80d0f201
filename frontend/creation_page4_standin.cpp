// Until character creation is built: the name page's frame, its help lines and an empty
// name field.
#include "character_creation.h"

#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

void DrawCreationPage4() {
    BltFast(BackSurface, 0, 0, Slate2Picture, FullScreenRect, kBltOpaque);
    BltFast(BackSurface, 0, 0, BookPicture, FullScreenRect, kBltKeyed);
    DrawBigText(80, 80, "CHARACTER CREATION", kBigBlue);
    DrawBigText(400, 80, "PAGE 4 of 4", kBigBlue);
    BltFast(BackSurface, 340, 115, HeroFigure, HeroFigureRect, kBltKeyed);
    DrawSmallText(76, 260, "Alternatively, press TAB to", kSmallBlue);
    DrawSmallText(76, 275, "generate a random name.", kSmallBlue);
    DrawTextField(86, 215, 8, "");
    Flip();
}
