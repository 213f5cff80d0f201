#include "view_info.h"

void ViewRightClickInfo() {}
void ShowHeroInfo() {}
