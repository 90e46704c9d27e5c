#include "records/LoadNotes.h"

#include "records/GroupSplitter.h"

#include <algorithm>

namespace {
// A warning box stays readable: the records past these are only counted.
constexpr std::size_t kKeylessNamed = 5;

std::string keylessNote(std::string_view bytes, std::string_view record, std::string_view keyField,
                        const std::vector<KeylessRecord>& keyless) {
    const std::size_t named = std::min(keyless.size(), kKeylessNamed);
    std::vector<std::string> names;
    for (std::size_t i = 0; i < named; ++i) {
        names.push_back(std::to_string(keyless[i].position + 1) + " (line " +
                        std::to_string(LineOf(bytes, keyless[i].offset)) + ")");
    }
    if (keyless.size() > named) {
        names.push_back(std::to_string(keyless.size() - named) + " more");
    }
    std::string text(record);
    if (names.size() == 1) {
        return text + " " + names[0] + " has no " + std::string(keyField) + ".";
    }
    text += "s ";
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += i == 0 ? "" : i + 1 == names.size() ? " and " : ", ";
        text += names[i];
    }
    return text + " have no " + std::string(keyField) + ".";
}
} // namespace

std::string OpenGroupNote(std::size_t line) {
    return "the group opened on line " + std::to_string(line) +
           " is never closed; nothing after it was read.";
}

LoadNotes TableLoadNotes(std::string_view bytes, std::optional<std::size_t> openGroupLine,
                         std::string_view record, std::string_view keyField,
                         const std::vector<KeylessRecord>& keyless) {
    LoadNotes notes;
    if (openGroupLine) {
        notes.push_back(OpenGroupNote(*openGroupLine));
    }
    if (!keyless.empty()) {
        notes.push_back(keylessNote(bytes, record, keyField, keyless));
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
