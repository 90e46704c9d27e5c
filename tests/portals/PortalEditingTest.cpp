#include "portals/PortalEditing.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::vector<std::string> Fields(const PortalRecord& record) {
    return {record.fields.begin(), record.fields.end()};
}

TEST(AddPortal, StoresMapUnitsAndAOneLineComment) {
    struct Case {
        const char* name;
        NewPortal portal;
        std::vector<std::string> stored;
    };
    const std::vector<Case> cases{
        {"CornersTruncateTowardZero",
         {false, 3, {6400, 6431, -40, -33}, 5, {300, -400, 0}, " gate"},
         {"1", "0", "2", "3", "200", "200", "-1", "-1", "5", "300", "-400", "0", " gate"}},
        {"LineBreaksLeaveTheComment",
         {true, -2, {31, 32, 2147483647, -2147483647 - 1}, 0, {1, 2, 3}, "(west)\r\n; cave\n"},
         {"0", "0", "2", "-2", "0", "1", "67108863", "-67108864", "0", "1", "2", "3", "(west); cave"}},
    };
    for (const Case& c : cases) {
        PortalTable portals;
        AddPortal(portals, c.portal);
        EXPECT_EQ(Fields(RecordAt(portals, 0)), c.stored) << c.name;
        EXPECT_FALSE(RecordAt(portals, 1).present()) << c.name;
    }
}

TEST(AddPortal, TakesTheFirstPositionThatHoldsNoPortal) {
    PortalTable portals;
    RecordAt(portals, 0)[PortalRecord::commented] = "0";
    RecordAt(portals, 2)[PortalRecord::commented] = "1";
    const NewPortal portal{true, 9, {}, 8, {}, "new"};
    AddPortal(portals, portal);
    EXPECT_EQ(RecordAt(portals, 1)[PortalRecord::fromMap], "9");
    EXPECT_EQ(RecordAt(portals, 2)[PortalRecord::fromMap], "");
}

TEST(AddPortal, ATableWithEveryPositionPresentGrows) {
    PortalTable portals;
    for (std::size_t i = 0; i < 200; ++i) {
        RecordAt(portals, i)[PortalRecord::commented] = "0";
    }
    AddPortal(portals, NewPortal{true, 7, {}, 8, {}, "next"});
    EXPECT_EQ(portals.size(), 201u);
    EXPECT_EQ(RecordAt(portals, 200)[PortalRecord::fromMap], "7");
}
} // namespace
