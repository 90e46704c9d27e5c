#include "portals/EtcReader.h"

#include "records/ByteClasses.h"
#include "records/ByteMarks.h"
#include "records/ExtractValues.h"
#include "records/FileBytes.h"
#include "records/GroupSplitter.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>
#include <vector>

namespace {
template <typename Record, typename Field>
std::span<std::string> fieldRange(Record& record, Field first, std::size_t count) {
    return std::span<std::string>(record.fields).subspan(FieldIndex(first), count);
}

bool blanksOnly(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return c == ' ' || c == '\t'; });
}

std::size_t lineEndFrom(std::string_view bytes, std::size_t from) {
    return FindFirstOf<'\r', '\n'>(bytes, from);
}

void fillGoto(const RecordText& groups, bool commented, GotoRecord& record) {
    record[GotoField::Commented] = commented ? "1" : "0";
    std::string surplus;
    ExtractKeywordValues(groups, fieldRange(record, GotoField::Value1, 5), surplus);
    if (!surplus.empty()) {
        record.extras.AddSurplus(FieldIndex(GotoField::Value1), std::move(surplus));
    }
    groups.KeepUntakenGroups(record.extras.kept);
}

struct PortalKey {
    std::string_view key;
    PortalField first;
    std::size_t count;
};
constexpr std::array<PortalKey, 3> kPortalKeys{{
    {"country", PortalField::Country1, 2},
    {"from", PortalField::FromMap, 5},
    {"to", PortalField::ToMap, 4},
}};

void fillPortal(RecordText& groups, bool commented, PortalRecord& record) {
    record[PortalField::Commented] = commented ? "1" : "0";
    std::size_t start = 0;
    for (const auto& [key, first, count] : kPortalKeys) {
        std::string surplus;
        start = ExtractValues(groups, key, fieldRange(record, first, count), surplus, start);
        if (!surplus.empty()) {
            record.extras.AddSurplus(FieldIndex(first), std::move(surplus));
        }
    }
    groups.KeepUntakenGroups(record.extras.kept);
}

// The records of one table as the scanner stores them, with where each stood.
// The records a table holds from an earlier read are overwritten in turn, so
// that a read into a table filled before reuses their storage.
template <typename Record> struct Stored {
    explicit Stored(EtcTable<Record>& records) : table(records) { spans.reserve(table.size()); }

    EtcTable<Record>& table;
    std::vector<RecordSpan> spans;
    std::size_t waitingForLineEnd = 0;
    Record* last = nullptr;

    // A record read from `begin` (its ";" mark or its "(") and `open` (its "(") up to, not including, `end`.
    Record& add(std::size_t begin, std::size_t open, std::size_t end) {
        const std::size_t position = spans.size();
        RecordSpan& span = spans.emplace_back();
        span.begin = begin;
        span.open = open;
        span.end = end;
        span.replaceEnd = end;
        last = &table.Refill(position);
        return *last;
    }

    // Drops the records left over from an earlier read.
    void finish() {
        table.Resize(spans.size());
        table.SetSpans(std::move(spans));
    }

    void lineEnded(std::size_t after) {
        for (; waitingForLineEnd < spans.size(); ++waitingForLineEnd) {
            spans[waitingForLineEnd].lineEnd = after;
        }
    }
};

class EtcScanner {
  public:
    EtcScanner(PortalTable& portals, GotoTable& gotos, EtcOtherRecords& others)
        : portals_{portals}, gotos_{gotos}, others_(others) {
        groups_.reserve(kGroupsReserved);
    }

    void scan(std::string_view bytes) {
        bytes_ = bytes;
        // The scan takes the parentheses, ";" and line ends, 64 bytes' worth
        // at a time, and passes every other byte.
        StepThroughMarks<'(', ')', ';', '\r', '\n'>(
            bytes, [this](std::size_t at) { return depth_ > 0 ? stepInGroup(at) : step(at); });
        if (depth_ > 0) {
            load_.notes.push_back(OpenGroupNote(LineOf(bytes, groupStart_)));
        }
        load_.gotosStored = gotos_.spans.size();
        load_.portalsStored = portals_.spans.size();
        gotos_.finish();
        portals_.finish();
    }

    const EtcLoad& load() const { return load_; }

  private:
    // Takes the byte at `at`, outside every group, and any it skips after it;
    // returns the last one taken.
    std::size_t step(std::size_t at) {
        switch (bytes_[at]) {
        case '(':
            openGroup(at, at);
            return at;
        case ';': {
            if (owners_.any()) {
                return trailingComment(at);
            }
            const std::size_t marked = MarkedGroup(bytes_, at);
            if (marked != std::string_view::npos) {
                const std::string_view keyword = LeadingWord(bytes_.substr(marked));
                if (marked == at + 1 || keyword == "goto" || keyword == "portal") {
                    openGroup(at, marked);
                    return marked;
                }
            }
            return lineEndFrom(bytes_, at) - 1;
        }
        case ')':
            return at;
        default:
            lineEnded();
            gotos_.lineEnded(AfterLineEnd(bytes_, at));
            portals_.lineEnded(AfterLineEnd(bytes_, at));
            return at;
        }
    }

