#include "portals/EtcReader.h"
#include "support/HostileInputs.h"
#include "support/LoadTiming.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <string>

namespace {
constexpr std::string_view kPortal = "(portal (country 0 2) (from 3 10 20 -5 40) (to 5 300 400 0))";
constexpr std::string_view kGoto = "(goto 1 1 6412 5230 0)";

struct Tables {
    PortalTable portals;
    GotoTable gotos;
    EtcOtherRecords others;

    EtcLoad read(std::string_view bytes) { return ReadEtc(bytes, portals, gotos, others); }
};

TEST(EtcHostile, EveryHostilePortalFileLoadsInLinearTimeWithTheRecordsItHolds) {
    Tables expected;
    expected.read(kPortal);
    ASSERT_EQ(RecordAt(expected.portals, 0)[PortalField::ToZ], "0");
    Tables tables;
    for (const HostileInput& input : HostileInputs(kPortal)) {
        SCOPED_TRACE(input.name);
        const EtcLoad load = tables.read(input.bytes);
        EXPECT_EQ(load.portalsStored, input.records);
        EXPECT_EQ(load.gotosStored, 0u);
        if (load.portalsStored > 0 && input.name != "LongValues") {
            EXPECT_EQ(RecordAt(tables.portals, load.portalsStored - 1), RecordAt(expected.portals, 0));
        }
        ExpectLinearLoadTime(input, [&](std::string_view bytes) { tables.read(bytes); });
    }
}

TEST(EtcHostile, EveryHostileGotoFileLoadsInLinearTimeWithTheRecordsItHolds) {
    Tables expected;
    expected.read(kGoto);
    ASSERT_EQ(RecordAt(expected.gotos, 0)[GotoField::Value5], "0");
    Tables tables;
    for (const HostileInput& input : HostileInputs(kGoto)) {
        SCOPED_TRACE(input.name);
        const EtcLoad load = tables.read(input.bytes);
        EXPECT_EQ(load.gotosStored, input.records);
        if (load.gotosStored > 0 && input.name != "LongValues") {
            EXPECT_EQ(RecordAt(tables.gotos, load.gotosStored - 1), RecordAt(expected.gotos, 0));
        }
        ExpectLinearLoadTime(input, [&](std::string_view bytes) { tables.read(bytes); });
    }
}
} // namespace
