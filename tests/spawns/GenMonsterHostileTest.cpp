#include "records/FileBytes.h"
#include "spawns/GenMonsterFile.h"
#include "support/HostileInputs.h"
#include "support/LoadTiming.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include <unistd.h>

namespace {
constexpr std::string_view kRecord =
    "(genmonster (index 1) (map 0) (area 7) (max 5) (cycle 300) (rect 7000 10000 7100 10100))";

TEST(GenMonsterHostile, EveryHostileFileLoadsInLinearTimeWithTheRecordsItHolds) {
    SpawnRecord expected{};
    ParseGenMonsterRecord(kRecord.substr(0, kRecord.size() - 1), false, expected);
    ASSERT_EQ(expected[kY2], "10100");
    auto table = std::make_unique<SpawnTable>();
    for (const HostileInput& input : HostileInputs(kRecord)) {
        SCOPED_TRACE(input.name);
        const GenMonsterLoad load = ParseGenMonster(input.bytes, *table);
        const std::size_t records = input.records;
        EXPECT_EQ(load.stored, std::min(records, SpawnTable::kCapacity));
        EXPECT_EQ(load.leftOut, records - load.stored);
        EXPECT_EQ(GenMonsterLeftOutWarning(load, false).empty(), load.leftOut == 0);
        if (input.name == "LongValues") {
            EXPECT_TRUE((*table)[0][kIndex] == std::string(100000, '7'));
        } else if (load.stored > 0) {
            EXPECT_EQ((*table)[0], expected);
            EXPECT_EQ((*table)[load.stored - 1], expected);
        }
        ExpectLinearLoadTime(input, [&](std::string_view bytes) { ParseGenMonster(bytes, *table); });
    }
}

TEST(GenMonsterHostile, ABigFileIsReadOnlyUpToTheReadLimit) {
    const HostileInput big = [] {
        for (HostileInput& input : HostileInputs(kRecord)) {
            if (input.name == "FiftyMegabytes") {
                return std::move(input);
            }
        }
        return HostileInput{};
    }();
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("brennick-genmonster-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(path, std::ios::binary) << big.bytes;
    const FilePrefix file = ReadFilePrefix(path.string(), kGenMonsterReadLimit);
    std::filesystem::remove(path);

    EXPECT_TRUE(file.truncated);
    EXPECT_EQ(file.bytes, big.bytes.substr(0, kGenMonsterReadLimit));
    auto table = std::make_unique<SpawnTable>();
    const GenMonsterLoad load = ParseGenMonster(file.bytes, *table);
    const std::size_t whole = kGenMonsterReadLimit / (kRecord.size() + 2);
    EXPECT_EQ(load.stored, SpawnTable::kCapacity);
    EXPECT_EQ(load.leftOut, whole - SpawnTable::kCapacity);
    EXPECT_FALSE(GenMonsterLeftOutWarning(load, file.truncated).empty());
}
} // namespace
