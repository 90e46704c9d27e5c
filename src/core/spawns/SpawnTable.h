#pragma once

#include "records/FieldRecord.h"
#include "records/RecordTable.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The fields of one spawn of GenMonster.txt, bytes exactly as read.
enum class SpawnField : std::size_t {
    Commented, // "1" when a ";" stands directly before the record, else "0"
    Index,     // monster number
    Map,       // map number
    Area,      // area number
    Max,       // maximum number of monsters
    Cycle,     // respawn cycle
    X1,        // corners in map units; (x1, y2) is the upper-left one
    Y1,
    X2,
    Y2,
};

// A spawn: its fields and what they cannot hold (surplus values, groups no key search took).
using SpawnRecord = FieldRecord<10, SpawnField>;

class SpawnTable : public RecordTable<SpawnRecord> {
  public:
    static constexpr std::size_t kFields = SpawnRecord::kFieldCount;

    // Number of records in use: every record read, with or without an index;
    // a save writes positions 0 to LiveCount() - 1. At least 1: an empty table
    // still has its empty position 0.
    std::size_t LiveCount() const;

    // The position after the last record: where a new spawn goes.
    std::size_t FirstFreePosition() const { return LiveCount(); }

    // The first record whose area is `area`.
    std::optional<std::size_t> FindArea(std::string_view area) const;
};

// A spawn point has equal corners, compared as texts.
bool IsSpawnPoint(const SpawnRecord& record);

// Whether every corner holds a value: the spawn has a rect of its own.
bool HasAllCorners(const SpawnRecord& record);

// The point of a spawn placed by "(xy x y)" rather than by a rect: the first
// two values of its first kept xy group; nothing when it has none, or when
// that group holds fewer than two values.
std::optional<std::array<std::string, 2>> XyPoint(const SpawnRecord& record);
