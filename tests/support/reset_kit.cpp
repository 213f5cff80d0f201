#include "kit/events/event_editor.h"
#include "kit/level/event_clipboard.h"
#include "tests/support/global_state.h"

void KeepKitState() {
    KeepInitial(ChestEditorPage);
    KeepInitial(EventClipboardType);
}
