#include "portals/EtcReader.h"
#include "portals/EtcWriter.h"

#include "portals/EtcTableDump.h"

#include "support/SavedGroups.h"
#include "support/SeededChoices.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {
// A goto or portal and the text after the ";" that follows it on its line.
struct CommentedRecord {
    GeneratedRecord record;
    std::string comment;
};

// An Etc.txt as large servers have it: section banners, gotos with a
// surplus value or a group of their own, portals with surplus values,
// groups of keys the editor does not know or keys out of order, trailing
// comments, and records that are neither gotos nor portals between them.
class EtcFile {
  public:
    EtcFile(unsigned seed, std::size_t gotoCount, std::size_t portalCount) : choose_(seed) {
        bytes_ = "; goto -----------------------------------\r\n";
        for (std::size_t k = 0; k < gotoCount; ++k) {
            maybeOther();
            add(gotos_, gotoRecord(k));
        }
        bytes_ += "\r\n; portal -----------------------------------\r\n";
        for (std::size_t k = 0; k < portalCount; ++k) {
            maybeOther();
            add(portals_, portalRecord());
        }
    }

    const std::string& bytes() const { return bytes_; }
    const std::vector<CommentedRecord>& gotos() const { return gotos_; }
    const std::vector<CommentedRecord>& portals() const { return portals_; }
    // The lines a save writes for the other records.
    const std::vector<std::string>& others() const { return others_; }

  private:
    std::string values(std::size_t count, std::size_t below) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i) {
            text += choose_.Blank();
            text += choose_.Number(below);
        }
        return text;
    }

    void add(std::vector<CommentedRecord>& records, std::string text) {
        const bool commented = choose_.OneIn(8);
        records.push_back({{std::move(text), commented},
                           std::string(choose_.OneOf({"", " town gate", " (to the next map)", ";old"}))});
        bytes_ += records.back().record.line() + " ;" + records.back().comment + "\r\n";
    }

    // Now and then a record of another kind, or a comment line with a group in it.
    void maybeOther() {
        if (!choose_.OneIn(12)) {
            return;
        }
        const bool commented = choose_.OneIn(3);
        const std::string text(choose_.OneOf(
            {"(event\t(id 2) ( name \"Big  Fight\" ))", "(shop (npc 12)  (items 1 2 3))", "(event 3)"}));
        bytes_ += (commented ? ";" : "") + text + (choose_.OneIn(2) ? " ; not kept" : "") + "\r\n";
        others_.push_back((commented ? ";" : "") + TidyGroup(text));
        if (choose_.OneIn(2)) {
            bytes_ += "; (none yet)\r\n";
        }
    }

    std::string gotoRecord(std::size_t k) {
        std::string text = choose_.OneIn(20) ? "( goto" : "(goto";
        text += choose_.Blank();
        text += std::to_string(k + 1) + values(4, 9000);
        if (choose_.OneIn(10)) {
            text += values(1, 9); // surplus
        }
        if (choose_.OneIn(12)) {
            text += " (x" + values(1, 9) + ")";
        }
        return text + ")";
    }

    std::string portalRecord() {
        std::string country = "(country" + values(2 + (choose_.OneIn(8) ? 1 + choose_.Below(2) : 0), 3) + ")";
        std::string from = "(from" + values(5 + (choose_.OneIn(20) ? 1 : 0), 9000) + ")";
        if (choose_.OneIn(15)) {
            from = "( from" + values(5, 9000) + " )";
        }
        const std::string to = "(to" + values(4, 9000) + ")";
        std::string text =
            "(portal " + (choose_.OneIn(15) ? from + " " + country : country + " " + from) + " " + to;
        if (choose_.OneIn(8)) {
            text += " (gate" + values(1, 9) + ")";
        }
        return text + ")";
    }

    SeededChoices choose_;
    std::string bytes_;
    std::vector<CommentedRecord> gotos_;
    std::vector<CommentedRecord> portals_;
    std::vector<std::string> others_;
};

struct EtcTables {
    PortalTable portals;
    GotoTable gotos;
    EtcOtherRecords others;
    EtcLoad load;

    explicit EtcTables(std::string_view bytes) : load(ReadEtc(bytes, portals, gotos, others)) {}

    std::string Saved() const { return JoinedLines(EtcLines(gotos, portals, others)); }
};

void ExpectComment(const std::string& line, const CommentedRecord& read) {
    EXPECT_TRUE(line.ends_with(") ;" + read.comment)) << line;
}

class EtcLosslessTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(EtcLosslessTest, ASaveKeepsEveryRecordAndGroup) {
    const EtcFile file(GetParam(), 180, 140);
    const EtcTables read(file.bytes());
    ASSERT_EQ(read.load.gotosStored, 180u);
    ASSERT_EQ(read.load.portalsStored, 140u);
    EXPECT_TRUE(read.load.notes.empty());
    const std::vector<std::string> lines = SavedLines(read.Saved());
    ASSERT_EQ(lines.size(), 2 + 180 + 140 + file.others().size());

    for (std::size_t i = 0; i < 180; ++i) {
        // A goto's values stand outside its groups: the whole record is compared.
        const std::string& line = lines[1 + i];
        const GeneratedRecord& read = file.gotos()[i].record;
        EXPECT_EQ(TidyGroup(RecordOf(line)), TidyGroup(read.text)) << "goto " << i;
        EXPECT_EQ(line.starts_with(';'), read.commented) << line;
        ExpectComment(line, file.gotos()[i]);
    }
    for (std::size_t i = 0; i < 140; ++i) {
        const std::string& line = lines[2 + 180 + i];
        ExpectGroupsKept(file.portals()[i].record, line, NothingAdded);
        ExpectComment(line, file.portals()[i]);
    }
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 2 + 180 + 140, lines.end()), file.others());
}

TEST_P(EtcLosslessTest, ReadWriteReadWriteGivesTheSameBytes) {
    const std::string firstSave = EtcTables(EtcFile(GetParam(), 180, 140).bytes()).Saved();
    EXPECT_EQ(EtcTables(firstSave).Saved(), firstSave);
}

INSTANTIATE_TEST_SUITE_P(Seeds, EtcLosslessTest, ::testing::Values(1u, 2u, 3u));

TEST(EtcLossless, AReadIntoFilledTablesStoresWhatAReadIntoEmptyTablesDoes) {
    PortalTable portals;
    GotoTable gotos;
    EtcOtherRecords others;
    // Fewer records than the read before, then more.
    for (const auto& [seed, gotoCount, portalCount] :
         {std::tuple{1u, 180u, 140u}, {2u, 90u, 30u}, {3u, 180u, 140u}}) {
        const EtcFile file(seed, gotoCount, portalCount);
        ReadEtc(file.bytes(), portals, gotos, others);
        const EtcTables fresh(file.bytes());
        EXPECT_EQ(gotos.size(), fresh.gotos.size());
        EXPECT_EQ(portals.size(), fresh.portals.size());
        EXPECT_EQ(DumpTables(gotos, portals, others), DumpTables(fresh.gotos, fresh.portals, fresh.others));
        // Every record handed out for writing and written back where it was read.
        for (std::size_t position = 0; position < portals.size(); ++position) {
            static_cast<void>(portals[position]);
        }
        for (std::size_t position = 0; position < gotos.size(); ++position) {
            static_cast<void>(gotos[position]);
        }
        EXPECT_EQ(EtcKeepingLayout(file.bytes(), gotos, portals), file.bytes());
    }
}
} // namespace
