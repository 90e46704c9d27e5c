#include "portals/EtcReader.h"

#include "records/ExtractValues.h"
#include "records/FileBytes.h"
#include "records/GroupSplitter.h"

#include <span>

namespace {
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

template <typename Record>
std::span<std::string> fieldRange(Record& record, std::size_t first, std::size_t count) {
    return std::span<std::string>(record.fields).subspan(first, count);
}

// Which records read on the current line a trailing comment belongs to: the
// goto stored last, the portal stored last, or both when both stand on the line.
struct CommentOwners {
    bool gotoRecord = false;
    bool portalRecord = false;
    bool any() const { return gotoRecord || portalRecord; }
};

class EtcScanner {
  public:
    EtcScanner(PortalTable& portals, GotoTable& gotos, EtcOtherRecords& others)
        : portals_(portals), gotos_(gotos), others_(others) {}

    void scan(std::string_view bytes) {
        bytes_ = bytes;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            step(bytes[i], i, i > 0 && bytes[i - 1] == ';');
        }
        if (inComment_) {
            storeComment(bytes.size());
        }
        if (depth_ > 0) {
            load_.notes.push_back(OpenGroupNote(LineOf(bytes, groupStart_)));
        }
    }

    const EtcLoad& load() const { return load_; }

  private:
    void step(char c, std::size_t at, bool afterSemicolon) {
        if (inComment_) {
            if (isLineEnd(c)) {
                storeComment(at);
                semicolonOnLine_ = false;
            }
            return;
        }
        if (c == '(') {
            if (depth_ == 0) {
                groupStart_ = at;
                commented_ = afterSemicolon;
                // A group after a ";" of its line is comment text, unless the
                // ";" stands directly before it and comments the record out.
                inLineComment_ = semicolonOnLine_ && !afterSemicolon;
            }
            ++depth_;
            return;
        }
        if (c == ')') {
            // A ")" with no group open is stray text and closes nothing.
            if (depth_ > 0 && --depth_ == 0) {
                group_ = bytes_.substr(groupStart_, at - groupStart_);
                groupClosed();
            }
            return;
        }
        if (depth_ == 0 && c == ';') {
            if (owners_.any()) {
                inComment_ = true;
                commentStart_ = at + 1;
                return;
            }
            semicolonOnLine_ = true;
        }
        if (isLineEnd(c)) {
            owners_ = CommentOwners{};
            semicolonOnLine_ = false;
        }
    }

    void groupClosed() {
        const std::string_view text = group_;
        if (StartsWithKeyword(text, "goto")) {
            storeGoto(gotos_[load_.gotosStored++]);
            owners_.gotoRecord = true;
        } else if (StartsWithKeyword(text, "portal")) {
            storePortal(portals_[load_.portalsStored++]);
            owners_.portalRecord = true;
        } else if (!inLineComment_) {
            others_.push_back((commented_ ? ";" : "") +
                              TidyGroup(bytes_.substr(groupStart_, group_.size() + 1)));
        }
    }

    void storeGoto(GotoRecord& record) {
        record[GotoRecord::commented] = commented_ ? "1" : "0";
        const RecordText text(group_);
        std::string surplus;
        ExtractKeywordValues(text, fieldRange(record, GotoRecord::value1, 5), surplus);
        record.extras.AddSurplus(GotoRecord::value1, std::move(surplus));
        record.extras.kept = text.UntakenGroups();
    }

    void storePortal(PortalRecord& record) {
        record[PortalRecord::commented] = commented_ ? "1" : "0";
        RecordText text(group_);
        std::size_t start = 0;
        for (const auto& [key, first, count] :
             {std::tuple<std::string_view, std::size_t, std::size_t>{"country", PortalRecord::country1, 2},
              {"from", PortalRecord::fromMap, 5},
              {"to", PortalRecord::toMap, 4}}) {
            std::string surplus;
            start = ExtractValues(text, key, fieldRange(record, first, count), surplus, start);
            record.extras.AddSurplus(first, std::move(surplus));
        }
        record.extras.kept = text.UntakenGroups();
    }

    void storeComment(std::size_t end) {
        const std::string_view comment = bytes_.substr(commentStart_, end - commentStart_);
        if (owners_.gotoRecord) {
            gotos_[load_.gotosStored - 1][GotoRecord::comment] = comment;
        }
        if (owners_.portalRecord) {
            portals_[load_.portalsStored - 1][PortalRecord::comment] = comment;
        }
        inComment_ = false;
        owners_ = CommentOwners{};
    }

    PortalTable& portals_;
    GotoTable& gotos_;
    EtcOtherRecords& others_;
    EtcLoad load_;
    std::string_view bytes_;
    std::size_t depth_ = 0;
    std::string_view group_; // the top-level group just closed, from its "(" up to its ")"
    std::size_t groupStart_ = 0;
    bool commented_ = false;
    bool inLineComment_ = false;
    bool semicolonOnLine_ = false;
    bool inComment_ = false;
    std::size_t commentStart_ = 0;
    CommentOwners owners_;
};
} // namespace

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

EtcLoad LoadEtcFile(const std::string& path, PortalTable& portals, GotoTable& gotos,
                    EtcOtherRecords& others) {
    const std::string bytes = ReadWholeFile(path);
    return ReadEtc(bytes, portals, gotos, others);
}
