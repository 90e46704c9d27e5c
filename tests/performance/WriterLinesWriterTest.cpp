// The InitMonster line is copied piece by piece into a buffer sized once,
// with a different copy for short and long pieces: values of every length
// from 1 to 40 bytes must read back as written.

#include "monsters/InitMonsterReader.h"
#include "monsters/InitMonsterWriter.h"
#include "monsters/MonsterSlots.h"

#include <gtest/gtest.h>

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
} // namespace
