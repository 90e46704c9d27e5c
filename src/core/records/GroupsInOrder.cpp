#include "records/GroupsInOrder.h"

#include "records/ByteClasses.h"
#include "records/GroupSplitter.h"
#include "records/RecordText.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "a key's first byte is the lowest of its head");

namespace {
constexpr std::size_t kMostGroups = 64;

std::uint64_t bit(std::size_t group) {
    return std::uint64_t{1} << group;
}

// Keys are a few bytes long: a plain loop beats a call to memcmp.
bool sameKey(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return x == y; });
}

class RecordPass {
  public:
    RecordPass(std::string_view bytes, std::size_t open, std::span<const KeyedGroup> groups,
               std::span<std::string> fields, RecordExtras& extras)
        : bytes_(bytes), open_(open), at_(open + 1), groups_(groups), fields_(fields), extras_(extras) {
        for (std::size_t group = 0; group < groups.size() && group < kMostGroups; ++group) {
            (groups[group].raw ? rawGroups_ : valueGroups_) |= bit(group);
        }
    }

    InOrderRead run() {
        if (groups_.size() > kMostGroups) {
            return otherShape();
        }
        for (;;) {
            // Between groups only parentheses count.
            while (at_ < bytes_.size() && bytes_[at_] != '(' && bytes_[at_] != ')') {
                ++at_;
            }
            if (at_ == bytes_.size()) {
                return {std::string_view::npos, false};
            }
            if (bytes_[at_] == ')') {
                return {at_, true};
            }
            const std::size_t groupOpen = at_++;
            skipBlanks();
            if (!(nextKeyFollows() ? readValues() : readGroupOfKey(groupOpen))) {
                return otherShape();
            }
        }
    }

    // The values right after the record's keyword, up to the first parenthesis.
    void readKeywordValues(const KeyedGroup& values) {
        skipBlanks();
        while (at_ < bytes_.size() && IsWordByte(bytes_[at_])) {
            ++at_;
        }
        std::size_t field = 0;
        std::string surplus;
        for (skipBlanks(); at_ < bytes_.size() && bytes_[at_] != '(' && bytes_[at_] != ')'; skipBlanks()) {
            if (field < values.count) {
                fields_[values.first + field++] = value();
            } else {
                surplus += ' ';
                surplus += value();
            }
        }
        extras_.AddSurplus(values.first, std::move(surplus));
    }

  private:
    void skipBlanks() {
        while (at_ < bytes_.size() && IsBlank(bytes_[at_])) {
            ++at_;
        }
    }

    // Whether the key of the next value group follows, as it does in a
    // record as written; the cursor then passes it.
    bool nextKeyFollows() {
        if (next_ == groups_.size() || groups_[next_].raw) {
            return false;
        }
        const KeyedGroup& group = groups_[next_];
        const std::size_t after = at_ + group.key.size();
        if (after >= bytes_.size() || IsWordByte(bytes_[after]) || !keyAt(group)) {
            return false;
        }
        at_ = after;
        take(next_);
        return true;
    }

    // Whether the group's key stands at the cursor, which leaves a byte after it.
    bool keyAt(const KeyedGroup& group) const {
        if (at_ + sizeof group.head <= bytes_.size()) {
            std::uint64_t text = 0;
            std::memcpy(&text, bytes_.data() + at_, sizeof text);
            if (((text ^ group.head) & group.headMask) != 0) {
                return false;
            }
            return group.key.size() <= sizeof group.head ||
                   sameKey(bytes_.substr(at_ + sizeof group.head, group.key.size() - sizeof group.head),
                           group.key.substr(sizeof group.head));
        }
        return sameKey(bytes_.substr(at_, group.key.size()), group.key);
    }

    void take(std::size_t group) {
        leftOut_ |= valueGroups_ & (bit(group) - 1) & ~(bit(next_) - 1);
        current_ = group;
        next_ = group + 1;
    }

    enum class InGroup { Value, Closed, OtherShape };

    // Passes the blanks to what follows in a value group: a value, its ")"
    // (which the cursor passes), or what no value group of the writer holds.
    InGroup nextInGroup() {
        skipBlanks();
        if (at_ == bytes_.size() || bytes_[at_] == '(') {
            return InGroup::OtherShape;
        }
        if (bytes_[at_] == ')') {
            ++at_;
            return InGroup::Closed;
        }
        return InGroup::Value;
    }

