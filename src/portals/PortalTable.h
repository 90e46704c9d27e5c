#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

// A record of text fields kept exactly as read. A record is present when its
// `commented` field ("0" active, "1" commented out) is not empty.
template <std::size_t FieldCount> struct EtcRecord {
    static constexpr std::size_t kFieldCount = FieldCount;
    static constexpr std::size_t commented = 0;

    std::array<std::string, FieldCount> fields{};

    std::string& operator[](std::size_t field) { return fields.at(field); }
    const std::string& operator[](std::size_t field) const { return fields.at(field); }
    bool present() const { return !fields[commented].empty(); }
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

// A fixed array of records without a stored count: the records in use run
// from position 0 up to the first one that is not present.
template <typename Record, std::size_t Capacity> class EtcTable {
  public:
    static constexpr std::size_t kCapacity = Capacity;

    Record& operator[](std::size_t position) { return records_.at(position); }
    const Record& operator[](std::size_t position) const { return records_.at(position); }

    void clear() { records_.fill(Record{}); }

    // The positions that the list and the writer walk: position 0 always,
    // then each next position while that one is present.
    std::size_t walkLength() const {
        std::size_t length = 1;
        while (length < Capacity && records_[length].present()) {
            ++length;
        }
        return length;
    }

    // The first position whose record is not present, if there is one.
    std::optional<std::size_t> firstFree() const {
        for (std::size_t position = 0; position < Capacity; ++position) {
            if (!records_[position].present()) {
                return position;
            }
        }
        return std::nullopt;
    }

  private:
    std::array<Record, Capacity> records_{};
};

using PortalTable = EtcTable<PortalRecord, 51>;
using GotoTable = EtcTable<GotoRecord, 101>;
