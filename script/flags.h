// Flag conditions and flag changes: (flag, operator, value) triples over GameFlags.
#pragma once

#include <cstdint>

// Comparison operators 0 >, 1 <, 2 >=, 3 <=, 4 !=, 5 ==; any other is false.
int CompareFlag(int16_t flag, int16_t op, int16_t value);
// 1 when the flag number is 0 or -1 (no condition); otherwise the comparison.
int TestFlagCondition(int16_t flag, int16_t op, int16_t value);
// 1 when the flag number is below 1 (no condition); otherwise the comparison.
int CheckFlagCondition(int16_t flag, int16_t op, int16_t value);
// 0 when the flag number is below 1; otherwise the comparison.
int CheckFlagConditionStrict(int16_t flag, int16_t op, int16_t value);
// Operators 0 set, 1 add, 2 subtract (wrapping at 16 bits). A flag number below 1 changes
// nothing and answers 1; otherwise 0.
int ChangeFlag(int16_t flag, int16_t op, int16_t value);
