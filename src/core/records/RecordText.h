#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A record's text, from its opening parenthesis up to, not including, its
// closing one, with its top-level groups: the groups that stand directly
// inside the record, such as "(name 12)". A key search finds the group whose
// key is the word right after its "(" and blanks, and takes that group; the
// groups no search took are kept with the record and written back.
class RecordText {
  public:
    explicit RecordText(std::string_view text);

    RecordText(const RecordText&) = delete;
    RecordText& operator=(const RecordText&) = delete;

    std::string_view text() const { return text_; }

    struct KeyGroup {
        std::size_t group;    // which top-level group, counted from 0
        std::size_t afterKey; // the position just after the key
        bool forward;         // found at or after the start, not among the earlier groups
    };

    // The key's group: the first top-level group at or after `start` whose
    // key is `key`; failing that, the first group no search took yet, from
    // the record's start.
    std::optional<KeyGroup> FindKeyGroup(std::string_view key, std::size_t start) const;

    // The position of the ")" that closes a group (the text's end for a group
    // left open).
    std::size_t GroupClose(std::size_t group) const { return groups_[group].close; }

    // The first ")" at or after `from` inside the group (the text's end when none).
    std::size_t FirstCloseIn(std::size_t group, std::size_t from) const;

    void Take(std::size_t group) { groups_[group].taken = true; }

    // Replaces what `kept` holds with the groups no search took, in file
    // order, each tidied (TidyGroup); a record read again keeps its storage.
    void KeepUntakenGroups(std::vector<std::string>& kept) const;

  private:
    // A top-level group: positions in the record's text.
    struct Group {
        std::size_t open;
        std::size_t close; // the text's end for a group left open
        std::string_view key;
        bool nested = false; // holds a group of its own
        bool taken = false;
    };

    // The first group that opens at or after `start`.
    std::size_t firstAtOrAfter(std::size_t start) const;

    std::string_view text_;
    std::vector<Group> groups_;
    mutable std::size_t afterFound_ = 0; // just after the group a search found last
};

// A group's text with its blanks tidied: outside double quotes every run of
// blanks becomes one space, and no blank stays right after "(" or before ")".
std::string TidyGroup(std::string_view group);
