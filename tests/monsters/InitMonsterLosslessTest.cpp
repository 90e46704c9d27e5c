#include "monsters/InitMonsterReader.h"
#include "monsters/InitMonsterWriter.h"

#include "support/SavedGroups.h"
#include "support/SeededChoices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {
// An InitMonster.txt as large servers have it: comment lines, records over
// several lines, 2 to 4 item groups, surplus values, keys out of the order
// the reader searches them, groups of keys the editor does not know, tabs
// and doubled blanks.
class MonsterFile {
  public:
    MonsterFile(unsigned seed, std::size_t count) : choose_(seed) {
        bytes_ = "; InitMonster.txt\r\n\r\n";
        for (std::size_t k = 0; k < count; ++k) {
            if (choose_.OneIn(40)) {
                bytes_ += choose_.OneOf({"; --- bosses ---", "; a stray ) in a note", "// (old) drops"});
                bytes_ += "\r\n";
            }
            monsters_.push_back(monster(k));
            bytes_ += monsters_.back().line() + "\r\n";
        }
    }

    const std::string& bytes() const { return bytes_; }
    const std::vector<GeneratedRecord>& monsters() const { return monsters_; }

  private:
    // "(key v1 v2 ...)" with the blanks of server files, now and then also
    // right inside the parentheses.
    std::string group(std::string_view key, const std::vector<std::string>& values) {
        const bool spaced = choose_.OneIn(30);
        std::string text = spaced ? "( " : "(";
        text += key;
        for (const std::string& value : values) {
            text += choose_.Blank();
            text += value;
        }
        return text + (spaced ? " )" : ")");
    }

    std::vector<std::string> numbers(std::size_t count, std::size_t below) {
        std::vector<std::string> values;
        for (std::size_t i = 0; i < count; ++i) {
            values.push_back(choose_.Number(below));
        }
        return values;
    }

    // A group the line writes only when it has a first value: now and then
    // left out of the record, now and then without a value (dropped by a save,
    // as is an `itemgroup` whose first value is "0").
    void optional(std::string_view key, std::size_t count, std::vector<std::string>& groups,
                  GeneratedRecord& monster) {
        if (choose_.OneIn(6)) {
            return;
        }
        if (choose_.OneIn(12)) {
            groups.push_back("(" + std::string(key) + ")");
            monster.dropped.push_back(groups.back());
            return;
        }
        groups.push_back(group(key, numbers(count, 2000)));
    }

    void itemGroups(std::vector<std::string>& groups, GeneratedRecord& monster) {
        const std::size_t count = 2 + choose_.Below(3);
        for (std::size_t i = 0; i < count; ++i) {
            // Only the first two item groups have slots; a later one is kept as it stands.
            if (i < 2 && choose_.OneIn(5)) {
                groups.push_back(group("itemgroup", {"0", choose_.Number(5)}));
                monster.dropped.push_back(TidyGroup(groups.back()));
            } else {
                groups.push_back(group("itemgroup", {std::to_string(100 + choose_.Below(4000)), "1"}));
            }
        }
    }

    GeneratedRecord monster(std::size_t k) {
        GeneratedRecord monster;
        monster.commented = choose_.OneIn(10);
        const std::string number = std::to_string(k + 1);
        std::vector<std::string> groups{group("name", {number}), group("index", {number})};
        if (choose_.OneIn(20)) {
            std::swap(groups[0], groups[1]);
        }
        groups.push_back(group("country", numbers(1 + choose_.Below(4), 3))); // a fourth value is surplus
        groups.push_back(group("race", numbers(1, 12)));
        const bool aiAfterRace = choose_.OneIn(3);
        if (aiAfterRace) {
            groups.push_back(group("ai", {"2"}));
        }
        groups.push_back(group("level", numbers(1, 100)));
        if (!aiAfterRace) {
            optional("ai", 1, groups, monster);
        }
        optional("range", 1, groups, monster);
        optional("sight", 1 + choose_.Below(2), groups, monster);
        optional("exp", 1, groups, monster);
        itemGroups(groups, monster);
        for (const std::string_view key :
             {"str", "hth", "int", "wis", "dex", "hp", "mp", "aspeed", "hit", "dodge"}) {
            optional(key, 1, groups, monster);
        }
        optional("attack", 3, groups, monster);
        optional("magic", 1 + choose_.Below(2), groups, monster);
        optional("defense", 2 + choose_.Below(2), groups, monster); // a third value is surplus
        optional("absorb", 1, groups, monster);
        optional("mspeed", 2, groups, monster);
        const std::size_t resist = groups.size();
        optional("resist", 5 + choose_.Below(2), groups, monster); // a sixth value is surplus
        if (choose_.OneIn(3)) {
            groups.push_back(group("skill", numbers(2, 9)));
        }
        const std::string_view quest =
            choose_.OneOf({"", "(quest)", "(quest )", "(quest (3 1) (4 1))", "(quest\t(7 2))"});
        if (!quest.empty()) {
            groups.insert(choose_.OneIn(10) ? groups.begin() + static_cast<std::ptrdiff_t>(resist)
                                            : groups.end(),
                          std::string(quest));
        }
        if (aiAfterRace && choose_.OneIn(10)) {
            groups.push_back(group("ai", {"1"})); // a second `ai`, kept
        }
        if (choose_.OneIn(3)) {
            groups.push_back(group("regen", {choose_.Number(9), "2"}));
        }
        if (choose_.OneIn(8)) {
            groups.emplace_back(choose_.OneOf({"(boss)", "(drop (1 2) (3\t4))", "(family  3)"}));
        }

        monster.text = choose_.OneIn(30) ? "( monster" : "(monster";
        for (const std::string& text : groups) {
            monster.text += choose_.OneIn(8) ? "\r\n\t" : choose_.OneIn(25) ? "" : " ";
            monster.text += text;
        }
        monster.text += ")";
        return monster;
    }

    SeededChoices choose_;
    std::string bytes_;
    std::vector<GeneratedRecord> monsters_;
};

std::string Saved(const MonsterTable& table) {
    return JoinedLines(InitMonsterLines(table));
}

std::string ReadAndSave(const std::string& bytes) {
    MonsterTable table;
    ParseInitMonster(bytes, table);
    return Saved(table);
}

// The pieces a line always writes, as a save adds them to a record without them.
bool IsEmptyPiece(std::string_view group) {
    return group == "(country)" || group == "(race)" || group == "(level)" || group == "(quest)";
}

class InitMonsterLosslessTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(InitMonsterLosslessTest, ASaveKeepsEveryGroupButThoseDroppedOnPurpose) {
    const MonsterFile file(GetParam(), 900);
    MonsterTable table;
    ASSERT_EQ(ParseInitMonster(file.bytes(), table).stored, 900u);
    const std::vector<std::string> lines = SavedLines(Saved(table));
    ASSERT_EQ(lines.size(), 900u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ExpectGroupsKept(file.monsters()[i], lines[i], IsEmptyPiece);
    }
}

TEST_P(InitMonsterLosslessTest, ReadWriteReadWriteGivesTheSameBytes) {
    const std::string firstSave = ReadAndSave(MonsterFile(GetParam(), 900).bytes());
    EXPECT_EQ(ReadAndSave(firstSave), firstSave);
}

INSTANTIATE_TEST_SUITE_P(Seeds, InitMonsterLosslessTest, ::testing::Values(1u, 2u));
} // namespace
