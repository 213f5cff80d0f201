#include "wands.h"

int UseWand() { return 0; }
