#include "script_interpreter.h"

void RunScript(int16_t, int16_t, int16_t) {}
