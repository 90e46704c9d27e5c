#include "monsters/MonsterTable.h"

std::size_t MonsterTable::LastMonsterIndex() const {
    for (std::size_t position = 1; position < size(); ++position) {
        if ((*this)[position][1].empty()) {
            return position - 1;
        }
    }
    return size() > 1 ? size() - 1 : 0;
}
