#include "map_screen.h"

void MapScreen() {}
