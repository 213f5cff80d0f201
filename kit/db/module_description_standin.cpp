#include "module_description.h"

void DrawModuleDescription(int16_t, int16_t, int16_t) {}
