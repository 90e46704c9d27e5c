#include "portals/EtcReader.h"
#include "support/HostileInputs.h"
#include "support/LoadTiming.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include <unistd.h>

namespace {
constexpr std::string_view kPortal = "(portal (country 0 2) (from 3 10 20 -5 40) (to 5 300 400 0))";
constexpr std::string_view kGoto = "(goto 1 1 6412 5230 0)";

// Whole records each hostile input holds for this reader. A ")" with no group
// open closes nothing, so the unbalanced input's groups never close.
std::size_t recordsIn(const HostileInput& input) {
    return input.name == "Unbalanced" ? 0 : input.records;
}

HostileInput bigInput(std::string_view record) {
    for (HostileInput& input : HostileInputs(record)) {
        if (input.name == "FiftyMegabytes") {
            return std::move(input);
        }
    }
    return {};
}

struct Tables {
    PortalTable portals;
    GotoTable gotos;
};

TEST(EtcHostile, EveryHostilePortalFileLoadsInLinearTimeWithTheRecordsItHolds) {
    auto expected = std::make_unique<Tables>();
    ReadEtc(kPortal, true, expected->portals, expected->gotos);
    ASSERT_EQ(expected->portals[0][PortalRecord::toZ], "0");
    auto tables = std::make_unique<Tables>();
    for (const HostileInput& input : HostileInputs(kPortal)) {
        SCOPED_TRACE(input.name);
        const EtcLoad load = ReadEtc(input.bytes, true, tables->portals, tables->gotos);
        const std::size_t records = recordsIn(input);
        EXPECT_EQ(load.portalsStored, std::min(records, PortalTable::kCapacity));
        EXPECT_EQ(load.portalsLeftOut, records - load.portalsStored);
        EXPECT_EQ(load.gotosStored, 0u);
        if (load.portalsStored > 0 && input.name != "LongValues") {
            EXPECT_EQ(load.valuesLeftOut, 0u);
            EXPECT_EQ(tables->portals[load.portalsStored - 1].fields, expected->portals[0].fields);
        }
        EXPECT_EQ(EtcLoadWarning(load).empty(), !load.leftOutAnything());
        ExpectLinearLoadTime(
            input, [&](std::string_view bytes) { ReadEtc(bytes, true, tables->portals, tables->gotos); });
    }
}

TEST(EtcHostile, EveryHostileGotoFileLoadsInLinearTimeWithTheRecordsItHolds) {
    auto expected = std::make_unique<Tables>();
    ReadEtc(kGoto, true, expected->portals, expected->gotos);
    ASSERT_EQ(expected->gotos[0][GotoRecord::value5], "0");
    auto tables = std::make_unique<Tables>();
    for (const HostileInput& input : HostileInputs(kGoto)) {
        SCOPED_TRACE(input.name);
        const EtcLoad load = ReadEtc(input.bytes, true, tables->portals, tables->gotos);
        const std::size_t records = recordsIn(input);
        EXPECT_EQ(load.gotosStored, std::min(records, GotoTable::kCapacity));
        EXPECT_EQ(load.gotosLeftOut, records - load.gotosStored);
        if (load.gotosStored > 0 && input.name != "LongValues") {
            EXPECT_EQ(tables->gotos[load.gotosStored - 1].fields, expected->gotos[0].fields);
        }
        ExpectLinearLoadTime(
            input, [&](std::string_view bytes) { ReadEtc(bytes, true, tables->portals, tables->gotos); });
    }
}

TEST(EtcHostile, ABigFileIsReadOnlyUpToTheByteLimit) {
    const HostileInput big = bigInput(kGoto);
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("brennick-etc-" + std::to_string(::getpid()) + ".txt");
    std::ofstream(path, std::ios::binary) << big.bytes;
    auto tables = std::make_unique<Tables>();
    const EtcLoad load = LoadEtcFile(path.string(), tables->portals, tables->gotos);
    std::filesystem::remove(path);

    EXPECT_TRUE(load.bytesLeftOut);
    EXPECT_EQ(load.gotosStored, GotoTable::kCapacity);
    EXPECT_EQ(load.gotosLeftOut, kEtcByteLimit / (kGoto.size() + 2) - GotoTable::kCapacity);
    EXPECT_NE(EtcLoadWarning(load).find("everything after the first 1,000,000 bytes"), std::string::npos);
}
} // namespace
