#pragma once

#include "records/FileBytes.h"
#include "records/TextEncoding.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The item files are read in blocks of this many bytes.
inline constexpr std::size_t kItemFileBlockSize = 262144;

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

// Runs a byte reader (a class built on its table, with Step and result(), whose
// result tells the file's encoding) over bytes held in memory.
template <typename Reader, typename Table> auto ParseWithLookahead(std::string_view bytes, Table& table) {
    Reader reader(table);
    LookaheadFeeder<Reader> feeder(reader);
    feeder.Feed(bytes);
    feeder.Finish();
    auto result = reader.result();
    result.encoding = DetectEncoding(bytes);
    return result;
}

// Runs a byte reader over a file read in blocks of `blockSize` bytes.
template <typename Reader, typename Table>
auto ReadWithLookahead(const std::string& path, Table& table, std::size_t blockSize) {
    Reader reader(table);
    LookaheadFeeder<Reader> feeder(reader);
    EncodingDetector encoding;
    ReadFileInBlocks(path, blockSize, [&](std::string_view block) {
        feeder.Feed(block);
        encoding.Feed(block);
    });
    feeder.Finish();
    auto result = reader.result();
    result.encoding = encoding.Result();
    return result;
}
