#include "platform/display.h"
#include "platform/input.h"
#include "platform/list_chooser.h"
#include "platform/random.h"
#include "platform/text_entry.h"
#include "platform/widgets.h"
#include "tests/support/global_state.h"

void KeepPlatformState() {
    KeepInitial(CursorPos);
    KeepInitial(Msg);
    KeepInitial(MessagePending);
    KeepInitial(SkipNextRedraw);
    KeepInitial(ListItems);
    KeepInitial(TextScratch);
    KeepInitial(HeroNameCounter);
    KeepInitial(MainWindow);
    KeepInitial(SurfacesLost);
    KeepInitial(RedrawNeeded);
    ResetBeforeEachTest([] { SeedRandom(1); });
}
