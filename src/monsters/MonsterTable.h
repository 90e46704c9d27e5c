#pragma once

#include "records/GrowingTable.h"
#include "records/RecordExtras.h"

#include <array>
#include <cstddef>
#include <string>

// One monster of InitMonster.txt: 51 text slots, bytes exactly as read.
// Slot 0 is `commented` ("1" commented out, "0" active), slot 1 the name number,
// slot 2 the index; the other slots are listed in MonsterSlots.h. The extras
// hold what the slots cannot: surplus values and groups no key search took.
struct MonsterRecord {
    static constexpr std::size_t kSlots = 51;
    using Fields = std::array<std::string, kSlots>;

    Fields fields{};
    RecordExtras extras;

    std::string& operator[](std::size_t slot) { return fields.at(slot); }
    const std::string& operator[](std::size_t slot) const { return fields.at(slot); }

    bool operator==(const MonsterRecord&) const = default;
};

class MonsterTable : public GrowingTable<MonsterRecord> {
  public:
    static constexpr std::size_t kSlots = MonsterRecord::kSlots;

    // The position of the last record in use: the one before the first record,
    // from position 1 on, whose name slot is empty (the last record when every
    // one has a name); 0 when position 1 is empty.
    std::size_t LastMonsterIndex() const;
};
