#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What an editing object did to its table, for naming a change to the operator.
enum class ChangeKind {
    FieldEdit,        // one field of one record, from a page
    ExperienceChange, // the `exp` of every monster
    AddSpawn,
    AddPortal,
};

// One change of a table, computed in full before anything is applied, so that
// a change that fails half-way changes nothing: every field it sets, with its
// bytes before and after, and the records it appends at the table's end.
// Applying it and taking it back (TableEditor) restore the bytes exactly.
template <typename Record> struct TableChange {
    struct FieldEdit {
        std::size_t position;
        std::size_t field;
        std::string before;
        std::string after;
    };

    ChangeKind kind = ChangeKind::FieldEdit;
    std::vector<FieldEdit> edits;
    std::vector<Record> appended;

    bool empty() const { return edits.empty() && appended.empty(); }
};