    // Takes the byte at `at` inside a group; the record's own groups are
    // found on the way.
    std::size_t stepInGroup(std::size_t at) {
        switch (bytes_[at]) {
        case '(':
            if (depth_ == 1) {
                RecordText::Group& group = groups_.emplace_back();
                group.open = at - groupStart_;
                group.key = LeadingWord(bytes_.substr(at));
            } else if (depth_ == 2) {
                groups_.back().nested = true;
            }
            ++depth_;
            return at;
        case ')':
            if (--depth_ == 1) {
                groups_.back().close = at - groupStart_;
            } else if (depth_ == 0) {
                groupClosed(at);
            }
            return at;
        case ';':
            return at;
        default:
            // A line end inside a group ends the line the record before it stood on.
            lineEnded();
            return at;
        }
    }

    void lineEnded() {
        owners_ = Owners{};
        lastClosed_ = nullptr;
    }

    void openGroup(std::size_t begin, std::size_t open) {
        depth_ = 1;
        groupBegin_ = begin;
        groupStart_ = open;
        groups_.clear();
    }

    void groupClosed(std::size_t close) {
        const std::string_view text = bytes_.substr(groupStart_, close - groupStart_);
        const bool commented = groupBegin_ != groupStart_;
        const std::string_view keyword = LeadingWord(text);
        lastClosed_ = nullptr;
        if (keyword == "goto") {
            fillGoto(RecordText(text, groups_), commented, gotos_.add(groupBegin_, groupStart_, close + 1));
            owners_.gotoRecord = true;
            lastClosed_ = &gotos_.spans.back();
        } else if (keyword == "portal") {
            RecordText groups(text, groups_);
            fillPortal(groups, commented, portals_.add(groupBegin_, groupStart_, close + 1));
            owners_.portalRecord = true;
            lastClosed_ = &portals_.spans.back();
        } else {
            std::string& record =
                others_.emplace_back(TidyGroup(bytes_.substr(groupStart_, text.size() + 1)));
            if (commented) {
                record.insert(0, 1, ';');
            }
        }
    }

    // The comment runs from after the ";" at `semicolon` to the line end; the
    // record right before it (with nothing but blanks between) takes it into
    // its bytes. Returns the comment's last byte.
    std::size_t trailingComment(std::size_t semicolon) {
        const std::size_t end = lineEndFrom(bytes_, semicolon);
        const std::string_view comment = bytes_.substr(semicolon + 1, end - semicolon - 1);
        if (owners_.gotoRecord) {
            (*gotos_.last)[GotoField::Comment] = comment;
            gotos_.spans.back().commentBegin = semicolon + 1;
            gotos_.spans.back().commentEnd = end;
        }
        if (owners_.portalRecord) {
            (*portals_.last)[PortalField::Comment] = comment;
            portals_.spans.back().commentBegin = semicolon + 1;
            portals_.spans.back().commentEnd = end;
        }
        if (lastClosed_ != nullptr &&
            blanksOnly(bytes_.substr(lastClosed_->end, semicolon - lastClosed_->end))) {
            lastClosed_->replaceEnd = end;
        }
        owners_ = Owners{};
        return end - 1;
    }

    // Which records read on the current line a trailing comment belongs to:
    // the goto stored last, the portal stored last, or both.
    struct Owners {
        bool gotoRecord = false;
        bool portalRecord = false;
        bool any() const { return gotoRecord || portalRecord; }
    };

    Stored<PortalRecord> portals_;
    Stored<GotoRecord> gotos_;
    EtcOtherRecords& others_;
    EtcLoad load_;
    std::string_view bytes_;
    std::size_t depth_ = 0;
    std::size_t groupBegin_ = 0; // the group's ";" mark, or its "("
    std::size_t groupStart_ = 0; // its "("
    // The top-level groups of the group open at depth 1, found as the scan passes them.
    static constexpr std::size_t kGroupsReserved = 16;
    std::vector<RecordText::Group> groups_;
    Owners owners_;
    // The span of the goto or portal closed last on the line, when no other group closed after it.
    RecordSpan* lastClosed_ = nullptr;
};
} // namespace

GotoRecord ParseGotoRecord(std::string_view text, bool commented) {
    GotoRecord record;
    fillGoto(RecordText(text), commented, record);
    return record;
}

PortalRecord ParsePortalRecord(std::string_view text, bool commented) {
    PortalRecord record;
    RecordText groups(text);
    fillPortal(groups, commented, record);
    return record;
}

EtcLoad ReadEtc(std::string_view bytes, PortalTable& portals, GotoTable& gotos, EtcOtherRecords& others) {
    others.clear();
    EtcScanner scanner(portals, gotos, others);
    scanner.scan(bytes);
    EtcLoad load = scanner.load();
    load.encoding = DetectEncoding(bytes);
    return load;
}

EtcLoad LoadEtcFile(const std::string& path, std::optional<std::string>& read, PortalTable& portals,
                    GotoTable& gotos, EtcOtherRecords& others) {
    read = ReadWholeFile(path);
    return ReadEtc(*read, portals, gotos, others);
}
