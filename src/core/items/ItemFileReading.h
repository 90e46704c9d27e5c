#pragma once

#include "records/FileBytes.h"
#include "records/LoadNotes.h"
#include "records/TextEncoding.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How the two item files are read: a byte reader (a class built on its table,
// with Scan and result()) examines every byte with the byte after it, from
// bytes in memory or from a file read in blocks. Its Scan(bytes, count)
// examines bytes[0, count), each with the byte that follows it in `bytes` as
// its lookahead (none after the last one), and keeps no view into `bytes`
// once it returns.

// The item files are read in blocks of this many bytes.
inline constexpr std::size_t kItemFileBlockSize = 262144;

// What one load of an item file did beyond filling its table.
struct ItemFileLoad {
    std::int64_t lastRow = -1;      // the current row after the last byte; -1 without any record
    std::int64_t valuesLeftOut = 0; // values read where no field could take them
    std::string_view leftOut;       // what those values are, as the note counting them names them
    TextEncoding encoding = TextEncoding::Latin1;

    LoadNotes notes() const;
};

// The first position from `at` on, before `size`, whose byte is one of `wanted`; `size` if none.
// A plain loop: the runs the item readers pass are a few bytes long, where
// the sixteen-bytes-at-a-time search (FindFirstOf) costs more than it saves.
template <char... wanted> std::size_t FindAny(const char* bytes, std::size_t at, std::size_t size) {
    while (at < size && ((bytes[at] != wanted) && ...)) {
        ++at;
    }
    return at;
}

// Scans bytes[0, count): `pass(at)` passes a run of bytes that only extend a
// value or do nothing and gives where the run ended; a byte it cannot pass
// goes through `step(at)` alone.
template <typename Pass, typename Step> void ScanBytes(std::size_t count, Pass pass, Step step) {
    std::size_t at = 0;
    while (at < count) {
        const std::size_t passed = pass(at);
        if (passed == at) {
            step(at);
            ++at;
        } else {
            at = passed;
        }
    }
}

// Stores a value into a field. Loading a file over the table it filled before
// finds most fields at their length: their bytes are overwritten in place.
inline void StoreText(std::string& field, std::string_view value) {
    if (field.size() == value.size()) {
        std::copy(value.begin(), value.end(), field.begin());
    } else {
        field = value;
    }
}

// The text of a value being read: a view into the bytes being scanned while
// it runs unbroken through them, copied out only when a skipped byte or the
// end of a scan cuts it.
class ValueText {
  public:
    void Append(const char* at, std::size_t count) {
        if (runSize_ != 0 && run_ + runSize_ != at) {
            spill_.append(run_, runSize_);
            runSize_ = 0;
        }
        if (runSize_ == 0) {
            run_ = at;
        }
        runSize_ += count;
    }

    std::size_t size() const { return spill_.size() + runSize_; }

    // The whole text; valid until the next call that changes it.
    std::string_view View() {
        if (spill_.empty()) {
            return {run_, runSize_};
        }
        Detach();
        return spill_;
    }

    // Copies the part in the scanned bytes out, before they go.
    void Detach() {
        if (runSize_ != 0) {
            spill_.append(run_, runSize_);
            runSize_ = 0;
        }
    }

    void Clear() {
        spill_.clear();
        runSize_ = 0;
    }

  private:
    std::string spill_;
    const char* run_ = nullptr;
    std::size_t runSize_ = 0;
};

// Hands a stream that arrives in blocks to a byte reader, every byte with its
// lookahead, the byte that follows it in the stream (none after the last
// one), so that where the blocks are cut never changes the result: the last
// byte of a block waits for the first byte of the next.
template <typename Reader> class LookaheadFeeder {
  public:
    explicit LookaheadFeeder(Reader& reader) : reader_(reader) {}

    void Feed(std::string_view block) {
        if (block.empty()) {
            return;
        }
        if (pending_) {
            const std::array<char, 2> joined{*pending_, block.front()};
            reader_.Scan(std::string_view(joined.data(), joined.size()), 1);
        }
        reader_.Scan(block, block.size() - 1);
        pending_ = block.back();
    }

    void Finish() {
        if (pending_) {
            const char last = *pending_;
            reader_.Scan(std::string_view(&last, 1), 1);
            pending_.reset();
        }
    }

  private:
    Reader& reader_;
    std::optional<char> pending_;
};

// Runs a byte reader over bytes held in memory.
template <typename Reader, typename Table> ItemFileLoad ParseItemFile(std::string_view bytes, Table& table) {
    Reader reader(table);
    reader.Scan(bytes, bytes.size());
    ItemFileLoad result = reader.result();
    result.encoding = DetectEncoding(bytes);
    return result;
}

// Runs a byte reader over a file read in blocks of `blockSize` bytes. A file
// that cannot be opened or read throws InOutError; what was stored before the
// failure stays.
template <typename Reader, typename Table>
ItemFileLoad ReadItemFile(const std::string& path, Table& table, std::size_t blockSize) {
    Reader reader(table);
    LookaheadFeeder<Reader> feeder(reader);
    EncodingDetector encoding;
    ReadFileInBlocks(path, blockSize, [&](std::string_view block) {
        feeder.Feed(block);
        encoding.Feed(block);
    });
    feeder.Finish();
    ItemFileLoad result = reader.result();
    result.encoding = encoding.Result();
    return result;
}
