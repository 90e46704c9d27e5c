#include "portals/EtcReader.h"
#include "records/Errors.h"

#include "portals/EtcTableDump.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {
struct Tables {
    GotoTable gotos;
    PortalTable portals;
    EtcOtherRecords others;
    std::optional<std::string> file;

    EtcLoad read(std::string_view bytes) { return ReadEtc(bytes, portals, gotos, others); }
    std::vector<std::string> dump() const { return DumpTables(gotos, portals, others); }
};

struct ReadCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> expected;
};

class EtcReaderTest : public ::testing::TestWithParam<ReadCase> {};

// A file's records are read in one pass; the key search reads the same from
// each record's text, which leaves out the trailing comment.
template <typename Table, typename Parse>
void expectTheKeySearchReadsTheSame(const Table& table, std::string_view bytes, Parse parse) {
    for (std::size_t position = 0; position < table.size(); ++position) {
        const RecordSpan& span = *table.SpanOf(position);
        auto searched = parse(span.RecordText(bytes), span.Commented());
        searched.fields.back() = table[position].fields.back();
        EXPECT_EQ(table[position], searched) << span.RecordText(bytes);
    }
}

TEST_P(EtcReaderTest, StoresEveryRecord) {
    Tables tables;
    const EtcLoad load = tables.read(GetParam().bytes);
    EXPECT_EQ(tables.dump(), GetParam().expected);
    EXPECT_TRUE(load.notes.empty());
    expectTheKeySearchReadsTheSame(std::as_const(tables.gotos), GetParam().bytes, ParseGotoRecord);
    expectTheKeySearchReadsTheSame(std::as_const(tables.portals), GetParam().bytes, ParsePortalRecord);
}

const std::string kPortal = "(portal (country 0 2) (from 3 1 2 3 4) (to 5 6 7 8))";
const std::string kPortalFields = "|0|2|3|1|2|3|4|5|6|7|8|";

