#include "inn.h"

void ChooseAura() {}
