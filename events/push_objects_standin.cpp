#include "push_objects.h"

int PushObject(int16_t, int16_t, int16_t, int16_t) { return 0; }
