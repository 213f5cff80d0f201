#include "kit/db/item_editor.h"
#include "kit/events/event_editor.h"
#include "kit/level/construction_kit.h"
#include "kit/level/event_clipboard.h"
#include "kit/level/text_dumps.h"
#include "kit/script/script_editor.h"
#include "tests/support/global_state.h"

void KeepKitState() {
    KeepInitial(ChestEditorPage);
    KeepInitial(KitPreviousLevel);
    KeepInitial(EventClipboardType);
    KeepInitial(EventClipboardValid);
    ResetBeforeEachTest([] {
        EventClipboard = nullptr;
        DumpFile = nullptr;
    });
    ResetBeforeEachTest(ForgetScriptEditorBackdrop);
    ResetBeforeEachTest(ForgetItemEditorBackdrop);
}
