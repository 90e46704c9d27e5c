#include "portals/EtcReader.h"

#include "records/ExtractValues.h"
#include "records/FileBytes.h"

#include <algorithm>
#include <span>
#include <vector>

namespace {
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Copies the values after `key` into `fields` with the shared extractor.
// Values past the end of `fields` are dropped and counted in `valuesLeftOut`,
// so they never reach another group's fields. Returns where the next key's
// search starts.
std::size_t extractGroup(std::string_view text, std::string_view key, std::span<std::string> fields,
                         std::size_t start, std::size_t& valuesLeftOut) {
    const std::size_t afterKey = FindKey(text, key, start);
    if (afterKey == kKeyNotFound) {
        return start;
    }
    // An empty group such as "(to)": its ")" is not a value, and the scan
    // must not run on into the groups after it.
    if (afterKey < text.size() && text[afterKey] == ')') {
        return afterKey;
    }
    // The scan ends at the group's first ")"; each space on the way may open
    // one more slot.
    const std::size_t groupEnd = std::min(text.find(')', afterKey), text.size());
    const auto separators =
        static_cast<std::size_t>(std::count(text.begin() + static_cast<std::ptrdiff_t>(afterKey),
                                            text.begin() + static_cast<std::ptrdiff_t>(groupEnd), ' '));
    std::vector<std::string> slots(std::max(fields.size(), separators + 1));
    const std::size_t next = ExtractValues(text, key, slots, start);
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        if (slot < fields.size()) {
            fields[slot] = std::move(slots[slot]);
        } else if (!slots[slot].empty()) {
            ++valuesLeftOut;
        }
    }
    return next;
}

template <typename Record>
std::span<std::string> fieldRange(Record& record, std::size_t first, std::size_t count) {
    return std::span<std::string>(record.fields).subspan(first, count);
}

// Which records read on the current line a trailing comment belongs to: the
// goto stored last, the portal stored last, or both when both stand on the
// line. A record left out for lack of room takes its comment with it.
struct CommentOwners {
    bool gotoRecord = false;
    bool portalRecord = false;
    bool leftOut = false;
    bool any() const { return gotoRecord || portalRecord || leftOut; }
};

class EtcScanner {
  public:
    EtcScanner(PortalTable& portals, GotoTable& gotos) : portals_(portals), gotos_(gotos) {}

    void scan(std::string_view bytes, bool wholeFile) {
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            step(bytes[i], i > 0 && bytes[i - 1] == ';');
        }
        if (inComment_ && wholeFile) {
            storeComment();
        }
    }

    const EtcLoad& load() const { return load_; }

  private:
    void step(char c, bool afterSemicolon) {
        if (inComment_) {
            if (isLineEnd(c)) {
                storeComment();
            } else {
                comment_ += c;
            }
            return;
        }
        if (c == '(') {
            if (depth_ == 0) {
                group_.clear();
                commented_ = afterSemicolon;
            }
            ++depth_;
            group_ += c;
            return;
        }
        if (c == ')') {
            // A ")" with no group open is stray text and closes nothing.
            if (depth_ > 0 && --depth_ == 0) {
                groupClosed();
            } else if (depth_ > 0) {
                group_ += c;
            }
            return;
        }
        if (depth_ > 0) {
            group_ += c;
        } else if (c == ';' && owners_.any()) {
            inComment_ = true;
            comment_.clear();
            return;
        }
        if (isLineEnd(c)) {
            owners_ = CommentOwners{};
        }
    }

    void groupClosed() {
        const std::string_view text = group_;
        if (text.substr(1, 4) == "goto") {
            if (load_.gotosStored == GotoTable::kCapacity) {
                ++load_.gotosLeftOut;
                owners_.gotoRecord = false;
                owners_.leftOut = true;
                return;
            }
            storeGoto(gotos_[load_.gotosStored++]);
            owners_.gotoRecord = true;
        } else if (text.substr(1, 6) == "portal") {
            if (load_.portalsStored == PortalTable::kCapacity) {
                ++load_.portalsLeftOut;
                owners_.portalRecord = false;
                owners_.leftOut = true;
                return;
            }
            storePortal(portals_[load_.portalsStored++]);
            owners_.portalRecord = true;
        }
    }

    void storeGoto(GotoRecord& record) {
        record[GotoRecord::commented] = commented_ ? "1" : "0";
        // The group's own ")" is not part of its text; it ends the last value.
        const std::string text = group_ + ')';
        extractGroup(text, "goto", fieldRange(record, GotoRecord::value1, 5), 0, load_.valuesLeftOut);
    }

    void storePortal(PortalRecord& record) {
        record[PortalRecord::commented] = commented_ ? "1" : "0";
        const std::string_view text = group_;
        const std::size_t afterCountry = extractGroup(
            text, "country", fieldRange(record, PortalRecord::country1, 2), 0, load_.valuesLeftOut);
        const std::size_t afterFrom = extractGroup(text, "from", fieldRange(record, PortalRecord::fromMap, 5),
                                                   afterCountry, load_.valuesLeftOut);
        extractGroup(text, "to", fieldRange(record, PortalRecord::toMap, 4), afterFrom, load_.valuesLeftOut);
    }

    void storeComment() {
        if (owners_.gotoRecord) {
            gotos_[load_.gotosStored - 1][GotoRecord::comment] = comment_;
        }
        if (owners_.portalRecord) {
            portals_[load_.portalsStored - 1][PortalRecord::comment] = comment_;
        }
        inComment_ = false;
        comment_.clear();
        owners_ = CommentOwners{};
    }

    PortalTable& portals_;
    GotoTable& gotos_;
    EtcLoad load_;
    std::size_t depth_ = 0;
    std::string group_; // the open top-level group, from its "("
    bool commented_ = false;
    bool inComment_ = false;
    std::string comment_;
    CommentOwners owners_;
};

std::string countText(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}
} // namespace

EtcLoad ReadEtc(std::string_view bytes, bool wholeFile, PortalTable& portals, GotoTable& gotos) {
    portals.clear();
    gotos.clear();
    EtcScanner scanner(portals, gotos);
    scanner.scan(bytes, wholeFile);
    return scanner.load();
}

EtcLoad LoadEtcFile(const std::string& path, PortalTable& portals, GotoTable& gotos) {
    const FilePrefix file = ReadFilePrefix(path, kEtcByteLimit);
    EtcLoad load = ReadEtc(file.bytes, !file.truncated, portals, gotos);
    load.bytesLeftOut = file.truncated;
    return load;
}

std::string EtcLoadWarning(const EtcLoad& load) {
    if (!load.leftOutAnything()) {
        return {};
    }
    std::string text =
        "Etc.txt holds more than the editor can keep. Left out, and missing from the next save:";
    if (load.portalsLeftOut > 0) {
        text += "\n- " + countText(load.portalsLeftOut, "portal record", "portal records") + " beyond the " +
                std::to_string(PortalTable::kCapacity) + " the portal table holds";
    }
    if (load.gotosLeftOut > 0) {
        text += "\n- " + countText(load.gotosLeftOut, "goto record", "goto records") + " beyond the " +
                std::to_string(GotoTable::kCapacity) + " the goto table holds";
    }
    if (load.valuesLeftOut > 0) {
        text += "\n- " + countText(load.valuesLeftOut, "value", "values") +
                " beyond the fields of their group (country 2, from 5, to 4, goto 5)";
    }
    if (load.bytesLeftOut) {
        text += "\n- everything after the first 1,000,000 bytes of the file";
    }
    return text;
}
