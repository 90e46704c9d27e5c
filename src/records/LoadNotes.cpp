#include "records/LoadNotes.h"

namespace {
std::string counted(std::size_t count, std::string_view noun) {
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}
} // namespace

std::string OpenGroupNote(std::size_t line) {
    return "the group opened on line " + std::to_string(line) +
           " is never closed; nothing after it was read.";
}

std::string TableEndNote(std::string_view record, std::string_view keyField, std::size_t position,
                         std::size_t stored) {
    const std::size_t after = stored - position - 1;
    return std::string(record) + " " + std::to_string(position + 1) + " has no " + std::string(keyField) +
           ", which ends the table: a save will not contain it or the " + counted(after, record) +
           " after it.";
}

LoadNotes TableLoadNotes(std::optional<std::size_t> openGroupLine, std::string_view record,
                         std::string_view keyField, std::size_t inUse, std::size_t stored) {
    LoadNotes notes;
    if (openGroupLine) {
        notes.push_back(OpenGroupNote(*openGroupLine));
    }
    if (stored > inUse) {
        notes.push_back(TableEndNote(record, keyField, inUse, stored));
    }
    return notes;
}

std::string LoadWarning(std::string_view fileName, const LoadNotes& notes) {
    std::string text;
    for (const std::string& note : notes) {
        if (!text.empty()) {
            text += '\n';
        }
        text += std::string(fileName) + ": " + note;
    }
    return text;
}
