#include "records/RecordText.h"

#include "records/ByteClasses.h"

#include <algorithm>

RecordText::RecordText(std::string_view text) : text_(text) {
    // The record's own "(" is at position 0; its groups stand at depth 1.
    std::size_t depth = 0;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '(') {
            if (depth == 1) {
                groups_.back().nested = true;
            }
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
                i = keyEnd - 1;
            }
        } else if (text[i] == ')' && depth > 0 && --depth == 0) {
            groups_.back().close = i;
        }
    }
}

std::size_t RecordText::FirstCloseIn(std::size_t group, std::size_t from) const {
    if (!groups_[group].nested) {
        return groups_[group].close;
    }
    const std::size_t found = text_.find(')', from);
    return found == std::string_view::npos ? text_.size() : found;
}

namespace {
// Keys are a few bytes long: a plain loop beats a call to memcmp.
bool sameKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return x == y; });
}
} // namespace

std::size_t RecordText::firstAtOrAfter(std::size_t start) const {
    // A search usually starts where the group found last ended: the next group is the first after it.
    const std::size_t next = afterFound_;
    if (next <= groups_.size() && (next == groups_.size() || groups_[next].open >= start) &&
        (next == 0 || groups_[next - 1].open < start)) {
        return next;
    }
    // The groups stand in file order: those at or after `start` are the last ones.
    return static_cast<std::size_t>(
        std::ranges::partition_point(groups_, [start](const Group& group) { return group.open < start; }) -
        groups_.begin());
}

std::optional<RecordText::KeyGroup> RecordText::FindKeyGroup(std::string_view key, std::size_t start) const {
    const auto keyGroup = [&](std::size_t group, bool forward) {
        return KeyGroup{
            group, static_cast<std::size_t>(groups_[group].key.data() - text_.data()) + key.size(), forward};
    };
    for (std::size_t group = firstAtOrAfter(start); group < groups_.size(); ++group) {
        if (sameKey(groups_[group].key, key)) {
            afterFound_ = group + 1;
            return keyGroup(group, true);
        }
    }
    for (std::size_t group = 0; group < groups_.size(); ++group) {
        if (!groups_[group].taken && sameKey(groups_[group].key, key)) {
            return keyGroup(group, false);
        }
    }
    return std::nullopt;
}

void RecordText::KeepUntakenGroups(std::vector<std::string>& kept) const {
    kept.clear();
    for (const Group& group : groups_) {
        if (!group.taken) {
            const std::size_t end = group.close < text_.size() ? group.close + 1 : text_.size();
            kept.push_back(TidyGroup(text_.substr(group.open, end - group.open)));
        }
    }
}

std::string TidyGroup(std::string_view group) {
    std::string tidy(group.size(), '\0');
    char* out = tidy.data();
    const char* const begin = out;
    bool quoted = false;
    bool blankPending = false;
    for (const char c : group) {
        if (!quoted && IsBlank(c)) {
            blankPending = true;
            continue;
        }
        if (blankPending && out != begin && out[-1] != '(' && c != ')') {
            *out++ = ' ';
        }
        blankPending = false;
        *out++ = c;
        if (c == '"') {
            quoted = !quoted;
        }
    }
    tidy.resize(static_cast<std::size_t>(out - begin));
    return tidy;
}
