#include "script/message_window.h"
#include "tests/support/global_state.h"

void KeepScriptState() {
    KeepInitial(MessageLines);
    KeepInitial(MessageLineColours);
    KeepInitial(MessageLineCount);
}
