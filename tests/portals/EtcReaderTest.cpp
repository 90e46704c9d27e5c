#include "portals/EtcReader.h"
#include "records/Errors.h"

#include "portals/EtcTableDump.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {
struct Tables {
    std::unique_ptr<GotoTable> gotos = std::make_unique<GotoTable>();
    std::unique_ptr<PortalTable> portals = std::make_unique<PortalTable>();

    EtcLoad read(std::string_view bytes, bool wholeFile = true) {
        return ReadEtc(bytes, wholeFile, *portals, *gotos);
    }
    std::vector<std::string> dump() const { return DumpTables(*gotos, *portals); }
};

struct ReadCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> expected;
};

class EtcReaderTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(EtcReaderTest, StoresGotoAndPortalRecords) {
    Tables tables;
    const EtcLoad load = tables.read(GetParam().bytes);
    EXPECT_EQ(tables.dump(), GetParam().expected);
    EXPECT_FALSE(load.leftOutAnything());
}

const std::string kPortal = "(portal (country 0 2) (from 3 1 2 3 4) (to 5 6 7 8))";
const std::string kPortalFields = "|0|2|3|1|2|3|4|5|6|7|8|";

INSTANTIATE_TEST_SUITE_P(
    CommentedMark, EtcReaderTest,
    ::testing::Values(ReadCase{"SemicolonDirectlyBefore", ";" + kPortal, {"P|1" + kPortalFields}},
                      ReadCase{"SemicolonThenSpace", "; " + kPortal, {"P|0" + kPortalFields}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Keywords, EtcReaderTest,
    ::testing::Values(
        ReadCase{"SpaceBeforeKeyword", "( goto 1 2 3 4 5)\r\n(goto 1 2 3 4 5)", {"G|0|1|2|3|4|5|"}},
        ReadCase{"KeywordIsCaseSensitive", "(Goto 1 2 3 4 5)\r\n(Portal (from 1 2 3 4 5))", {}},
        ReadCase{"KeywordIsAPrefix", "(gotox 1 2 3 4)", {"G|0|x|1|2|3|4|"}},
        ReadCase{"OtherRecordsDropped",
                 "(event (index 1) (name \"fair\"))\r\n(npc (map 1))\r\n(goto 1 2 3 4 5)",
                 {"G|0|1|2|3|4|5|"}},
        ReadCase{"RecordsKeepFileOrderPerTable",
                 kPortal + "\r\n(goto 9 9 9 9 9)\r\n;" + kPortal + "\r\n(goto 1 1 1 1 1)",
                 {"G|0|9|9|9|9|9|", "G|0|1|1|1|1|1|", "P|0" + kPortalFields, "P|1" + kPortalFields}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TrailingComments, EtcReaderTest,
    ::testing::Values(
        ReadCase{"AfterGoto", "(goto 1 2 3 4 5) ; town gate\r\n", {"G|0|1|2|3|4|5| town gate"}},
        ReadCase{"AfterPortal", kPortal + " ;gate; north\r\n", {"P|0" + kPortalFields + "gate; north"}},
        ReadCase{"BannersAndCommentLinesDropped",
                 "; goto ----\r\n; gotos of the capital\r\n(goto 1 2 3 4 5)\r\n; portal ----\r\n",
                 {"G|0|1|2|3|4|5|"}},
        ReadCase{"LfEndsALine",
                 "(goto 1 2 3 4 5) ; a\n;(goto 6 7 8 9 10)\n" + kPortal + " ; b\n",
                 {"G|0|1|2|3|4|5| a", "G|1|6|7|8|9|10|", "P|0" + kPortalFields + " b"}},
        ReadCase{"CrEndsALine",
                 "(goto 1 2 3 4 5) ; a\r;(goto 6 7 8 9 10)\r",
                 {"G|0|1|2|3|4|5| a", "G|1|6|7|8|9|10|"}},
        ReadCase{"ParenthesesInsideAComment",
                 "(goto 1 2 3 4 5) ; west gate (closed)) (\r\n" + kPortal + "\r\n",
                 {"G|0|1|2|3|4|5| west gate (closed)) (", "P|0" + kPortalFields}},
        ReadCase{"RecordAfterCommentOnSameLineIsCommentText",
                 "(goto 1 2 3 4 5) ;(goto 6 7 8 9 10)\r\n",
                 {"G|0|1|2|3|4|5|(goto 6 7 8 9 10)"}},
        ReadCase{"SemicolonInsideLaterGroupOpensNoComment",
                 "(goto 1 2 3 4 5) (event (name \"a;b\")) ; c\r\n",
                 {"G|0|1|2|3|4|5| c"}},
        ReadCase{"CommentBelongsToTheGotoAndPortalOfTheLine",
                 "(goto 1 2 3 4 5) " + kPortal + " ; c\r\n(goto 6 7 8 9 10) (goto 1 1 1 1 1) ; d\r\n",
                 {"G|0|1|2|3|4|5| c", "G|0|6|7|8|9|10|", "G|0|1|1|1|1|1| d", "P|0" + kPortalFields + " c"}},
        ReadCase{"CommentOnLastLineWithoutLineEnd", "(goto 1 2 3 4 5) ; last", {"G|0|1|2|3|4|5| last"}},
        ReadCase{"LineEndInsideGroupEndsTheLine", "(goto 1 2 3 4 5) (event\r\n) ; c\r\n", {"G|0|1|2|3|4|5|"}},
        ReadCase{"StrayCloseAtTopLevelIsIgnored",
                 "(goto 1 2 3 4 5)\r\n) ; note\r\n(goto 6 7 8 9 10) ; b\r\n",
                 {"G|0|1|2|3|4|5|", "G|0|6|7|8|9|10| b"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Separators, EtcReaderTest,
    ::testing::Values(
        ReadCase{"FewerValuesThanFields",
                 "(portal (country 1) (from 3 1 2 3 4) (to 5 6 7 8))",
                 {"P|0|1||3|1|2|3|4|5|6|7|8|"}},
        ReadCase{"TwoSpacesAfterKey", "(goto  1 2 3 4)", {"G|0||1|2|3|4|"}},
        ReadCase{"TwoSpacesBetweenValuesAdvanceOne", "(goto 1  2 3 4 5)", {"G|0|1|2|3|4|5|"}},
        ReadCase{"ThreeSpacesAdvanceTwo", "(goto 1   2 3 4)", {"G|0|1||2|3|4|"}},
        ReadCase{"SpaceBeforeClose", "(goto 1 2 3 4 )", {"G|0|1|2|3|4||"}},
        ReadCase{"TabIsPartOfAValue", "(goto 1\t2 3)", {"G|0|1\t2|3||||"}},
        ReadCase{"FromBeforeCountryIsNotFound",
                 "(portal (from 3 1 2 3 4) (country 0 2) (to 5 6 7 8))",
                 {"P|0|0|2||||||5|6|7|8|"}},
        ReadCase{"EmptyGroupsHoldNothing",
                 "(portal (country) (from) (to)) ; c\r\n(goto)",
                 {"G|0||||||", "P|0" + std::string(12, '|') + " c"}},
        ReadCase{"RecordOverSeveralLines",
                 "(portal (country 0 2)\r\n  (from 3 1 2 3 4)\r\n  (to 5 6 7 8)) ; c\r\n",
                 {"P|0" + kPortalFields + " c"}},
        ReadCase{"RecordOpenAtTheEndIsDropped", "(goto 1 2 3 4 5)\r\n(goto 6 7", {"G|0|1|2|3|4|5|"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EtcReader, SurplusValuesAreDroppedAndCounted) {
    Tables tables;
    const EtcLoad load = tables.read(
        "(goto 1 2 3 4 5 6 7) ; c\r\n(portal (country 0 2 9) (from 3 1 2 3 4 8) (to 5 6 7 8 9))\r\n"
        "(portal (country 0   2) (from 1 2 3 4 5) (to 1 2 3 4))\r\n");
    EXPECT_EQ(tables.dump(), (std::vector<std::string>{"G|0|1|2|3|4|5| c", "P|0" + kPortalFields,
                                                       "P|0|0||1|2|3|4|5|1|2|3|4|"}));
    EXPECT_EQ(load.valuesLeftOut, 6U);
    EXPECT_NE(EtcLoadWarning(load).find("6 values beyond the fields of their group"), std::string::npos);
}

TEST(EtcReader, SurplusRecordsAreCountedAndTheirCommentsDropped) {
    std::string bytes;
    for (int i = 0; i < 103; ++i) {
        bytes += "(goto " + std::to_string(i) + " 0 0 0 0) ; goto " + std::to_string(i) + "\r\n";
    }
    for (int i = 0; i < 52; ++i) {
        bytes += "(portal (country 0 2) (from " + std::to_string(i) + " 1 2 3 4) (to 5 6 7 8)) ; portal " +
                 std::to_string(i) + "\r\n";
    }
    Tables tables;
    const EtcLoad load = tables.read(bytes);
    EXPECT_EQ(load.gotosStored, 101U);
    EXPECT_EQ(load.gotosLeftOut, 2U);
    EXPECT_EQ(load.portalsStored, 51U);
    EXPECT_EQ(load.portalsLeftOut, 1U);
    EXPECT_EQ((*tables.gotos)[100][GotoRecord::comment], " goto 100");
    EXPECT_EQ((*tables.portals)[50][PortalRecord::comment], " portal 50");
    const std::string warning = EtcLoadWarning(load);
    EXPECT_NE(warning.find("1 portal record beyond the 51"), std::string::npos);
    EXPECT_NE(warning.find("2 goto records beyond the 101"), std::string::npos);
    EXPECT_NE(warning.find("next save"), std::string::npos);
}

TEST(EtcReader, CommentCutByTheByteLimitIsNotStored) {
    Tables tables;
    tables.read("(goto 1 2 3 4 5) ; cut her", false);
    EXPECT_EQ(tables.dump(), (std::vector<std::string>{"G|0|1|2|3|4|5|"}));
}

class EtcFileTest : public ::testing::Test {
  protected:
    std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "etc-file-test";
    void SetUp() override { std::filesystem::create_directories(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path path = folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
};

TEST_F(EtcFileTest, BytesBeyondTheLimitAreNotRead) {
    const std::string kept = "(goto 1 2 3 4 5) ; kept\r\n";
    const std::string cut = "(goto 6 7 8 9 10)\r\n";
    std::string bytes = kept + std::string(kEtcByteLimit - kept.size() - 5, ' ') + cut;
    Tables tables;
    const EtcLoad load = LoadEtcFile(write("big.txt", bytes), *tables.portals, *tables.gotos);
    EXPECT_TRUE(load.bytesLeftOut);
    EXPECT_EQ(tables.dump(), (std::vector<std::string>{"G|0|1|2|3|4|5| kept"}));
    EXPECT_NE(EtcLoadWarning(load).find("1,000,000 bytes"), std::string::npos);

    bytes.resize(kEtcByteLimit);
    EXPECT_FALSE(LoadEtcFile(write("exact.txt", bytes), *tables.portals, *tables.gotos).bytesLeftOut);
}

TEST_F(EtcFileTest, MissingFileLeavesTheTablesAsTheyWere) {
    Tables tables;
    tables.read("(goto 1 2 3 4 5)");
    EXPECT_THROW(
        {
            try {
                LoadEtcFile((folder / "missing.txt").string(), *tables.portals, *tables.gotos);
            } catch (const InOutError& error) {
                EXPECT_STREQ(error.what(), "File not found");
                throw;
            }
        },
        InOutError);
    EXPECT_EQ(tables.dump(), (std::vector<std::string>{"G|0|1|2|3|4|5|"}));
}

} // namespace