INSTANTIATE_TEST_SUITE_P(
    CommentedMark, EtcReaderTest,
    ::testing::Values(ReadCase{"SemicolonDirectlyBefore", ";" + kPortal, {"P|1" + kPortalFields}},
                      ReadCase{"SemicolonThenBlanks", "; \t" + kPortal, {"P|1" + kPortalFields}},
                      ReadCase{"ParenthesesOfCommentTextOpenNothing",
                               "; (lv 10-20\r\n(goto 1 2 3 4 5)\r\n; (event (x 1)) end)\r\n;(event 2)",
                               {"G|0|1|2|3|4|5|", "O|;(event 2)"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Keywords, EtcReaderTest,
    ::testing::Values(
        ReadCase{"BlanksBeforeKeyword",
                 "( goto 1 2 3 4 5)\r\n(\tportal (country 0 2) (from 3 1 2 3 4) (to 5 6 7 8))",
                 {"G|0|1|2|3|4|5|", "P|0" + kPortalFields}},
        ReadCase{"KeywordIsCaseSensitive",
                 "(Goto 1 2 3 4 5)\r\n(Portal (from 1 2 3 4 5))",
                 {"O|(Goto 1 2 3 4 5)", "O|(Portal (from 1 2 3 4 5))"}},
        ReadCase{"LongerKeywordIsAnotherRecord", "(gotox 1 2 3 4)", {"O|(gotox 1 2 3 4)"}},
        ReadCase{
            "OtherRecordsKeptTidied",
            "(event  (index 1) ( name \"fair  day\" ))\r\n;(npc\t(map 1)) ; its comment\r\n(goto 1 2 3 4 5)",
            {"G|0|1|2|3|4|5|", "O|(event (index 1) (name \"fair  day\"))", "O|;(npc (map 1))"}},
        ReadCase{"GroupsInALinesCommentAreNoRecords",
                 "; (none yet)\r\n;; (old (gate 1))\r\n;(event 2) ; (note)\r\n  ;(event 3)",
                 {"O|;(event 2)", "O|;(event 3)"}},
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
                 {"G|0|1|2|3|4|5| c", "O|(event (name \"a;b\"))"}},
        ReadCase{"CommentBelongsToTheGotoAndPortalOfTheLine",
                 "(goto 1 2 3 4 5) " + kPortal + " ; c\r\n(goto 6 7 8 9 10) (goto 1 1 1 1 1) ; d\r\n",
                 {"G|0|1|2|3|4|5| c", "G|0|6|7|8|9|10|", "G|0|1|1|1|1|1| d", "P|0" + kPortalFields + " c"}},
        ReadCase{"CommentOnLastLineWithoutLineEnd", "(goto 1 2 3 4 5) ; last", {"G|0|1|2|3|4|5| last"}},
        ReadCase{"LineEndInsideGroupEndsTheLine",
                 "(goto 1 2 3 4 5) (event\r\n) ; c\r\n",
                 {"G|0|1|2|3|4|5|", "O|(event)"}},
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
        ReadCase{"TwoSpacesAfterKey", "(goto  1 2 3 4)", {"G|0|1|2|3|4||"}},
        ReadCase{"RunsOfBlanksSeparateOnce", "(goto 1   2 3\t\t4 5)", {"G|0|1|2|3|4|5|"}},
        ReadCase{"SpaceBeforeClose", "(goto 1 2 3 4 )", {"G|0|1|2|3|4||"}},
        ReadCase{"FromBeforeCountryIsFoundToo",
                 "(portal (from 3 1 2 3 4) (country 0 2) (to 5 6 7 8))",
                 {"P|0" + kPortalFields}},
        ReadCase{"SurplusValuesStayWithTheirGroup",
                 "(goto 1 2 3 4 5 6 7) ; c\r\n(portal (country 0 2 9) (from 3 1 2 3 4 8) (to 5 6 7 8 9))",
                 {"G|0|1|2|3|4|5| c|+ 6 7", "P|0" + kPortalFields + "|+ 9|+ 8|+ 9"}},
        ReadCase{"UnknownGroupsKept",
                 "(portal (country 0 2) (gate\t3) (from 3 1 2 3 4) (to 5 6 7 8) (to 1 1 1 1))\r\n(goto 1 2 3 "
                 "4 5 (x 1))",
                 {"G|0|1|2|3|4|5||&(x 1)", "P|0" + kPortalFields + "|&(gate 3)|&(to 1 1 1 1)"}},
        ReadCase{"EmptyGroupsHoldNothing",
                 "(portal (country) (from) (to)) ; c\r\n(goto)",
                 {"G|0||||||", "P|0" + std::string(12, '|') + " c"}},
        ReadCase{"RecordOverSeveralLines",
                 "(portal (country 0 2)\r\n  (from 3 1 2 3 4)\r\n  (to 5 6 7 8)) ; c\r\n",
                 {"P|0" + kPortalFields + " c"}},
        ReadCase{"EmptyGoto", "(goto)", {"G|0||||||"}},
        ReadCase{"GotoValuesEndAtItsFirstGroup", "(goto 1 2 (x 1) 3)", {"G|0|1|2|||||&(x 1)"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EtcReader, EveryRecordOfTheFileIsStored) {
    std::string bytes;
    for (int i = 0; i < 180; ++i) {
        bytes += "(goto " + std::to_string(i) + " 0 0 0 0) ; goto " + std::to_string(i) + "\r\n";
    }
    for (int i = 0; i < 140; ++i) {
        bytes += "(portal (country 0 2) (from " + std::to_string(i) + " 1 2 3 4) (to 5 6 7 8)) ; portal " +
                 std::to_string(i) + "\r\n";
    }
    Tables tables;
    const EtcLoad load = tables.read(bytes);
    EXPECT_EQ(load.gotosStored, 180U);
    EXPECT_EQ(load.portalsStored, 140U);
    EXPECT_EQ(RecordAt(tables.gotos, 179)[GotoField::Comment], " goto 179");
    EXPECT_EQ(RecordAt(tables.portals, 139)[PortalField::Comment], " portal 139");
    EXPECT_EQ(tables.portals.firstFree(), 140U);
}

TEST(EtcReader, AGroupLeftOpenIsNotedWithItsLine) {
    Tables tables;
    const EtcLoad load =
        tables.read("(goto 1 2 3 4 5) ; a ) b\r\n) stray\r\n(event (x 1)\r\n(goto 6 7 8 9 10)\r\n");
    EXPECT_EQ(tables.dump(), (std::vector<std::string>{"G|0|1|2|3|4|5| a ) b"}));
    EXPECT_EQ(load.notes,
              (LoadNotes{"the group opened on line 3 is never closed; nothing after it was read."}));
}

class EtcFileTest : public ::testing::Test {
  protected:
    std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "etc-file-test";
    void SetUp() override { std::filesystem::create_directories(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }
};

TEST_F(EtcFileTest, MissingFileLeavesTheTablesAsTheyWere) {
    Tables tables;
    tables.read("(goto 1 2 3 4 5)");
    EXPECT_THROW(
        {
            try {
                LoadEtcFile((folder / "missing.txt").string(), tables.file, tables.portals, tables.gotos,
                            tables.others);
            } catch (const InOutError& error) {
                EXPECT_EQ(error.what(),
                          "Cannot open file \"" + (folder / "missing.txt").string() + "\". File not found");
                throw;
            }
        },
        InOutError);
    EXPECT_EQ(tables.dump(), (std::vector<std::string>{"G|0|1|2|3|4|5|"}));
    EXPECT_FALSE(tables.file);
}

} // namespace
