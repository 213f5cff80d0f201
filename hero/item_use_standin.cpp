#include "item_use.h"

int16_t ItemInUse = -1;

int UseItem(int16_t) { return 0; }
