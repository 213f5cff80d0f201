#include "activate_skill.h"

void ActivateSkill() {}
