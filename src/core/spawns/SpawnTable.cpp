#include "spawns/SpawnTable.h"

#include "records/ExtractValues.h"
#include "records/GroupSplitter.h"

#include <algorithm>

std::size_t SpawnTable::LiveCount() const {
    return std::max<std::size_t>(size(), 1);
}

std::optional<std::size_t> SpawnTable::FindArea(std::string_view area) const {
    const std::size_t live = LiveCount();
    for (std::size_t position = 0; position < live; ++position) {
        if ((*this)[position][SpawnField::Area] == area) {
            return position;
        }
    }
    return std::nullopt;
}

bool IsSpawnPoint(const SpawnRecord& record) {
    return record[SpawnField::X1] == record[SpawnField::X2] &&
           record[SpawnField::Y1] == record[SpawnField::Y2];
}

bool HasAllCorners(const SpawnRecord& record) {
    return !record[SpawnField::X1].empty() && !record[SpawnField::Y1].empty() &&
           !record[SpawnField::X2].empty() && !record[SpawnField::Y2].empty();
}

std::optional<std::array<std::string, 2>> XyPoint(const SpawnRecord& record) {
    for (const std::string& group : record.extras.kept) {
        if (LeadingWord(group) == "xy") {
            std::array<std::string, 2> point;
            std::string surplus;
            ExtractKeywordValues(RecordText(group), point, surplus);
            if (point[1].empty()) {
                return std::nullopt;
            }
            return point;
        }
    }
    return std::nullopt;
}
