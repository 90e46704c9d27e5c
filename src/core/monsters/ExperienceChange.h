#pragma once

#include "monsters/MonsterTable.h"
#include "records/TableChange.h"

#include <cstdint>

enum class ExpOperation { None, Add, Subtract, Multiply, Divide };

// The change of the `exp` slot of every record from position 0 to
// LastMonsterIndex whose `exp` slot is not empty, commented-out records
// included. "-" and "/" leave out a result that would not stay above 0; "x"
// has no lower bound; no operation changes nothing, but every value is still
// checked. A slot whose text would stay as it is has no edit. Every value is
// parsed and every result computed before the change is returned: a slot that
// is not an integer throws ConvertError, "/" by 0 DivisionByZeroError, and a
// result outside the 32-bit signed range BrennickError, so a failed change
// changes no record.
TableChange<MonsterRecord> ComputeExpChange(const MonsterTable& table, ExpOperation operation,
                                            std::int32_t amount);
