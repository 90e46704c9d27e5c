// The InitMonster line is copied piece by piece into a buffer sized once,
// with a different copy for short and long pieces: values of every length
// from 1 to 40 bytes must read back as written.

#include "monsters/InitMonsterReader.h"
#include "monsters/InitMonsterWriter.h"
#include "monsters/MonsterSlots.h"
#include "portals/EtcWriter.h"
#include "records/LineWriter.h"
#include "spawns/GenMonsterWriter.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {
TEST(LineBufferWriterTest, ValuesOfEveryLengthReadBack) {
    for (std::size_t length = 1; length <= 40; ++length) {
        MonsterRecord written;
        for (std::size_t slot = 1; slot < MonsterTable::kSlots; ++slot) {
            const bool unused = slot == 3 || (slot >= 43 && slot <= 48);
            if (!unused) {
                std::string value(length, static_cast<char>('a' + slot % 26));
                value.back() = static_cast<char>('0' + slot % 10); // a misplaced copy shows
                written.fields[slot] = value;
            }
        }
        written[MonsterSlot::Commented] = "0";
        written[MonsterSlot::Skill].clear(); // read only when written after the quest
        written[MonsterSlot::Quest] =
            ' ' + std::string(length * 3, 'q'); // as read: with the space after the key

        const std::string line = InitMonsterLine(written);
        const MonsterRecord read =
            ParseMonsterRecord(std::string_view(line).substr(0, line.size() - 1), false);
        for (std::size_t slot = 0; slot < MonsterTable::kSlots; ++slot) {
            ASSERT_EQ(read.fields[slot], written.fields[slot]) << "length " << length << " slot " << slot;
        }
    }
}

// Every group written, every value after the first written as "0" (surplus
// words follow it), surplus words and kept groups: the most bytes a line
// writes besides its record's own. A line longer than the room its writer
// gave it stops the program (and the sanitized run sees the first byte past it).
template <typename Record>
void FillForTheLongestLine(Record& record, std::initializer_list<std::size_t> firsts) {
    record.fields[0] = "1";
    for (const std::size_t first : firsts) {
        record.fields[first] = "1";
        record.extras.AddSurplus(first, " 9");
    }
    record.extras.kept = {"(x)", "(y 1)"};
}

// A short field is copied from its string's storage at a fixed width.
TEST(LineRoomTest, EveryStringsStorageHoldsAFieldCopy) {
    EXPECT_GE(std::string().capacity() + 1, kLineSpill);
}

TEST(LineRoomTest, LongestLinesOfEveryWriterFitTheirRoom) {
    MonsterRecord monster;
    FillForTheLongestLine(monster, {1,  2,  4,  5,  6,  7,  8,  10, 11, 13, 14, 15, 16, 17,
                                    18, 19, 20, 21, 22, 23, 26, 28, 30, 31, 33, 38, 40});
    monster.extras.kept.push_back("(itemgroup 5 6)");
    SpawnRecord spawn;
    FillForTheLongestLine(spawn, {1, 2, 3, 4, 5, 6});
    GotoRecord gotoRecord;
    FillForTheLongestLine(gotoRecord, {1});
    PortalRecord portal;
    FillForTheLongestLine(portal, {1, 3, 8});

    EXPECT_EQ(
        InitMonsterLine(monster),
        ";(monster (name 1 9) (index 1 9) (country 1 0 0 9) (race 1 9) (level 1 9) (ai 1 9) (range 1 9) "
        "(sight 1 0 9) (exp 1 9) (itemgroup 1 0 9) (itemgroup 1 0 9) (itemgroup 5 6) (str 1 9) (hth 1 9) "
        "(int 1 9) (wis 1 9) (dex 1 9) (hp 1 9) (mp 1 9) (aspeed 1 9) (hit 1 9) (dodge 1 9)(attack 1 0 0 9) "
        "(magic 1 0 9) (defense 1 0 9) (absorb 1 9) (mspeed 1 0 9) (resist 1 0 0 0 0 9) (quest ) (x) (y 1))");
    EXPECT_EQ(
        GenMonsterLine(spawn),
        ";(genmonster (index 1 9) (map 1 9) (area 1 9) (max 1 9) (cycle 1 9) (rect 1 0 0 0 9) (x) (y 1))");
    EXPECT_EQ(GotoLine(gotoRecord), ";(goto 1 0 0 0 0 9 (x) (y 1)) ;");
    EXPECT_EQ(PortalLine(portal), ";(portal (country 1 0 9) (from 1 0 0 0 0 9) (to 1 0 0 0 9) (x) (y 1)) ;");
}
} // namespace
