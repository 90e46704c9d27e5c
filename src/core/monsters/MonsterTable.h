#pragma once

#include "monsters/MonsterSlots.h"
#include "records/FieldRecord.h"
#include "records/RecordTable.h"

#include <cstddef>

// One monster of InitMonster.txt: 51 text slots, bytes exactly as read,
// named by MonsterSlot. The extras hold what the slots cannot: surplus values
// and groups no key search took.
using MonsterRecord = FieldRecord<51, MonsterSlot>;

class MonsterTable : public RecordTable<MonsterRecord> {
  public:
    static constexpr std::size_t kSlots = MonsterRecord::kFieldCount;

    // The position of the last record: every record read is in use, with or
    // without a name, and a save writes positions 0 to this one; 0 for an
    // empty table, whose save is the one empty record.
    std::size_t LastMonsterIndex() const;
};
