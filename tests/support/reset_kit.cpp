#include "kit/script/script_editor.h"
#include "tests/support/global_state.h"

void KeepKitState() { ResetBeforeEachTest(ForgetScriptEditorBackdrop); }
