#pragma once

#include "records/FileBytes.h"
#include "records/LoadNotes.h"
#include "records/TextEncoding.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How the two item files are read: a byte reader (a class built on its table,
// with Step and result()) is handed every byte with the byte after it, from
// bytes in memory or from a file read in blocks.

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

// Hands every byte of a stream that arrives in blocks to a byte step together
// with its lookahead, the byte that follows it in the stream (none after the
// last one), so that where the blocks are cut never changes the result.
template <typename Step> class LookaheadFeeder {
  public:
    explicit LookaheadFeeder(Step& step) : step_(step) {}

    void Feed(std::string_view block) {
        for (const char next : block) {
            if (pending_) {
                step_.Step(*pending_, std::optional<char>(next));
            }
            pending_ = next;
        }
    }

    void Finish() {
        if (pending_) {
            step_.Step(*pending_, std::nullopt);
            pending_.reset();
        }
    }

  private:
    Step& step_;
    std::optional<char> pending_;
};

// Runs a byte reader over bytes held in memory.
template <typename Reader, typename Table> ItemFileLoad ParseItemFile(std::string_view bytes, Table& table) {
    Reader reader(table);
    LookaheadFeeder<Reader> feeder(reader);
    feeder.Feed(bytes);
    feeder.Finish();
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
