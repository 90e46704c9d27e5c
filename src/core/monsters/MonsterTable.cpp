#include "monsters/MonsterTable.h"

std::size_t MonsterTable::LastMonsterIndex() const {
    return size() > 0 ? size() - 1 : 0;
}