    // The values of the current group up to its ")".
    bool readValues() {
        const KeyedGroup& group = groups_[current_];
        std::string* field = &fields_[group.first];
        std::string* const last = field + group.count;
        InGroup next = nextInGroup();
        for (; next == InGroup::Value; next = nextInGroup()) {
            if (field == last) {
                return readSurplus(group.first);
            }
            *field++ = value();
        }
        return next == InGroup::Closed;
    }

    // A value: the bytes up to a blank or a parenthesis.
    std::string_view value() {
        const std::size_t start = at_;
        while (at_ < bytes_.size() && !EndsValue(bytes_[at_])) {
            ++at_;
        }
        return bytes_.substr(start, at_ - start);
    }

    // The values past the group's last field, each after one space, up to its ")".
    [[gnu::noinline]] bool readSurplus(std::size_t firstField) {
        std::string surplus;
        InGroup next = InGroup::Value;
        for (; next == InGroup::Value; next = nextInGroup()) {
            surplus += ' ';
            surplus += value();
        }
        extras_.AddSurplus(firstField, std::move(surplus));
        return next == InGroup::Closed;
    }

    // A group whose key is not the next value group's: a later value group,
    // a raw group, or a group no key search takes, which is kept.
    bool readGroupOfKey(std::size_t groupOpen) {
        const std::size_t keyStart = at_;
        while (at_ < bytes_.size() && IsWordByte(bytes_[at_])) {
            ++at_;
        }
        const std::string_view key = bytes_.substr(keyStart, at_ - keyStart);
        if (const std::size_t later = find(key, valueGroups_ & ~(bit(next_) - 1)); later < groups_.size()) {
            take(later);
            return readValues();
        }
        const std::size_t contents = at_;
        if (!passGroup()) {
            return false;
        }
        if (const std::size_t raw = find(key, rawGroups_ & ~rawTaken_); raw < groups_.size()) {
            rawTaken_ |= bit(raw);
            fields_[groups_[raw].first].assign(bytes_.substr(contents, at_ - 1 - contents));
            return true;
        }
        // A search for a group left out, or for a raw group again, would take it.
        if (find(key, leftOut_ | rawTaken_) < groups_.size()) {
            return false;
        }
        extras_.kept.push_back(TidyGroup(bytes_.substr(groupOpen, at_ - groupOpen)));
        return true;
    }

    // Passes the rest of the group, its own groups included, and its ")".
    bool passGroup() {
        for (std::size_t depth = 1; at_ < bytes_.size(); ++at_) {
            if (bytes_[at_] == '(') {
                ++depth;
            } else if (bytes_[at_] == ')' && --depth == 0) {
                ++at_;
                return true;
            }
        }
        return false;
    }

    // The first group among `which` whose key is `key`.
    std::size_t find(std::string_view key, std::uint64_t which) const {
        for (; which != 0; which &= which - 1) {
            const std::size_t group = std::countr_zero(which);
            if (sameKey(groups_[group].key, key)) {
                return group;
            }
        }
        return groups_.size();
    }

    InOrderRead otherShape() const { return {ClosingParenthesis(bytes_, open_), false}; }

    std::string_view bytes_;
    std::size_t open_;
    std::size_t at_;
    std::span<const KeyedGroup> groups_;
    std::span<std::string> fields_;
    RecordExtras& extras_;
    std::uint64_t valueGroups_ = 0;
    std::uint64_t rawGroups_ = 0;
    std::size_t next_ = 0;    // the value groups before it are taken or left out
    std::size_t current_ = 0; // the value group being read
    std::uint64_t leftOut_ = 0;
    std::uint64_t rawTaken_ = 0;
};
} // namespace

InOrderRead ReadKeywordValues(std::string_view bytes, std::size_t open, const KeyedGroup& values,
                              std::span<std::string> fields, RecordExtras& extras) {
    RecordPass pass(bytes, open, {}, fields, extras);
    pass.readKeywordValues(values);
    return pass.run();
}

InOrderRead ReadGroupsInOrder(std::string_view bytes, std::size_t open, std::span<const KeyedGroup> groups,
                              std::span<std::string> fields, RecordExtras& extras) {
    return RecordPass(bytes, open, groups, fields, extras).run();
}
