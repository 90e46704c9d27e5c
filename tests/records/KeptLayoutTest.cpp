#include "monsters/ExperienceChange.h"
#include "monsters/InitMonsterReader.h"
#include "monsters/InitMonsterWriter.h"
#include "monsters/MonsterSlots.h"
#include "portals/EtcReader.h"
#include "portals/EtcWriter.h"
#include "portals/NewPortal.h"
#include "records/TableEditor.h"
#include "spawns/GenMonsterReader.h"
#include "spawns/GenMonsterWriter.h"

#include "support/SavedGroups.h"
#include "support/SeededChoices.h"
#include "support/TableRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <ranges>
#include <string>
#include <vector>

namespace {
enum class Kind { InitMonster, GenMonster, Etc };

struct Tables {
    MonsterTable monsters;
    SpawnTable spawns;
    GotoTable gotos;
    PortalTable portals;
    EtcOtherRecords others;

    void read(Kind kind, std::string_view bytes) {
        kind == Kind::InitMonster  ? (void)ParseInitMonster(bytes, monsters)
        : kind == Kind::GenMonster ? (void)ParseGenMonster(bytes, spawns)
                                   : (void)ReadEtc(bytes, portals, gotos, others);
    }
    std::string kept(Kind kind, std::string_view read) const {
        return kind == Kind::InitMonster  ? InitMonsterKeepingLayout(read, monsters)
               : kind == Kind::GenMonster ? GenMonsterKeepingLayout(read, spawns)
                                          : EtcKeepingLayout(read, gotos, portals);
    }
    std::string regenerated(Kind kind) const {
        return JoinedLines(kind == Kind::InitMonster  ? InitMonsterLines(monsters)
                           : kind == Kind::GenMonster ? GenMonsterLines(spawns)
                                                      : EtcLines(gotos, portals, others));
    }
};

// What the regenerating save writes after reading `bytes`.
std::string readAndRegenerate(Kind kind, std::string_view bytes) {
    Tables tables;
    tables.read(kind, bytes);
    return tables.regenerated(kind);
}

void addSpawn(SpawnTable& spawns, const std::string& area) {
    SpawnRecord& spawn = RecordAt(spawns, spawns.FirstFreePosition());
    spawn.fields = {"0", "4", "0", area, "5", "300", "1", "2", "3", "4"};
}

struct KeptCase {
    const char* name;
    Kind kind;
    std::string read;
    std::function<void(Tables&)> edit;
    std::string saved;
};

class KeptLayoutTest : public ::testing::TestWithParam<KeptCase> {};

TEST_P(KeptLayoutTest, ChangesOnlyWhatChanged) {
    const KeptCase& c = GetParam();
    Tables tables;
    tables.read(c.kind, c.read);
    c.edit(tables);
    EXPECT_EQ(tables.kept(c.kind, c.read), c.saved);
}

const std::string kBanner = "\xEF\xBB\xBF; monsters (lv 1-9\n\n";
const std::string kSpawn = "(genmonster (index 1) (map 0) (area 1) (max 5) (cycle 300) (rect 1 2 3 4))";

INSTANTIATE_TEST_SUITE_P(
    Shapes, KeptLayoutTest,
    ::testing::Values(
        KeptCase{"EditedLevelReplacesItsRecordOnly", Kind::InitMonster,
                 kBanner + "(monster (name 1)\n  (level 5)) ; rat)\n;\t(monster (name 2) (level 7))\n; end)",
                 [](Tables& t) {
                     RecordAt(t.monsters, 0)[MonsterSlot::Level] = "6";
                     RecordAt(t.monsters, 1)[MonsterSlot::Level] = "7";
                 },
                 kBanner +
                     "(monster (name 1) (index ) (country ) (race ) (level 6) (quest )) ; rat)\n;\t(monster "
                     "(name 2) (level 7))\n; end)"},
        KeptCase{
            "AddedSpawnFollowsTheLineOfTheOneBefore", Kind::GenMonster, kSpawn + " ; a (note\r\n; tail\r\n",
            [](Tables& t) { addSpawn(t.spawns, "2"); },
            kSpawn + " ; a (note\r\n" +
                "(genmonster (index 4) (map 0) (area 2) (max 5) (cycle 300) (rect 1 2 3 4))\r\n; tail\r\n"},
        KeptCase{"AddedSpawnEndsAFileWithoutRecordsOrFinalLineEnd", Kind::GenMonster, "; none yet",
                 [](Tables& t) { addSpawn(t.spawns, "1"); },
                 "; none yet\r\n(genmonster (index 4) (map 0) (area 1) (max 5) (cycle 300) (rect 1 2 3 4))"},
        KeptCase{"ChangedGotoTakesItsCommentAndLeavesTheRestOfItsLine", Kind::Etc,
                 "(goto 1 2 3 4 5)  ; gate (old\n(goto 6 7 8 9 10) (event 1)\n; (goto 0 0 0 0 0)\n",
                 [](Tables& t) {
                     RecordAt(t.gotos, 0)[GotoField::Value1] = "9";
                     RecordAt(t.gotos, 1)[GotoField::Value1] = "0";
                 },
                 "(goto 9 2 3 4 5) ; gate (old\n(goto 0 7 8 9 10) ;\n (event 1)\n; (goto 0 0 0 0 0)\n"},
        KeptCase{
            "AddedPortalFollowsTheLastPortal", Kind::Etc,
            "(portal (country 0 2) (from 1 1 1 1 1) (to 1 1 1 1)) ; a\n(goto 1 2 3 4 5)\n",
            [](Tables& t) { t.portals.Append(NewPortalRecord({.on = true, .comment = " b"})); },
            "(portal (country 0 2) (from 1 1 1 1 1) (to 1 1 1 1)) ; a\n(portal (country 0 2) (from 0 0 0 0 "
            "0) (to 0 0 0 0)) ; b\n(goto 1 2 3 4 5)\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Files of every kind as servers have them: comment lines with unbalanced
// parentheses, blank lines, trailing comments, commented-out records with and
// without blanks after the ";", CR LF or LF, now and then a byte order mark
// and no final line end; one record a line.
std::string generatedFile(Kind kind, SeededChoices& choose) {
    const std::string_view end = choose.OneIn(2) ? "\r\n" : "\n";
    std::string bytes = choose.OneIn(3) ? "\xEF\xBB\xBF" : "";
    for (std::size_t k = 1; k <= 60; ++k) {
        if (choose.OneIn(5)) {
            bytes += std::string(choose.OneOf({"; orcs (lv 10-20", "; end)", "", ";;(old"})) += end;
        }
        bytes += choose.OneOf({"", "", "", ";", "; ", ";\t"});
        const std::string n = std::to_string(k);
        bytes += kind == Kind::InitMonster
                     ? "(monster (name " + n + ")" + std::string(choose.Blank()) + "(index " + n +
                           ") (level " + choose.Number(99) + ") (exp " + choose.Number(999) + "))"
                 : kind == Kind::GenMonster
                     ? "(genmonster (index " + n + ") (map 0) (area " + n + ")" +
                           std::string(choose.Blank()) + "(max 5) (cycle 9) (rect 1 2 3 " + n + "))"
                 : choose.OneIn(2) ? "(goto " + n + " 2" + std::string(choose.Blank()) + "3 4 5)"
                                   : "(portal (country 0 2) (from 1 2 3 4 " + n + ") (to 1 2 3 4))";
        bytes += choose.OneOf({"", " ; gate (old", "\t;note)"});
        bytes += end;
    }
    if (choose.OneIn(3)) {
        bytes.resize(bytes.size() - end.size());
    }
    return bytes;
}

// A field edit, the experience change, or an added spawn or portal.
void randomEdit(Kind kind, Tables& t, SeededChoices& choose) {
    const std::string value = choose.Number(50);
    const bool add = choose.OneIn(4);
    if (kind == Kind::InitMonster && add) {
        TableEditor<MonsterRecord>(t.monsters).Apply(ComputeExpChange(t.monsters, ExpOperation::Add, 7));
    } else if (kind == Kind::InitMonster) {
        RecordAt(t.monsters,
                 choose.Below(t.monsters.size()))[choose.OneIn(2) ? MonsterSlot::Level : MonsterSlot::Exp] =
            value;
    } else if (kind == Kind::GenMonster && add) {
        addSpawn(t.spawns, "new" + value);
    } else if (kind == Kind::GenMonster) {
        RecordAt(t.spawns, choose.Below(t.spawns.size()))
            .fields[static_cast<std::size_t>(SpawnField::Max) + choose.Below(6)] = value;
    } else if (add) {
        t.portals.Append(NewPortalRecord({.fromMap = 2, .comment = " new " + value}));
    } else if (choose.OneIn(2)) {
        RecordAt(t.gotos, choose.Below(t.gotos.size()))[GotoField::Value5] = value;
    } else {
        RecordAt(t.portals, choose.Below(t.portals.size()))[PortalField::ToZ] = value;
    }
}

// The lines of a file, sorted, without their line ends.
std::vector<std::string> sortedLines(std::string bytes) {
    std::erase(bytes, '\r');
    std::vector<std::string> lines;
    for (const auto line : std::views::split(bytes, '\n')) {
        lines.emplace_back(line.begin(), line.end());
    }
    std::ranges::sort(lines);
    return lines;
}

class KeptLayoutPropertyTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(KeptLayoutPropertyTest, KeepsTheFileAndChangesOnlyTheLinesOfWhatChanged) {
    SeededChoices choose(GetParam());
    for (const Kind kind : {Kind::InitMonster, Kind::GenMonster, Kind::Etc}) {
        const std::string read = generatedFile(kind, choose);
        Tables tables;
        tables.read(kind, read);
        ASSERT_EQ(tables.kept(kind, read), read);

        // The generated files hold no other Etc records: added portals end the lines of a save.
        const std::vector<std::string> before = SavedLines(tables.regenerated(kind));
        for (std::size_t edits = 1 + choose.Below(6); edits > 0; --edits) {
            randomEdit(kind, tables, choose);
        }
        const std::string kept = tables.kept(kind, read);
        EXPECT_EQ(readAndRegenerate(kind, kept), readAndRegenerate(kind, tables.regenerated(kind)));

        // One line for each record whose line changed, one more for each record added.
        const std::vector<std::string> after = SavedLines(tables.regenerated(kind));
        std::size_t expected = after.size() - before.size();
        for (std::size_t i = 0; i < before.size(); ++i) {
            expected += before[i] != after[i];
        }
        const std::vector<std::string> readLines = sortedLines(read);
        const std::vector<std::string> keptLines = sortedLines(kept);
        std::vector<std::string> newLines;
        std::ranges::set_difference(keptLines, readLines, std::back_inserter(newLines));
        EXPECT_EQ(newLines.size(), expected);
        EXPECT_EQ(keptLines.size() - readLines.size(), after.size() - before.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, KeptLayoutPropertyTest, ::testing::Range(1u, 41u));
} // namespace
