#include "portals/EtcReader.h"

#include "records/ByteClasses.h"
#include "records/ExtractValues.h"
#include "records/FileBytes.h"
#include "records/GroupSplitter.h"

#include <span>
#include <tuple>
#include <utility>
#include <vector>

namespace {
template <typename Record, typename Field>
std::span<std::string> fieldRange(Record& record, Field first, std::size_t count) {
    return std::span<std::string>(record.fields).subspan(FieldIndex(first), count);
}

bool blanksOnly(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// The records of one table as the scanner stores them, with where each stood.
template <typename Table> struct Stored {
    Table& table;
    std::size_t count = 0;
    std::vector<RecordSpan> spans{};
    std::size_t waitingForLineEnd = 0;

    RecordSpan& last() { return spans.back(); }

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
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            i = step(i);
        }
        if (depth_ > 0) {
            load_.notes.push_back(OpenGroupNote(LineOf(bytes, groupStart_)));
        }
        load_.gotosStored = gotos_.count;
        load_.portalsStored = portals_.count;
        gotos_.table.SetSpans(std::move(gotos_.spans));
        portals_.table.SetSpans(std::move(portals_.spans));
    }

    const EtcLoad& load() const { return load_; }

  private:
    // Takes the byte at `at` and any it skips after it; returns the last one taken.
    std::size_t step(std::size_t at) {
        const char c = bytes_[at];
        if (depth_ > 0) {
            if (c == '(') {
                ++depth_;
            } else if (c == ')' && --depth_ == 0) {
                groupClosed(at);
            } else if (IsLineEnd(c)) {
                // A line end inside a group ends the line the record before it stood on.
                owners_ = Owners{};
                lastClosed_ = nullptr;
            }
            return at;
        }
        if (c == '(') {
            openGroup(at, at);
        } else if (c == ';') {
            if (owners_.any()) {
                return trailingComment(at);
            }
            const std::size_t marked = MarkedGroup(bytes_, at);
            const std::string_view rest = marked == std::string_view::npos ? "" : bytes_.substr(marked);
            if (marked == at + 1 || StartsWithKeyword(rest, "goto") || StartsWithKeyword(rest, "portal")) {
                openGroup(at, marked);
                return marked;
            }
            return LineEndFrom(bytes_, at) - 1;
        } else if (IsLineEnd(c)) {
            owners_ = Owners{};
            lastClosed_ = nullptr;
            gotos_.lineEnded(AfterLineEnd(bytes_, at));
            portals_.lineEnded(AfterLineEnd(bytes_, at));
        }
        return at;
    }

    void openGroup(std::size_t begin, std::size_t open) {
        depth_ = 1;
        groupBegin_ = begin;
        groupStart_ = open;
    }

    void groupClosed(std::size_t close) {
        const std::string_view text = bytes_.substr(groupStart_, close - groupStart_);
        const bool commented = groupBegin_ != groupStart_;
        const RecordSpan span{
            .begin = groupBegin_, .open = groupStart_, .end = close + 1, .replaceEnd = close + 1};
        lastClosed_ = nullptr;
        if (StartsWithKeyword(text, "goto")) {
            gotos_.table.Append(ParseGotoRecord(text, commented));
            ++gotos_.count;
            gotos_.spans.push_back(span);
            owners_.gotoRecord = true;
            lastClosed_ = &gotos_.last();
        } else if (StartsWithKeyword(text, "portal")) {
            portals_.table.Append(ParsePortalRecord(text, commented));
            ++portals_.count;
            portals_.spans.push_back(span);
            owners_.portalRecord = true;
            lastClosed_ = &portals_.last();
        } else {
            others_.push_back((commented ? ";" : "") +
                              TidyGroup(bytes_.substr(groupStart_, text.size() + 1)));
        }
    }

    // The comment runs from after the ";" at `semicolon` to the line end; the
    // record right before it (with nothing but blanks between) takes it into
    // its bytes. Returns the comment's last byte.
    std::size_t trailingComment(std::size_t semicolon) {
        const std::size_t end = LineEndFrom(bytes_, semicolon);
        const std::string comment(bytes_.substr(semicolon + 1, end - semicolon - 1));
        if (owners_.gotoRecord) {
            gotos_.table[gotos_.count - 1][GotoField::Comment] = comment;
            gotos_.last().commentBegin = semicolon + 1;
            gotos_.last().commentEnd = end;
        }
        if (owners_.portalRecord) {
            portals_.table[portals_.count - 1][PortalField::Comment] = comment;
            portals_.last().commentBegin = semicolon + 1;
            portals_.last().commentEnd = end;
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

    Stored<PortalTable> portals_;
    Stored<GotoTable> gotos_;
    EtcOtherRecords& others_;
    EtcLoad load_;
    std::string_view bytes_;
    std::size_t depth_ = 0;
    std::size_t groupBegin_ = 0; // the group's ";" mark, or its "("
    std::size_t groupStart_ = 0; // its "("
    Owners owners_;
    // The goto or portal closed last on the line, when no other group closed after it.
    RecordSpan* lastClosed_ = nullptr;
};
} // namespace

GotoRecord ParseGotoRecord(std::string_view text, bool commented) {
    GotoRecord record;
    record[GotoField::Commented] = commented ? "1" : "0";
    const RecordText groups(text);
    std::string surplus;
    ExtractKeywordValues(groups, fieldRange(record, GotoField::Value1, 5), surplus);
    record.extras.AddSurplus(FieldIndex(GotoField::Value1), std::move(surplus));
    record.extras.kept = groups.UntakenGroups();
    return record;
}

PortalRecord ParsePortalRecord(std::string_view text, bool commented) {
    PortalRecord record;
    record[PortalField::Commented] = commented ? "1" : "0";
    RecordText groups(text);
    std::size_t start = 0;
    for (const auto& [key, first, count] :
         {std::tuple<std::string_view, PortalField, std::size_t>{"country", PortalField::Country1, 2},
          {"from", PortalField::FromMap, 5},
          {"to", PortalField::ToMap, 4}}) {
        std::string surplus;
        start = ExtractValues(groups, key, fieldRange(record, first, count), surplus, start);
        record.extras.AddSurplus(FieldIndex(first), std::move(surplus));
    }
    record.extras.kept = groups.UntakenGroups();
    return record;
}

EtcLoad ReadEtc(std::string_view bytes, PortalTable& portals, GotoTable& gotos, EtcOtherRecords& others) {
    portals.clear();
    gotos.clear();
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
