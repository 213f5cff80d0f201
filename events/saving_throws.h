// The hero's saving throws.
#pragma once

// 1 when 1 + a roll of 0..99 is at most the hero's Mind (Body) save.
int RollMindSave();
int RollBodySave();
