#include "items/BlockReader.h"

#include "records/Errors.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
} // namespace

void ReadFileInBlocks(const std::string& path, std::size_t blockSize,
                      const std::function<void(std::string_view)>& consume) {
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw InOutError::fromErrno(errno != 0 ? errno : ENOENT);
    }
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
