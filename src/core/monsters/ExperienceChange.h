#pragma once

#include "monsters/MonsterTable.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class ExpOperation { None, Add, Subtract, Multiply, Divide };

struct ExpUpdate {
    std::size_t position;
    std::string exp; // the new `exp` slot, as decimal text
};

// The new `exp` values of every record from position 0 to LastMonsterIndex
// whose `exp` slot is not empty, commented-out records included. "-" and "/"
// leave out a result that would not stay above 0; "x" has no lower bound; no
// operation changes nothing, but every value is still checked.
// Every value is parsed and every result computed before anything is
// returned: a slot that is not an integer throws ConvertError, "/" by 0
// DivisionByZeroError, and a result outside the 32-bit signed range
// BrennickError, so a failed change changes no record.
std::vector<ExpUpdate> ComputeExpChange(const MonsterTable& table, ExpOperation operation,
                                        std::int32_t amount);

void ApplyExpChange(MonsterTable& table, const std::vector<ExpUpdate>& updates);
