#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// What a record keeps beyond its fields, so that a save writes back
// everything the game server reads: the values read past the last field of
// a group, and the top-level groups that no key search took.
struct RecordExtras {
    // By the first field of their group: the surplus words, each after one space.
    std::vector<std::pair<std::size_t, std::string>> surplus;
    // Tidied, in file order.
    std::vector<std::string> kept;

    // The surplus words of the group whose first field is `firstField` (empty when none).
    const std::string& SurplusOf(std::size_t firstField) const {
        // Most records have none: that answer stays inline.
        return surplus.empty() ? kNone : surplusOf(firstField);
    }
    void AddSurplus(std::size_t firstField, std::string words) {
        if (!words.empty()) {
            surplus.emplace_back(firstField, std::move(words));
        }
    }

    bool operator==(const RecordExtras&) const = default;

  private:
    static const std::string kNone;
    const std::string& surplusOf(std::size_t firstField) const;
};
