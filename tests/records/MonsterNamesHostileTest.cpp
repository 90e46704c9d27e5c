#include "monsters/MonsterNameTable.h"
#include "support/HostileInputs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

namespace {
TEST(MonsterNamesHostile, EveryHostileFileLoadsQuickly) {
    auto table = std::make_unique<MonsterNameTable>();
    for (const HostileInput& input : HostileInputs("(monstername 1 \"Giant Rat\")")) {
        const auto start = std::chrono::steady_clock::now();
        const MonsterNamesLoad load = ParseMonsterNames(input.bytes, *table);
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_LE(load.stored, MonsterNameTable::kCapacity) << input.name;
        EXPECT_LT(took, std::chrono::seconds(5)) << input.name;
    }
}
} // namespace
