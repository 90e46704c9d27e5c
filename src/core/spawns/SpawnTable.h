#pragma once

#include "records/FieldRecord.h"
#include "records/RecordTable.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The fields of one spawn of GenMonster.txt, bytes exactly as read.
enum SpawnField : std::size_t {
    kCommented = 0, // "1" when a ";" stands directly before the record, else "0"
    kIndex = 1,     // monster number
    kMap = 2,       // map number
    kArea = 3,      // area number; the page finds a spawn by this text
    kMax = 4,       // maximum number of monsters
    kCycle = 5,     // respawn cycle
    kX1 = 6,        // corners in map units; (x1, y2) is the upper-left one
    kY1 = 7,
    kX2 = 8,
    kY2 = 9,
    kListPosition = 10, // entry of the record's monster in the page's monster list
    kMarkerShown = 11,  // "1" once the area viewer made a marker for the record
};

// A spawn: its fields and what they cannot hold (surplus values, groups no key search took).
using SpawnRecord = FieldRecord<12>;

class SpawnTable : public RecordTable<SpawnRecord> {
  public:
    static constexpr std::size_t kFields = SpawnRecord::kFieldCount;

    void ClearSpawnTable() { clear(); }

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
