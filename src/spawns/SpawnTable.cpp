#include "spawns/SpawnTable.h"

#include <algorithm>

std::size_t SpawnTable::LiveCount() const {
    return std::max<std::size_t>(size(), 1);
}

std::optional<std::size_t> SpawnTable::FindArea(std::string_view area) const {
    const std::size_t live = LiveCount();
    for (std::size_t position = 0; position < live; ++position) {
        if ((*this)[position][kArea] == area) {
            return position;
        }
    }
    return std::nullopt;
}

bool IsSpawnPoint(const SpawnRecord& record) {
    return record[kX1] == record[kX2] && record[kY1] == record[kY2];
}
