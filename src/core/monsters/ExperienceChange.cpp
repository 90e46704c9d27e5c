#include "monsters/ExperienceChange.h"

#include "monsters/MonsterSlots.h"
#include "records/Errors.h"
#include "records/IntegerText.h"

#include <limits>
#include <optional>
#include <utility>

namespace {
std::int64_t checked(std::int64_t result) {
    if (result < std::numeric_limits<std::int32_t>::min() ||
        result > std::numeric_limits<std::int32_t>::max()) {
        throw BrennickError("Integer overflow");
    }
    return result;
}

// The value to store, or nothing when the slot keeps its value.
std::optional<std::int64_t> changed(std::int64_t exp, ExpOperation operation, std::int64_t amount) {
    switch (operation) {
    case ExpOperation::Add:
        return checked(exp + amount);
    case ExpOperation::Subtract: {
        const std::int64_t result = checked(exp - amount);
        return result > 0 ? std::optional(result) : std::nullopt;
    }
    case ExpOperation::Multiply:
        return checked(exp * amount);
    case ExpOperation::Divide: {
        if (amount == 0) {
            throw DivisionByZeroError();
        }
        const std::int64_t result = checked(exp / amount);
        return result > 0 ? std::optional(result) : std::nullopt;
    }
    case ExpOperation::None:
        break;
    }
    return std::nullopt;
}
} // namespace

TableChange<MonsterRecord> ComputeExpChange(const MonsterTable& table, ExpOperation operation,
                                            std::int32_t amount) {
    TableChange<MonsterRecord> change;
    change.kind = ChangeKind::ExperienceChange;
    const std::size_t last = table.LastMonsterIndex();
    for (std::size_t position = 0; position <= last; ++position) {
        const std::string& exp = table[position][MonsterSlot::Exp];
        if (exp.empty()) {
            continue;
        }
        const auto result = changed(StrToInt(exp), operation, amount);
        if (std::string after = result ? IntToStr(*result) : exp; after != exp) {
            change.edits.push_back({position, SlotNumber(MonsterSlot::Exp), exp, std::move(after)});
        }
    }
    return change;
}
