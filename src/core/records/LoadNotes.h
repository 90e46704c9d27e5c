#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a load that succeeded still has to tell the operator, one note per
// matter. The warning box shows every note on a line of its own that starts
// with the name of the file read.
using LoadNotes = std::vector<std::string>;

// A top-level group still open at the end of the file.
std::string OpenGroupNote(std::size_t line);

// A record read without its key field (a monster without a name, a spawn
// without an index): its position in the table, from 0, and where it starts
// in the bytes read.
struct KeylessRecord {
    std::size_t position;
    std::size_t offset;
};

// The notes of a table read with the group splitter: the group left open at
// the end of the file, if one is, and the records read without their key
// field, if any, named by their number and line (the first few of them).
LoadNotes TableLoadNotes(std::string_view bytes, std::optional<std::size_t> openGroupLine,
                         std::string_view record, std::string_view keyField,
                         const std::vector<KeylessRecord>& keyless);

// The warning text of a load's notes; empty when there are none.
std::string LoadWarning(std::string_view fileName, const LoadNotes& notes);
