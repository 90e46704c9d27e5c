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

// A record without its key field ends the table for every whole-table
// operation and for a save: `position` counts from 0, `stored` is every record read.
std::string TableEndNote(std::string_view record, std::string_view keyField, std::size_t position,
                         std::size_t stored);

// The notes of a table read with the group splitter: the group left open at
// the end of the file, if one is, and the record without its key field that
// ends the table, if one does (`inUse` records stand before it, `stored` were read).
LoadNotes TableLoadNotes(std::optional<std::size_t> openGroupLine, std::string_view record,
                         std::string_view keyField, std::size_t inUse, std::size_t stored);

// The warning text of a load's notes; empty when there are none.
std::string LoadWarning(std::string_view fileName, const LoadNotes& notes);
