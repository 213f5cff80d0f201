#include "spell_cursor.h"

uint32_t TargetSpell(int16_t, int16_t&, int16_t&, const char*) { return 0; }
uint32_t TargetMonsterPower(int16_t&, int16_t&, int16_t) { return 0; }
