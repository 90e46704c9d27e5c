#include "records/Errors.h"
#include "records/FileBytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {
std::filesystem::path scratch(const char* name) {
    return std::filesystem::temp_directory_path() / (std::string("brennick-") + name);
}

TEST(FileBytes, ReadsAtMostTheLimit) {
    const auto path = scratch("limit.txt");
    std::ofstream(path, std::ios::binary) << "0123456789";
    for (const auto& [limit, bytes, truncated] :
         {std::tuple<std::size_t, std::string, bool>{4, "0123", true}, {10, "0123456789", false}, {20, "0123456789", false}}) {
        const FilePrefix prefix = ReadFilePrefix(path.string(), limit);
        EXPECT_EQ(prefix.bytes, bytes);
        EXPECT_EQ(prefix.truncated, truncated);
    }
    std::filesystem::remove(path);
}

TEST(FileBytes, MissingFileIsReported) {
    try {
        ReadFilePrefix(scratch("missing/none.txt").string(), 10);
        FAIL();
    } catch (const InOutError& error) {
        EXPECT_STREQ(error.what(), "File not found");
    }
}
} // namespace
