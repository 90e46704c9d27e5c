#include "records/FileBytes.h"
#include "records/Errors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {
std::filesystem::path scratch(const char* name) {
    return std::filesystem::temp_directory_path() / (std::string("brennick-") + name);
}

TEST(FileBytes, ReadsTheWholeFileWhateverItsSize) {
    const auto path = scratch("whole.txt");
    const std::string bytes = std::string(3'000'000, 'x') + "\r\nend";
    std::ofstream(path, std::ios::binary) << bytes;
    EXPECT_EQ(ReadWholeFile(path.string()), bytes);
    std::filesystem::remove(path);
}

TEST(FileBytes, FileOverSixtyFourMebibytesIsRefusedByNameAndSize) {
    const auto path = scratch("huge.txt");
    std::ofstream(path, std::ios::binary).close();
    for (const auto& [size, refused] :
         {std::pair{kLargestReadableFile, false}, {kLargestReadableFile + 1, true}}) {
        std::filesystem::resize_file(path, size);
        if (!refused) {
            EXPECT_EQ(ReadWholeFile(path.string()).size(), size);
            continue;
        }
        try {
            ReadWholeFile(path.string());
            ADD_FAILURE() << "read a file over 64 MiB";
        } catch (const BrennickError& error) {
            EXPECT_STREQ(error.what(), "brennick-huge.txt: 67108865 bytes; files over 64 MiB are not read");
        }
    }
    std::filesystem::remove(path);
}

TEST(FileBytes, AFileThatCannotBeOpenedIsReportedByName) {
    const auto missing = scratch("missing/none.txt").string();
    const auto folder = std::filesystem::temp_directory_path().string();
    for (const auto& [path, message] :
         {std::pair{missing, "Cannot open file \"" + missing + "\". File not found"},
          {folder, "Cannot read file \"" + folder + "\". I/O error 21"}}) {
        try {
            ReadWholeFile(path);
            ADD_FAILURE() << path;
        } catch (const InOutError& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
}
} // namespace
