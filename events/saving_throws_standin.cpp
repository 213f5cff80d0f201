#include "saving_throws.h"

int RollMindSave() { return 0; }
int RollBodySave() { return 0; }
