// Wands.
#pragma once

// The equipped wand's power; 1 when it acted.
int UseWand();
