#include "monsters/MonsterTable.h"

void MonsterTable::clear() {
    for (auto& record : records_) {
        record.fill(std::string());
    }
}

std::size_t MonsterTable::LastMonsterIndex() const {
    for (std::size_t position = 1; position < kCapacity; ++position) {
        if (records_[position][1].empty()) {
            return position - 1;
        }
    }
    return kCapacity - 1;
}
