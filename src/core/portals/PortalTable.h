#pragma once

#include "records/FieldRecord.h"
#include "records/RecordTable.h"

#include <cstddef>
#include <string>
#include <type_traits>
#include <vector>

// The fields of a portal of Etc.txt, bytes exactly as read.
enum class PortalField : std::size_t {
    Commented, // "0" active, "1" commented out; empty: no portal at this position
    Country1,
    Country2,
    FromMap, // the map of the entry rectangle
    X1,      // the entry rectangle's corners in map units
    Y1,
    X2,
    Y2,
    ToMap, // the destination
    ToX,
    ToY,
    ToZ,
    Comment, // what follows the ";" after the record on its line
};

// The fields of a goto of Etc.txt, bytes exactly as read.
enum class GotoField : std::size_t {
    Commented, // as a portal's
    Value1,
    Value2,
    Value3,
    Value4,
    Value5,
    Comment,
};

// The position of a field among a record's `fields`.
template <typename Field>
requires std::is_enum_v<Field>
constexpr std::size_t FieldIndex(Field field) {
    return static_cast<std::size_t>(field);
}

// A record of Etc.txt. It is present when its first field, `Commented`, is not empty.
template <std::size_t FieldCount, typename Field> struct EtcRecord : FieldRecord<FieldCount, Field> {
    static_assert(FieldIndex(Field::Commented) == 0);

    bool present() const { return !this->fields[0].empty(); }
};

// Both kinds end with their Comment field.
using PortalRecord = EtcRecord<FieldIndex(PortalField::Comment) + 1, PortalField>;
using GotoRecord = EtcRecord<FieldIndex(GotoField::Comment) + 1, GotoField>;

// Records without a stored count: the records in use run from position 0 up
// to the first one that is not present.
template <typename Record> class EtcTable : public RecordTable<Record> {
  public:
    // The positions that the list and the writer walk: position 0 always,
    // then each next position while that one is present.
    std::size_t walkLength() const { return firstAbsentFrom(1); }

    // The first position whose record is not present: where a new record goes.
    std::size_t firstFree() const { return firstAbsentFrom(0); }

  private:
    std::size_t firstAbsentFrom(std::size_t from) const {
        std::size_t position = from;
        while (position < this->size() && (*this)[position].present()) {
            ++position;
        }
        return position;
    }
};

using PortalTable = EtcTable<PortalRecord>;
using GotoTable = EtcTable<GotoRecord>;

// The records of Etc.txt that are neither gotos nor portals, in file order,
// each as the whole line it is written back as: ";" for a commented record,
// then the record tidied.
using EtcOtherRecords = std::vector<std::string>;
