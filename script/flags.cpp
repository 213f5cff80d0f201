#include "flags.h"

#include "data/game_state.h"

int CompareValues(int16_t left, int16_t op, int16_t right) {
    switch (op) {
        case 0: return left > right;
        case 1: return left < right;
        case 2: return left >= right;
        case 3: return left <= right;
        case 4: return left != right;
        case 5: return left == right;
        default: return 0;
    }
}

int CompareFlag(int16_t flag, int16_t op, int16_t value) { return CompareValues(GameFlag(flag), op, value); }

int TestFlagCondition(int16_t flag, int16_t op, int16_t value) {
    // Numbers below -1 are outside the flag table: they read -1 through the accessor.
    if (flag == 0 || flag == -1) return 1;
    return CompareFlag(flag, op, value);
}

int CheckFlagCondition(int16_t flag, int16_t op, int16_t value) {
    return flag < 1 ? 1 : CompareFlag(flag, op, value);
}

int EventCondition(const int16_t* words, int first) {
    return CheckFlagCondition(words[first], words[first + 1], words[first + 2]);
}

int CheckFlagConditionStrict(int16_t flag, int16_t op, int16_t value) {
    return flag < 1 ? 0 : CompareFlag(flag, op, value);
}

void AssignFlag(int16_t flag, int16_t op, int16_t value) {
    const int16_t v = GameFlag(flag);
    switch (op) {
        case 0: SetGameFlag(flag, value); break;
        case 1: SetGameFlag(flag, int16_t(uint16_t(v) + uint16_t(value))); break;
        case 2: SetGameFlag(flag, int16_t(uint16_t(v) - uint16_t(value))); break;
        default: break;
    }
}

int ChangeFlag(int16_t flag, int16_t op, int16_t value) {
    if (flag < 1) return 1;
    AssignFlag(flag, op, value);
    return 0;
}
