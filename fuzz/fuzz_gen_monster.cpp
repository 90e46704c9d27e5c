#include "spawns/GenMonsterFile.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// Reads arbitrary bytes as GenMonster.txt, writes the table back and reads
// the written lines again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto table = std::make_unique<SpawnTable>();
    static auto again = std::make_unique<SpawnTable>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const GenMonsterLoad load = ParseGenMonster(bytes, *table);
    if (load.stored > SpawnTable::kCapacity) {
        __builtin_trap();
    }
    for (std::size_t position = 0; position < SpawnTable::kCapacity; ++position) {
        if (!(*table)[position][kListPosition].empty() || !(*table)[position][kMarkerShown].empty()) {
            __builtin_trap();
        }
    }
    std::string written;
    for (const std::string& line : GenMonsterLines(*table)) {
        written += line + "\r\n";
    }
    if (ParseGenMonster(written, *again).stored > SpawnTable::kCapacity ||
        again->LiveCount() > SpawnTable::kCapacity) {
        __builtin_trap();
    }
    return 0;
}
