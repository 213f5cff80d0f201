// Flag conditions and flag changes: (flag, operator, value) triples over GameFlags.
#pragma once

#include <cstdint>

// Comparison operators 0 >, 1 <, 2 >=, 3 <=, 4 !=, 5 ==, signed, left against right; any
// other operator is false.
int CompareValues(int16_t left, int16_t op, int16_t right);
// The flag's value (-1 for a number outside 0..7999) compared with the value.
int CompareFlag(int16_t flag, int16_t op, int16_t value);
// 1 when the flag number is 0 or -1 (no condition); otherwise the comparison.
int TestFlagCondition(int16_t flag, int16_t op, int16_t value);
// 1 when the flag number is below 1 (no condition); otherwise the comparison.
int CheckFlagCondition(int16_t flag, int16_t op, int16_t value);
// CheckFlagCondition of the triple an event keeps in words first..first + 2.
int EventCondition(const int16_t* words, int first);
// 0 when the flag number is below 1; otherwise the comparison.
int CheckFlagConditionStrict(int16_t flag, int16_t op, int16_t value);
// Operators 0 set, 1 add, 2 subtract (wrapping at 16 bits), any other nothing, on any flag
// 0..7999; numbers outside the table are never written.
void AssignFlag(int16_t flag, int16_t op, int16_t value);
// AssignFlag for flag numbers of 1 and above, answering 0; a number below 1 changes nothing
// and answers 1.
int ChangeFlag(int16_t flag, int16_t op, int16_t value);
