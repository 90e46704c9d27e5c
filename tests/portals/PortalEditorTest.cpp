#include "portals/PortalEditor.h"
#include "records/FileBytes.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
const std::string kSample = BRENNICK_TEST_DATA "/portals-sample/Etc.txt";

std::vector<std::string> Fields(const PortalRecord& record) {
    return {record.fields.begin(), record.fields.end()};
}

// The Etc.txt of a workspace, edited, with every change the editor commits kept.
struct EditedEtc {
    PortalTable portals;
    GotoTable gotos;
    EtcOtherRecords others;
    std::optional<std::string> read;
    TextEncoding encoding = TextEncoding::Latin1;
    PortalEditor editor{{portals, gotos, others, read, encoding}};
    std::vector<PortalEditor::Change> changes;

    EditedEtc() {
        editor.OnChanged([this](const PortalEditor::Change& change) { changes.push_back(change); });
    }
};

TEST(PortalEditor, AddStoresMapUnitsAndAOneLineComment) {
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
        EditedEtc etc;
        etc.editor.addPortal(c.portal);
        EXPECT_EQ(Fields(RecordAt(etc.portals, 0)), c.stored) << c.name;
        EXPECT_FALSE(RecordAt(etc.portals, 1).present()) << c.name;
    }
}

// A gap is filled field by field, and taking the add back empties it again.
TEST(PortalEditor, AddTakesTheFirstPositionThatHoldsNoPortal) {
    EditedEtc etc;
    RecordAt(etc.portals, 0)[PortalField::Commented] = "0";
    RecordAt(etc.portals, 2)[PortalField::Commented] = "1";
    etc.editor.addPortal({true, 9, {}, 8, {}, "new"});
    EXPECT_EQ(RecordAt(etc.portals, 1)[PortalField::FromMap], "9");
    EXPECT_EQ(RecordAt(etc.portals, 2)[PortalField::FromMap], "");
    ASSERT_EQ(etc.changes.size(), 1u);
    etc.editor.Revert(etc.changes[0]);
    EXPECT_EQ(Fields(RecordAt(etc.portals, 1)), std::vector<std::string>(13));
    EXPECT_EQ(etc.portals.size(), 3u);
}

TEST(PortalEditor, AddToATableWithEveryPositionPresentGrowsIt) {
    EditedEtc etc;
    for (std::size_t i = 0; i < 200; ++i) {
        RecordAt(etc.portals, i)[PortalField::Commented] = "0";
    }
    etc.editor.addPortal(NewPortal{true, 7, {}, 8, {}, "next"});
    EXPECT_EQ(etc.portals.size(), 201u);
    EXPECT_EQ(RecordAt(etc.portals, 200)[PortalField::FromMap], "7");
}

// After a load the new portal ends the table, its list and the saved file;
// taking it back gives the list and the file as read, and a history set
// instead receives the change unapplied.
TEST(PortalEditor, AnAddedPortalFollowsTheLoadedOnesUntilItIsTakenBack) {
    EditedEtc etc;
    etc.editor.loadEtc(kSample);
    EXPECT_EQ(etc.read, ReadWholeFile(kSample));
    const std::vector<PortalListEntry> loaded = etc.editor.listEntries();
    ASSERT_EQ(loaded.size(), 3u);
    EXPECT_EQ(loaded[2], (PortalListEntry{"Portal from map: 1 to map:2   (west) gate; old", 2}));

    etc.editor.selectPortal(1);
    EXPECT_EQ(etc.editor.selectedPortal(), &etc.portals[1]);
    etc.editor.addPortal({true, 7, {}, 8, {}, " new"});
    ASSERT_EQ(etc.changes.size(), 1u);
    EXPECT_EQ(etc.changes[0].kind, ChangeKind::AddPortal);
    EXPECT_EQ(etc.changes[0].appended.size(), 1u);
    EXPECT_EQ(etc.editor.selectedPortal(), nullptr);
    EXPECT_EQ(etc.editor.listEntries().back(), (PortalListEntry{"Portal from map: 7 to map:8   new", 3}));
    const std::string kept = *etc.editor.etcToSave(true).keptLayout;
    EXPECT_NE(kept.find("(west) gate; old\r\n(portal (country 0 2) (from 7 0 0 0 0) (to 8 0 0 0)) ; new\r\n"),
              std::string::npos);

    etc.editor.Revert(etc.changes[0]);
    EXPECT_EQ(etc.editor.listEntries(), loaded);
    EXPECT_EQ(etc.editor.etcToSave(true).keptLayout, etc.read);

    etc.editor.SetHistory([&etc](PortalEditor::Change change) { etc.changes.push_back(std::move(change)); });
    etc.editor.addPortal({});
    EXPECT_EQ(etc.changes.size(), 3u);
    EXPECT_EQ(etc.editor.listEntries(), loaded);
}

TEST(PortalEditor, OnlyAFileReadKeepsItsLayout) {
    EditedEtc etc;
    const EtcSave beforeLoad = etc.editor.etcToSave(true);
    EXPECT_FALSE(beforeLoad.keptLayout);
    EXPECT_EQ(beforeLoad.lines.size(), 4u);
    etc.editor.loadEtc(kSample);
    EXPECT_EQ(etc.editor.etcToSave(true).lines, std::vector<std::string>{});
    const EtcSave regenerated = etc.editor.etcToSave(false);
    EXPECT_FALSE(regenerated.keptLayout);
    EXPECT_EQ(regenerated.lines[1], "(goto 1 1 6412 5230 0) ; capital square");
}
} // namespace
