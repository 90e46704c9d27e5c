#pragma once

#include "records/FieldRecord.h"
#include "records/RecordTable.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// A record of Etc.txt. It is present when its `commented` field ("0" active,
// "1" commented out) is not empty.
template <std::size_t FieldCount> struct EtcRecord : FieldRecord<FieldCount> {
    static constexpr std::size_t commented = 0;

    bool present() const { return !this->fields[commented].empty(); }
};

struct PortalRecord : EtcRecord<13> {
    static constexpr std::size_t country1 = 1;
    static constexpr std::size_t country2 = 2;
    static constexpr std::size_t fromMap = 3;
    static constexpr std::size_t x1 = 4;
    static constexpr std::size_t y1 = 5;
    static constexpr std::size_t x2 = 6;
    static constexpr std::size_t y2 = 7;
    static constexpr std::size_t toMap = 8;
    static constexpr std::size_t toX = 9;
    static constexpr std::size_t toY = 10;
    static constexpr std::size_t toZ = 11;
    static constexpr std::size_t comment = 12;
};

struct GotoRecord : EtcRecord<7> {
    static constexpr std::size_t value1 = 1;
    static constexpr std::size_t value5 = 5;
    static constexpr std::size_t comment = 6;
};

// Records without a stored count: the records in use run from position 0 up
// to the first one that is not present.
template <typename Record> class EtcTable : public RecordTable<Record> {
  public:
    // The positions that the list and the writer walk: position 0 always,
    // then each next position while that one is present.
    std::size_t walkLength() const {
        std::size_t length = 1;
        while (length < this->size() && (*this)[length].present()) {
            ++length;
        }
        return length;
    }

    // The first position whose record is not present: where a new record goes.
    std::size_t firstFree() const {
        std::size_t position = 0;
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
