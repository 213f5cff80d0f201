#include "hero_melee.h"
#include "platform/input.h"

int MeleeAttackWeapon(int16_t, int16_t) { return 0; }
int MeleeAttackDual(int16_t, int16_t) { return 0; }
int MeleeAttackInForm(int16_t, int16_t) { return 0; }
void MeleeAttackBareHanded(int16_t, int16_t) {}

void FlushMoveKeys() {
    for (int16_t key : {38, 40, 37, 39, 104, 98, 100, 102})
        while (KeyDown(key)) {
        }
}
