// The store of a script that takes all the hero's items and gives them back.
#pragma once

// Each writes its own line into the script window.
void StripAllItems();
void ReturnStrippedItems();
