// Monster names reader on any bytes: every record read is stored, and a name
// lookup never fails, inside the table or outside it.
#include "monsters/MonsterNamesReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MonsterNameTable table;
    const MonsterNamesLoad load =
        ParseMonsterNames(std::string_view(reinterpret_cast<const char*>(data), size), table);
    if (load.stored != table.size()) {
        __builtin_trap();
    }
    const auto count = static_cast<long long>(table.size());
    for (long long k = -1; k <= count + 1; ++k) {
        const bool inTable = k >= 1 && k <= count;
        if (table.MonsterNameFor(k) != (inTable ? table[static_cast<std::size_t>(k - 1)].displayName : "")) {
            __builtin_trap();
        }
    }
    return 0;
}
