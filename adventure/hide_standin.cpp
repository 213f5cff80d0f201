#include "hide.h"

void TryHide() {}
