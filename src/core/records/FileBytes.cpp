#include "records/FileBytes.h"

#include "records/Errors.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using OpenFile = std::unique_ptr<std::FILE, FileCloser>;

// Opens a file for reading and refuses one that is too large to be read.
OpenFile openForReading(const std::string& path) {
    errno = 0;
    OpenFile file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw InOutError::cannotOpen(path, errno != 0 ? errno : ENOENT);
    }
    struct stat status {};
    if (fstat(fileno(file.get()), &status) == 0 &&
        static_cast<std::uint64_t>(status.st_size) > kLargestReadableFile) {
        throw BrennickError(FileNameOf(path) + ": " + std::to_string(status.st_size) +
                            " bytes; files over 64 MiB are not read");
    }
    return file;
}

} // namespace

std::string FileNameOf(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ReadWholeFile(const std::string& path) {
    std::string bytes;
    ReadFileInBlocks(path, 1 << 20, [&bytes](std::string_view block) { bytes.append(block); });
    return bytes;
}

void ReadFileInBlocks(const std::string& path, std::size_t blockSize,
                      const std::function<void(std::string_view)>& consume) {
    const OpenFile file = openForReading(path);
    std::vector<char> block(blockSize == 0 ? 1 : blockSize);
    for (;;) {
        errno = 0;
        const std::size_t count = std::fread(block.data(), 1, block.size(), file.get());
        if (count == 0) {
            if (std::ferror(file.get()) != 0) {
                throw InOutError::cannotRead(path, errno != 0 ? errno : EIO);
            }
            return;
        }
        consume(std::string_view(block.data(), count));
    }
}
