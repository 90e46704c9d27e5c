#include "spawns/SpawnTable.h"

void SpawnTable::ClearSpawnTable() {
    records_.fill(SpawnRecord{});
}

std::size_t SpawnTable::LiveCount() const {
    for (std::size_t position = 1; position < kCapacity; ++position) {
        if (records_[position][kIndex].empty()) {
            return position;
        }
    }
    return kCapacity;
}

std::optional<std::size_t> SpawnTable::FirstFreePosition() const {
    const std::size_t live = LiveCount();
    if (live == kCapacity) {
        return std::nullopt;
    }
    return live;
}

std::optional<std::size_t> SpawnTable::FindArea(std::string_view area) const {
    const std::size_t live = LiveCount();
    for (std::size_t position = 0; position < live; ++position) {
        if (records_[position][kArea] == area) {
            return position;
        }
    }
    return std::nullopt;
}

bool IsSpawnPoint(const SpawnRecord& record) {
    return record[kX1] == record[kX2] && record[kY1] == record[kY2];
}
