#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

struct FilePrefix {
    std::string bytes;      // at most the requested number of bytes, as stored
    bool truncated = false; // the file holds more bytes than were read
};

// Reads the first `limit` bytes of a file. A file that cannot be opened or
// read throws InOutError with the platform's message.
FilePrefix ReadFilePrefix(const std::string& path, std::size_t limit);

// Reads the whole file in blocks of `blockSize` bytes, handing each block to
// `consume`. A file that cannot be opened or read throws InOutError; blocks
// handed over before the failure stay consumed.
void ReadFileInBlocks(const std::string& path, std::size_t blockSize,
                      const std::function<void(std::string_view)>& consume);
