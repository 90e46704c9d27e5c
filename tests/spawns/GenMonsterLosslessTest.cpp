#include "spawns/GenMonsterReader.h"
#include "spawns/GenMonsterWriter.h"

#include "support/SavedGroups.h"
#include "support/SeededChoices.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {
// A GenMonster.txt as large servers have it: a byte order mark, comment
// lines in other scripts, commented-out spawns, records with blanks inside
// the parentheses or tabs around values, groups of keys the editor does not
// know, spawn points given as "(xy x y)", second rects and surplus corners.
class SpawnFile {
  public:
    SpawnFile(unsigned seed, std::size_t count) : choose_(seed) {
        bytes_ = "\xEF\xBB\xBF; GenMonster.txt\r\n";
        for (std::size_t k = 0; k < count; ++k) {
            if (choose_.OneIn(30)) {
                // "event monsters (map 23)" in Korean, and notes with parentheses.
                bytes_ += choose_.OneOf(
                    {"// \xEC\x9D\xB4\xEB\xB2\xA4\xED\x8A\xB8 \xEB\xAA\xAC\xEC\x8A\xA4\xED\x84\xB0 "
                     "(map 23)",
                     "; ---- dungeon ----", "", "; removed :)"});
                bytes_ += "\r\n";
            }
            spawns_.push_back(spawn(k));
            bytes_ += spawns_.back().line() + "\r\n";
        }
    }

    const std::string& bytes() const { return bytes_; }
    const std::vector<GeneratedRecord>& spawns() const { return spawns_; }

  private:
    enum class Spacing { Plain, InsideParentheses, TabsAroundValues };

    std::string group(std::string_view key, const std::vector<std::string>& values, Spacing spacing) {
        std::string text = spacing == Spacing::InsideParentheses ? "( " : "(";
        text += key;
        for (const std::string& value : values) {
            text += spacing == Spacing::TabsAroundValues ? choose_.OneOf({"\t", " \t"}) : choose_.Blank();
            text += value;
        }
        if (spacing != Spacing::Plain) {
            text += spacing == Spacing::TabsAroundValues ? "\t" : " ";
        }
        return text + ")";
    }

    std::vector<std::string> corners() {
        const std::size_t x = 1000 + choose_.Below(9000);
        const std::size_t y = 1000 + choose_.Below(9000);
        std::vector<std::string> values{std::to_string(x), std::to_string(y),
                                        std::to_string(x + choose_.Below(60)),
                                        std::to_string(y + choose_.Below(60))};
        if (choose_.OneIn(25)) {
            values.push_back(choose_.Number(9)); // surplus
        }
        return values;
    }

    GeneratedRecord spawn(std::size_t k) {
        GeneratedRecord spawn;
        spawn.commented = choose_.OneIn(10);
        const Spacing spacing = choose_.OneIn(10)  ? Spacing::InsideParentheses
                                : choose_.OneIn(9) ? Spacing::TabsAroundValues
                                                   : Spacing::Plain;
        std::vector<std::string> groups{
            group("index", {std::to_string(1 + choose_.Below(900))}, spacing),
            group("map", {choose_.Number(120)}, spacing),
            group("area", {std::to_string(k + 1)}, spacing),
            group("max", {std::to_string(1 + choose_.Below(12))}, spacing),
            group("cycle", {std::to_string(30 * (1 + choose_.Below(20)))}, spacing),
        };
        if (choose_.OneIn(20)) {
            groups.push_back(group("xy",
                                   {std::to_string(300000 + choose_.Below(90000)),
                                    std::to_string(100000 + choose_.Below(90000))},
                                   spacing));
        } else {
            groups.push_back(group("rect", corners(), spacing));
            if (choose_.OneIn(30)) {
                groups.push_back(group("rect", corners(), spacing));
            }
        }
        for (const auto& [key, below] : {std::pair<std::string_view, std::size_t>{"removegen", 4},
                                         {"maxgencount", 9},
                                         {"kind", 3},
                                         {"rand", 9000}}) {
            if (choose_.OneIn(8)) {
                groups.push_back(group(key, {choose_.Number(below)}, spacing));
            }
        }

        spawn.text = spacing == Spacing::InsideParentheses ? "( genmonster" : "(genmonster";
        for (const std::string& text : groups) {
            spawn.text += choose_.OneIn(40) ? "\r\n\t" : " ";
            spawn.text += text;
        }
        spawn.text += spacing == Spacing::InsideParentheses ? " )" : ")";
        return spawn;
    }

    SeededChoices choose_;
    std::string bytes_;
    std::vector<GeneratedRecord> spawns_;
};

std::string ReadAndSave(const std::string& bytes) {
    SpawnTable table;
    ParseGenMonster(bytes, table);
    return JoinedLines(GenMonsterLines(table));
}

class GenMonsterLosslessTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(GenMonsterLosslessTest, ASaveKeepsEveryGroup) {
    const SpawnFile file(GetParam(), 3600);
    SpawnTable table;
    const GenMonsterLoad load = ParseGenMonster(file.bytes(), table);
    ASSERT_EQ(load.stored, 3600u);
    EXPECT_TRUE(load.notes.empty());
    const std::vector<std::string> lines = GenMonsterLines(table);
    ASSERT_EQ(lines.size(), 3600u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ExpectGroupsKept(file.spawns()[i], lines[i], NothingAdded);
    }
}

TEST_P(GenMonsterLosslessTest, ReadWriteReadWriteGivesTheSameBytes) {
    const std::string firstSave = ReadAndSave(SpawnFile(GetParam(), 3600).bytes());
    EXPECT_EQ(ReadAndSave(firstSave), firstSave);
}

INSTANTIATE_TEST_SUITE_P(Seeds, GenMonsterLosslessTest, ::testing::Values(1u, 2u));

TEST(GenMonsterLossless, AReadIntoAFilledTableStoresWhatAReadIntoAnEmptyOneDoes) {
    SpawnTable table;
    // Fewer records than the read before, then more: each refilled record drops what it held.
    for (const auto& [seed, count] : {std::pair{1u, 3600u}, {2u, 900u}, {3u, 3600u}}) {
        const SpawnFile file(seed, count);
        ParseGenMonster(file.bytes(), table);
        SpawnTable fresh;
        ParseGenMonster(file.bytes(), fresh);
        ASSERT_EQ(table.size(), fresh.size());
        for (std::size_t i = 0; i < fresh.size(); ++i) {
            EXPECT_TRUE(std::as_const(table)[i] == std::as_const(fresh)[i])
                << "seed " << seed << ", spawn " << i;
        }
    }
}
} // namespace
