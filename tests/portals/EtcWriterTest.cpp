#include "portals/EtcWriter.h"
#include "portals/EtcReader.h"
#include "portals/PortalList.h"

#include "portals/EtcTableDump.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {
template <typename Record> Record makeRecord(const std::vector<std::string>& fields) {
    Record record;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        record.fields[i] = fields[i];
    }
    return record;
}

struct LineCase {
    const char* name;
    std::vector<std::string> fields;
    std::string expected;
};

class GotoLineTest : public ::testing::TestWithParam<LineCase> {};
class PortalLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(GotoLineTest, WritesTheFieldsAsStored) {
    EXPECT_EQ(GotoLine(makeRecord<GotoRecord>(GetParam().fields)), GetParam().expected);
}

TEST_P(PortalLineTest, WritesTheFieldsAsStored) {
    EXPECT_EQ(PortalLine(makeRecord<PortalRecord>(GetParam().fields)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, GotoLineTest,
    ::testing::Values(
        LineCase{"Active", {"0", "1", "2", "3", "4", "5", " town gate"}, "(goto 1 2 3 4 5) ; town gate"},
        LineCase{"CommentedWithoutComment", {"1", "1", "2", "3", "4", "5", ""}, ";(goto 1 2 3 4 5) ;"},
        LineCase{"AnythingButZeroIsCommentedAndAnEmptiedMiddleValueIsZero",
                 {"x", "-1", "\"a\"", "", "4", "5", ";;"},
                 ";(goto -1 \"a\" 0 4 5) ;;;"},
        LineCase{"Empty", {}, ";(goto     ) ;"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Lines, PortalLineTest,
    ::testing::Values(LineCase{"Active",
                               {"0", "0", "2", "3", "1200", "800", "1260", "840", "5", "300", "400", "0",
                                " gate"},
                               "(portal (country 0 2) (from 3 1200 800 1260 840) (to 5 300 400 0)) ; gate"},
                      LineCase{"MissingSecondCountryKeepsItsSpace",
                               {"1", "1", "", "3", "1", "2", "3", "4", "5", "6", "7", "8", ""},
                               ";(portal (country 1 ) (from 3 1 2 3 4) (to 5 6 7 8)) ;"},
                      LineCase{"EmptiedValuesBeforeAWrittenOneAreZero",
                               {"0", "", "2", "3", "", "2", "", "", "5", "", "", "8", ""},
                               "(portal (country 0 2) (from 3 0 2  ) (to 5 0 0 8)) ;"},
                      LineCase{"Empty", {}, ";(portal (country  ) (from     ) (to    )) ;"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EtcWriter, EmptyTablesGiveBannersAndOneLineEach) {
    auto gotos = std::make_unique<GotoTable>();
    auto portals = std::make_unique<PortalTable>();
    EXPECT_EQ(EtcLines(*gotos, *portals, {}),
              (std::vector<std::string>{"; goto -----------------------------------", ";(goto     ) ;",
                                        "; portal -----------------------------------",
                                        ";(portal (country  ) (from     ) (to    )) ;"}));
    EXPECT_EQ(PortalListLines(*portals), (std::vector<std::string>{"Portal from map:  to map:  "}));
}

TEST(EtcWriter, SectionsStopAtTheFirstAbsentRecord) {
    auto gotos = std::make_unique<GotoTable>();
    auto portals = std::make_unique<PortalTable>();
    for (std::size_t i = 0; i < 101; ++i) {
        RecordAt((*gotos), i) = makeRecord<GotoRecord>({"0", std::to_string(i), "0", "0", "0", "0", ""});
    }
    RecordAt((*portals), 0) =
        makeRecord<PortalRecord>({"0", "0", "2", "3", "1", "2", "3", "4", "5", "6", "7", "8", " a"});
    RecordAt((*portals), 1) =
        makeRecord<PortalRecord>({"1", "0", "2", "9", "1", "2", "3", "4", "5", "6", "7", "8", ""});
    RecordAt((*portals), 3) = RecordAt((*portals), 0); // after a gap: never reached

    const std::vector<std::string> lines = EtcLines(*gotos, *portals, {});
    ASSERT_EQ(lines.size(), 1 + 101 + 1 + 2U);
    EXPECT_EQ(lines[101], "(goto 100 0 0 0 0) ;");
    EXPECT_EQ(lines[102], "; portal -----------------------------------");
    EXPECT_EQ(lines[104], ";(portal (country 0 2) (from 9 1 2 3 4) (to 5 6 7 8)) ;");
    EXPECT_EQ(PortalListLines(*portals),
              (std::vector<std::string>{"Portal from map: 3 to map:5   a", "Portal from map: 9 to map:5  "}));
}

// An Etc.txt read and saved without edits: everything the server reads is
// written back, gotos first, then portals, then the other records.
TEST(EtcWriter, SavingWithoutEditsKeepsEveryRecordAndGroup) {
    GotoTable gotos;
    PortalTable portals;
    EtcOtherRecords others;
    ReadEtc(
        "; goto ---\r\n(goto 1 2 3 4 5 6 (x  1)) ;g\r\n(event\t(id 2) ( name \"Big  Fight\" )) ; not kept\r\n"
        "; (none yet)\r\n;(event 3)\r\n(portal (country 0 1) (from 1 2 3 4 5) (to 6 7 8 9) (gate 3)) "
        ";comment\r\n"
        "(portal (country 0 1 2 3) (from 1 2 3 4 5 6) (to 6 7 8 9 0)) ; p\r\n",
        portals, gotos, others);
    EXPECT_EQ(
        EtcLines(gotos, portals, others),
        (std::vector<std::string>{"; goto -----------------------------------", "(goto 1 2 3 4 5 6 (x 1)) ;g",
                                  "; portal -----------------------------------",
                                  "(portal (country 0 1) (from 1 2 3 4 5) (to 6 7 8 9) (gate 3)) ;comment",
                                  "(portal (country 0 1 2 3) (from 1 2 3 4 5 6) (to 6 7 8 9 0)) ; p",
                                  "(event (id 2) (name \"Big  Fight\"))", ";(event 3)"}));
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// Values without spaces, parentheses or line breaks; comments of any other
// bytes, ";" and parentheses included.
class TableGenerator {
  public:
    explicit TableGenerator(unsigned seed) : random_(seed) {}

    std::string value() { return pick(1, 6, "0123456789-+abcXYZ\"';.\xE9"); }
    std::string comment() { return pick(0, 20, " abcdefgh;()-_.\"\xF6"); }
    std::string commented() { return random_() % 3 == 0 ? "1" : "0"; }

    template <typename Record> Record record() {
        Record record;
        record.fields[0] = commented();
        for (std::size_t field = 1; field + 1 < Record::kFieldCount; ++field) {
            record.fields[field] = value();
        }
        record.fields.back() = comment();
        return record;
    }

  private:
    std::string pick(std::size_t minLength, std::size_t maxLength, std::string_view alphabet) {
        const std::size_t length = minLength + random_() % (maxLength - minLength + 1);
        std::string text;
        for (std::size_t i = 0; i < length; ++i) {
            text += alphabet[random_() % alphabet.size()];
        }
        return text;
    }

    std::mt19937 random_;
};

TEST(EtcRoundTrip, WrittenTablesReadBackPositionByPosition) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        TableGenerator generate(seed);
        auto gotos = std::make_unique<GotoTable>();
        auto portals = std::make_unique<PortalTable>();
        // Seeds 1 and 2 make tables of a large server's size.
        const std::size_t gotoCount = seed <= 2 ? 200 : 1 + seed % 12;
        const std::size_t portalCount = seed <= 2 ? 200 : 1 + seed * 7 % 9;
        for (std::size_t i = 0; i < gotoCount; ++i) {
            RecordAt((*gotos), i) = generate.record<GotoRecord>();
        }
        for (std::size_t i = 0; i < portalCount; ++i) {
            RecordAt((*portals), i) = generate.record<PortalRecord>();
        }
        const std::string bytes = joinLines(EtcLines(*gotos, *portals, {}));

        auto readGotos = std::make_unique<GotoTable>();
        auto readPortals = std::make_unique<PortalTable>();
        EtcOtherRecords others;
        const EtcLoad load = ReadEtc(bytes, *readPortals, *readGotos, others);
        EXPECT_TRUE(load.notes.empty()) << "seed " << seed;
        EXPECT_EQ(DumpTables(*readGotos, *readPortals), DumpTables(*gotos, *portals)) << "seed " << seed;
        EXPECT_EQ(joinLines(EtcLines(*readGotos, *readPortals, others)), bytes) << "seed " << seed;
    }
}
} // namespace
