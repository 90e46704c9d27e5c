#include "records/FileBytes.h"

#include "records/Errors.h"

#include <cerrno>
#include <cstdio>
#include <memory>

namespace {
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
} // namespace

FilePrefix ReadFilePrefix(const std::string& path, std::size_t limit) {
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw InOutError::fromErrno(errno);
    }
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
