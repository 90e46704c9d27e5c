#pragma once

#include <array>
#include <cstddef>
#include <string>

// One monster of InitMonster.txt: 51 text slots, bytes exactly as read.
// Slot 0 is `commented` ("1" commented out, "0" active), slot 1 the name number,
// slot 2 the index; the other slots are listed in MonsterSlots.h.
using MonsterRecord = std::array<std::string, 51>;

class MonsterTable {
  public:
    static constexpr std::size_t kCapacity = 501;
    static constexpr std::size_t kSlots = 51;

    MonsterRecord& operator[](std::size_t position) { return records_.at(position); }
    const MonsterRecord& operator[](std::size_t position) const { return records_.at(position); }

    void clear();

    // The position of the last record in use: the one before the first record,
    // from position 1 on, whose name slot is empty; 0 when position 1 is empty.
    std::size_t LastMonsterIndex() const;

  private:
    std::array<MonsterRecord, kCapacity> records_{};
};
