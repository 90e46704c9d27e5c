#pragma once

#include "records/RecordExtras.h"

#include <array>
#include <cstddef>
#include <string>

// A record of a file: its text fields, bytes exactly as read, and what the
// fields cannot hold (surplus values, groups no key search took). `Field`
// names the positions of the fields, a scoped enum per kind of record; code
// that walks every field uses `fields` by number.
template <std::size_t FieldCount, typename Field = std::size_t> struct FieldRecord {
    static constexpr std::size_t kFieldCount = FieldCount;

    std::array<std::string, FieldCount> fields{};
    RecordExtras extras;

    std::string& operator[](Field field) { return fields.at(static_cast<std::size_t>(field)); }
    const std::string& operator[](Field field) const { return fields.at(static_cast<std::size_t>(field)); }

    // Empties every field and the extras, keeping the fields' storage for the next values.
    void Clear() {
        for (std::string& field : fields) {
            field.clear();
        }
        extras.surplus.clear();
        extras.kept.clear();
    }

    bool operator==(const FieldRecord&) const = default;
};
