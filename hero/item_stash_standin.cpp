#include "item_stash.h"

void StripAllItems() {}
void ReturnStrippedItems() {}
