#include "portals/EtcReader.h"

#include "records/ByteClasses.h"
#include "records/ByteMarks.h"
#include "records/ExtractValues.h"
#include "records/FileBytes.h"
#include "records/GroupSplitter.h"
#include "records/GroupsInOrder.h"

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

constexpr KeyedGroup kGotoValues{"goto", FieldIndex(GotoField::Value1), 5};

constexpr std::array<KeyedGroup, 3> kPortalGroups{{
    {"country", FieldIndex(PortalField::Country1), 2},
    {"from", FieldIndex(PortalField::FromMap), 5},
    {"to", FieldIndex(PortalField::ToMap), 4},
}};

void fillPortal(RecordText& groups, bool commented, PortalRecord& record) {
    record[PortalField::Commented] = commented ? "1" : "0";
    std::size_t start = 0;
    for (const KeyedGroup& group : kPortalGroups) {
        std::string surplus;
        start = ExtractValues(groups, group.key, std::span(record.fields).subspan(group.first, group.count),
                              surplus, start);
        record.extras.AddSurplus(group.first, std::move(surplus));
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

    // The next record, emptied for the scanner to fill.
    Record& next() { return table.Refill(spans.size()); }

    // The record next() gave, read from `begin` (its ";" mark or its "(") and
    // `open` (its "(") up to, not including, `end`.
    void closed(std::size_t begin, std::size_t open, std::size_t end) {
        last = &table[spans.size()];
        spans.push_back({.begin = begin, .open = open, .end = end, .replaceEnd = end});
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
        : portals_{portals}, gotos_{gotos}, others_(others) {}

    void scan(std::string_view bytes) {
        bytes_ = bytes;
        // The scan takes the parentheses, ";" and line ends, 64 bytes' worth
        // at a time, and passes every other byte.
        StepThroughMarks<'(', ')', ';', '\r', '\n'>(bytes, [this](std::size_t at) { return step(at); });
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
            return readGroup(at, at);
        case ';': {
            if (owners_.any()) {
                return trailingComment(at);
            }
            const std::size_t marked = MarkedGroup(bytes_, at);
            if (marked != std::string_view::npos) {
                const std::string_view keyword = LeadingWord(bytes_.substr(marked));
                if (marked == at + 1 || keyword == "goto" || keyword == "portal") {
                    return readGroup(at, marked);
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

    // Reads the top-level group whose "(" stands at `open`, marked from
    // `begin` (its ";" mark, or its "("); returns its ")".
    std::size_t readGroup(std::size_t begin, std::size_t open) {
        const bool commented = begin != open;
        const std::string_view keyword = LeadingWord(bytes_.substr(open));
        std::size_t close = std::string_view::npos;
        if (keyword == "portal") {
            PortalRecord& record = portals_.next();
            const InOrderRead pass =
                ReadGroupsInOrder(bytes_, open, kPortalGroups, record.fields, record.extras);
            close = pass.close;
            if (pass.read) {
                record[PortalField::Commented] = commented ? "1" : "0";
            } else if (close != std::string_view::npos) {
                record.Clear();
                RecordText groups(bytes_.substr(open, close - open));
                fillPortal(groups, commented, record);
            }
        } else if (keyword == "goto") {
            GotoRecord& record = gotos_.next();
            close = ReadKeywordValues(bytes_, open, kGotoValues, record.fields, record.extras).close;
            record[GotoField::Commented] = commented ? "1" : "0";
        } else {
            close = ClosingParenthesis(bytes_, open);
        }
        if (close == std::string_view::npos) {
            // Nothing after its "(" is a record.
            load_.notes.push_back(OpenGroupNote(LineOf(bytes_, open)));
            return bytes_.size() - 1;
        }
        // A line end inside the group ends the line the records before it stood on.
        if (owners_.any() && FindFirstOf<'\r', '\n'>(bytes_.substr(0, close), open) < close) {
            lineEnded();
        }
        groupClosed(keyword, begin, open, close);
        return close;
    }

    void lineEnded() {
        owners_ = Owners{};
        lastClosed_ = nullptr;
    }

    void groupClosed(std::string_view keyword, std::size_t begin, std::size_t open, std::size_t close) {
        const std::string_view text = bytes_.substr(open, close - open);
        const bool commented = begin != open;
        lastClosed_ = nullptr;
        if (keyword == "goto") {
            gotos_.closed(begin, open, close + 1);
            owners_.gotoRecord = true;
            lastClosed_ = &gotos_.spans.back();
        } else if (keyword == "portal") {
            portals_.closed(begin, open, close + 1);
            owners_.portalRecord = true;
            lastClosed_ = &portals_.spans.back();
        } else {
            std::string& record = others_.emplace_back(TidyGroup(bytes_.substr(open, text.size() + 1)));
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
