#include "spawns/GenMonsterWriter.h"
#include "spawns/GenMonsterReader.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

namespace {
SpawnRecord Spawn(std::string commented, std::string index, std::string map, std::string area,
                  std::string max, std::string cycle, std::string x1, std::string y1, std::string x2,
                  std::string y2) {
    return {{commented, index, map, area, max, cycle, x1, y1, x2, y2}, {}};
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

struct LineCase {
    const char* name;
    SpawnRecord record;
    std::string line;
};

class GenMonsterLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(GenMonsterLineTest, WritesTheRecordByteForByte) {
    EXPECT_EQ(GenMonsterLine(GetParam().record), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, GenMonsterLineTest,
    ::testing::Values(
        LineCase{"Active", Spawn("0", "12", "0", "7", "5", "300", "7000", "9000", "7100", "9100"),
                 "(genmonster (index 12) (map 0) (area 7) (max 5) (cycle 300) (rect 7000 9000 7100 9100))"},
        LineCase{"Commented", Spawn("1", "3", "2", "8", "1", "60", "5", "6", "5", "6"),
                 ";(genmonster (index 3) (map 2) (area 8) (max 1) (cycle 60) (rect 5 6 5 6))"},
        LineCase{"Empty", SpawnRecord{}, "(genmonster (index ) (map ) (area ) (max ) (cycle ) (rect    ))"},
        // Values are written as the texts they are, never reformatted.
        LineCase{"TextsKept", Spawn("0", "05", "+1", "-0", "x", "\"q\"", "-7", "0", "1", "2"),
                 "(genmonster (index 05) (map +1) (area -0) (max x) (cycle \"q\") (rect -7 0 1 2))"},
        LineCase{
            "LongValues",
            Spawn("0", "123456789012345", "1234567890123456", "12345678901234567", "1", "2",
                  "123456789012345", "1234567890123456", "12345678901234567", "4"),
            "(genmonster (index 123456789012345) (map 1234567890123456) (area 12345678901234567) (max 1) "
            "(cycle 2) (rect 123456789012345 1234567890123456 12345678901234567 4))"},
        // An emptied value before a written one is "0", so that the next one keeps its slot.
        LineCase{"EmptiedValuesBeforeWrittenOnesAreZero",
                 {{"0", "1", "2", "3", "", "5", "", "7", "", ""},
                  {{{static_cast<std::size_t>(SpawnField::Max), " 9"}}, {}}},
                 "(genmonster (index 1) (map 2) (area 3) (max 0 9) (cycle 5) (rect 0 7  ))"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GenMonsterWriterTest, EmptyTableWritesOneLineOfEmptyFields) {
    SpawnTable table;
    const auto lines = GenMonsterLines(table);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 63u);
}

TEST(GenMonsterWriterTest, WritesEverySpawnWithOrWithoutIndex) {
    SpawnTable table;
    for (std::size_t i = 0; i < 8; ++i) {
        RecordAt(table, i) =
            Spawn("0", std::to_string(i + 1), "1", std::to_string(i), "1", "1", "1", "1", "1", "1");
    }
    RecordAt(table, 5)[SpawnField::Index].clear();
    const auto lines = GenMonsterLines(table);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[5], "(genmonster (index ) (map 1) (area 5) (max 1) (cycle 1) (rect 1 1 1 1))");
}

TEST(GenMonsterWriterTest, ALargeTableWritesEveryPosition) {
    SpawnTable table;
    for (std::size_t i = 0; i < 3600; ++i) {
        RecordAt(table, i) = Spawn("0", "1", "0", std::to_string(i), "1", "1", "1", "1", "1", "1");
    }
    EXPECT_EQ(GenMonsterLines(table).size(), 3600u);
}

struct SaveCase {
    const char* name;
    std::string read;
    std::string written;
};

class GenMonsterSaveTest : public ::testing::TestWithParam<SaveCase> {};

// A record read and saved without edits: everything the server reads is
// written back, in the line layout.
TEST_P(GenMonsterSaveTest, KeepsEveryGroupTheServerReads) {
    SpawnTable table;
    ParseGenMonster(GetParam().read, table);
    EXPECT_EQ(GenMonsterLine(RecordAt(table, 0)), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GenMonsterSaveTest,
    ::testing::Values(
        SaveCase{"SecondRectAndUnknownGroupWrittenAsTheyStand",
                 "(genmonster (index 10) (map 0) (area 288) (max 5) (cycle 1) (rect 1 2 3 4) (rect 5 6 7 8) "
                 "(removegen 2))",
                 "(genmonster (index 10) (map 0) (area 288) (max 5) (cycle 1) (rect 1 2 3 4) (rect 5 6 7 8) "
                 "(removegen 2))"},
        SaveCase{"SpawnPointGivenByXyHasNoRect",
                 "(genmonster (index 830) (map 100) (area 3552) (max 1) (cycle 300) (xy 358018 188915))",
                 "(genmonster (index 830) (map 100) (area 3552) (max 1) (cycle 300) (xy 358018 188915))"},
        SaveCase{"BlanksAndTabsTidied",
                 "( genmonster ( index 532 ) ( map 23 ) (area 9) (max\t1) (cycle \t120\t) ( rect 4204 1667 "
                 "4222 1686 ) "
                 "( removegen\t2 ) )",
                 "(genmonster (index 532) (map 23) (area 9) (max 1) (cycle 120) (rect 4204 1667 4222 1686) "
                 "(removegen 2))"},
        SaveCase{"SurplusRectValueStaysInside",
                 ";(genmonster (kind 1) (index 1) (map 2) (area 3) (max 4) (cycle 5) (rect 1 2 3 4 9))",
                 ";(genmonster (index 1) (map 2) (area 3) (max 4) (cycle 5) (rect 1 2 3 4 9) (kind 1))"},
        SaveCase{"EmptyRecordKeepsItsEmptyRect", "(genmonster)",
                 "(genmonster (index ) (map ) (area ) (max ) (cycle ) (rect    ))"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GenMonsterWriterTest, LoadingWhatWasWrittenGivesTheSameFieldsAndBytes) {
    std::mt19937 random(4);
    const std::string bytesOf = "0123456789-+\"xzQWKZ\xE9";
    auto value = [&](bool allowEmpty) {
        std::string text;
        const int length = static_cast<int>(random() % 7) + (allowEmpty ? 0 : 1);
        for (int i = 0; i < length; ++i) {
            text += bytesOf[random() % bytesOf.size()];
        }
        return text;
    };
    for (int round = 0; round < 20; ++round) {
        auto table = std::make_unique<SpawnTable>();
        // The first rounds make tables of a large server's size.
        const std::size_t count = round < 2 ? 3600 : 1 + random() % 300;
        for (std::size_t i = 0; i < count; ++i) {
            SpawnRecord& record = RecordAt((*table), i);
            record[SpawnField::Commented] = random() % 4 == 0 ? "1" : "0";
            record[SpawnField::Index] = value(false);
            for (const SpawnField field :
                 {SpawnField::Map, SpawnField::Area, SpawnField::Max, SpawnField::Cycle}) {
                record[field] = value(true);
            }
            // A corner can be empty only after the last given one, as a short rect group loads.
            const std::size_t corners = random() % 5;
            for (std::size_t corner = 0; corner < corners; ++corner) {
                record.fields[static_cast<std::size_t>(SpawnField::X1) + corner] = value(false);
            }
        }
        const std::string written = Joined(GenMonsterLines(*table));
        auto loaded = std::make_unique<SpawnTable>();
        const GenMonsterLoad load = ParseGenMonster(written, *loaded);
        ASSERT_EQ(load.stored, count);
        for (std::size_t i = 0; i < count; ++i) {
            for (std::size_t field = 0; field < SpawnRecord::kFieldCount; ++field) {
                ASSERT_EQ(RecordAt((*loaded), i).fields[field], RecordAt((*table), i).fields[field])
                    << "record " << i << " field " << field;
            }
        }
        EXPECT_EQ(Joined(GenMonsterLines(*loaded)), written);
    }
}
} // namespace
