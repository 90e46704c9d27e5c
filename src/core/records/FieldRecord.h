#pragma once

#include "records/RecordExtras.h"

#include <array>
#include <cstddef>
#include <string>

// A record of a file: its text fields, bytes exactly as read, and what the
// fields cannot hold (surplus values, groups no key search took).
template <std::size_t FieldCount> struct FieldRecord {
    static constexpr std::size_t kFieldCount = FieldCount;

    std::array<std::string, FieldCount> fields{};
    RecordExtras extras;

    std::string& operator[](std::size_t field) { return fields.at(field); }
    const std::string& operator[](std::size_t field) const { return fields.at(field); }

    bool operator==(const FieldRecord&) const = default;
};
