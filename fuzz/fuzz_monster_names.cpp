#include "monsters/MonsterNameTable.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto table = std::make_unique<MonsterNameTable>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const MonsterNamesLoad load = ParseMonsterNames(bytes, *table);
    if (load.stored > MonsterNameTable::kCapacity) {
        __builtin_trap();
    }
    for (long long k = -1; k <= 402; ++k) {
        (void)table->MonsterNameFor(k);
    }
    return 0;
}
