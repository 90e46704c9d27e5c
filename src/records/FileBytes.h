#pragma once

#include <cstddef>
#include <string>

struct FilePrefix {
    std::string bytes;     // at most the requested number of bytes, as stored
    bool truncated = false; // the file holds more bytes than were read
};

// Reads the first `limit` bytes of a file. A file that cannot be opened or
// read throws InOutError with the platform's message.
FilePrefix ReadFilePrefix(const std::string& path, std::size_t limit);
