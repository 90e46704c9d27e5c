#include "records/FileBytes.h"

#include "records/Errors.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using OpenFile = std::unique_ptr<std::FILE, FileCloser>;

OpenFile openForReading(const std::string& path) {
    errno = 0;
    OpenFile file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw InOutError::fromErrno(errno != 0 ? errno : ENOENT);
    }
    return file;
}
} // namespace

FilePrefix ReadFilePrefix(const std::string& path, std::size_t limit) {
    const OpenFile file = openForReading(path);
    FilePrefix result;
    result.bytes.resize(limit);
    std::size_t filled = 0;
    while (filled < limit) {
        const std::size_t got = std::fread(result.bytes.data() + filled, 1, limit - filled, file.get());
        if (got == 0) {
            if (std::ferror(file.get())) {
                throw InOutError::fromErrno(errno != 0 ? errno : EIO);
            }
            break;
        }
        filled += got;
    }
    result.bytes.resize(filled);
    if (filled == limit) {
        result.truncated = std::fgetc(file.get()) != EOF;
    }
    return result;
}

void ReadFileInBlocks(const std::string& path, std::size_t blockSize,
                      const std::function<void(std::string_view)>& consume) {
    const OpenFile file = openForReading(path);
    std::vector<char> block(blockSize == 0 ? 1 : blockSize);
    for (;;) {
        const std::size_t count = std::fread(block.data(), 1, block.size(), file.get());
        if (count == 0) {
            if (std::ferror(file.get()) != 0) {
                throw InOutError::fromErrno(errno != 0 ? errno : EIO);
            }
            return;
        }
        consume(std::string_view(block.data(), count));
    }
}
