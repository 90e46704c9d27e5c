#include "monsters/MonsterNameTable.h"

#include "records/IntegerText.h"

namespace {
const std::string kEmpty;
} // namespace

const std::string& MonsterNameTable::MonsterNameFor(long long k) const {
    if (k < 1 || static_cast<unsigned long long>(k) > size()) {
        return kEmpty;
    }
    return (*this)[static_cast<std::size_t>(k - 1)].displayName;
}

const std::string& MonsterNameTable::MonsterNameForText(std::string_view number) const {
    return number.empty() ? kEmpty : MonsterNameFor(StrToInt(number));
}
