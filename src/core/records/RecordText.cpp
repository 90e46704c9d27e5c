#include "records/RecordText.h"

#include "records/ByteClasses.h"

#include <algorithm>

RecordText::RecordText(std::string_view text) : text_(text) {
    groups_.reserve(16);
    // The record's own "(" is at position 0; its groups stand at depth 1.
    std::size_t depth = 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '(') {
            if (depth++ == 0) {
                std::size_t keyStart = i + 1;
                while (keyStart < text.size() && IsBlank(text[keyStart])) {
                    ++keyStart;
                }
                std::size_t keyEnd = keyStart;
                while (keyEnd < text.size() && IsWordByte(text[keyEnd])) {
                    ++keyEnd;
                }
                groups_.push_back({i, text.size(), text.substr(keyStart, keyEnd - keyStart)});
            }
        } else if (text[i] == ')' && depth > 0 && --depth == 0) {
            groups_.back().close = i;
        }
    }
}

std::optional<RecordText::KeyGroup> RecordText::FindKeyGroup(std::string_view key, std::size_t start) const {
    const auto keyGroup = [&](std::size_t group, bool forward) {
        return KeyGroup{
            group, static_cast<std::size_t>(groups_[group].key.data() - text_.data()) + key.size(), forward};
    };
    // The groups stand in file order: those at or after `start` are the last ones.
    const auto firstAfter =
        std::ranges::partition_point(groups_, [start](const Group& group) { return group.open < start; });
    for (auto group = static_cast<std::size_t>(firstAfter - groups_.begin()); group < groups_.size();
         ++group) {
        if (groups_[group].key == key) {
            return keyGroup(group, true);
        }
    }
    for (std::size_t group = 0; group < groups_.size(); ++group) {
        if (!groups_[group].taken && groups_[group].key == key) {
            return keyGroup(group, false);
        }
    }
    return std::nullopt;
}

std::vector<std::string> RecordText::UntakenGroups() const {
    std::vector<std::string> untaken;
    for (const Group& group : groups_) {
        if (!group.taken) {
            const std::size_t end = group.close < text_.size() ? group.close + 1 : text_.size();
            untaken.push_back(TidyGroup(text_.substr(group.open, end - group.open)));
        }
    }
    return untaken;
}

std::string TidyGroup(std::string_view group) {
    std::string tidy;
    tidy.reserve(group.size());
    bool quoted = false;
    bool blankPending = false;
    for (const char c : group) {
        if (!quoted && IsBlank(c)) {
            blankPending = true;
            continue;
        }
        if (blankPending && !tidy.empty() && tidy.back() != '(' && c != ')') {
            tidy += ' ';
        }
        blankPending = false;
        tidy += c;
        if (c == '"') {
            quoted = !quoted;
        }
    }
    return tidy;
}
