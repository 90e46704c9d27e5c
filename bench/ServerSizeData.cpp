#include "ServerSizeData.h"

#include "items/ItemNameTable.h"
#include "items/ItemTable.h"
#include "monsters/InitMonsterWriter.h"
#include "monsters/MonsterNamesReader.h"
#include "monsters/MonsterSlots.h"
#include "portals/EtcWriter.h"
#include "spawns/GenMonsterReader.h"
#include "spawns/GenMonsterWriter.h"

#include <array>
#include <string_view>

namespace server_size {
namespace {
std::string num(std::size_t value) {
    return std::to_string(value);
}

void appendLine(std::string& bytes, std::string_view line) {
    bytes += line;
    bytes += "\r\n";
}
} // namespace

std::unique_ptr<MonsterTable> Monsters() {
    auto table = std::make_unique<MonsterTable>();
    for (std::size_t k = 0; k < kMonsters; ++k) {
        MonsterRecord& record = table->Append();
        for (std::size_t slot = 0; slot < MonsterTable::kSlots; ++slot) {
            record.fields[slot] = num(k % 97 + slot + 2);
        }
        record[MonsterSlot::Commented] = k % 10 == 9 ? "1" : "0";
        record[MonsterSlot::Name] = num(k % kMonsterNames + 1);
        record[MonsterSlot::Index] = num(k + 1);
        record[MonsterSlot::Race] = num(k % 5);
        record[MonsterSlot::Ai] = num(k % 2 + 1);
        record[MonsterSlot::RangeAttack] = num(k % 2);
        record[MonsterSlot::Exp] = num(100 + 37 * k);
        record[MonsterSlot::Skill] = "(1 " + num(k) + " 3) (2 " + num(k + 1) + " 4)";
        record[MonsterSlot::Quest] = num(k % 40) + " " + num(k % 7);
        record.extras.AddSurplus(SlotNumber(MonsterSlot::Country), " " + num(k % 4));
        record.extras.kept = {"(itemgroup " + num(3000 + k) + " 1)", "(regen " + num(k % 9) + " 2)"};
    }
    return table;
}

std::unique_ptr<MonsterNameTable> MonsterNames() {
    auto table = std::make_unique<MonsterNameTable>();
    ParseMonsterNames(MonsterNameBytes(), *table);
    return table;
}

std::unique_ptr<SpawnTable> Spawns() {
    auto table = std::make_unique<SpawnTable>();
    for (std::size_t k = 0; k < kSpawns; ++k) {
        SpawnRecord& record = table->Append();
        // Rectangles of 20 to 60 map units and a spawn point now and then, all on the world map's picture.
        const std::size_t x1 = 6700 + (k * 37) % 900;
        const std::size_t y2 = 10200 - (k * 53) % 900;
        const std::size_t width = k % 9 == 0 ? 0 : 20 + k % 41;
        const std::size_t height = k % 9 == 0 ? 0 : 20 + k % 43;
        record[SpawnField::Commented] = k % 11 == 10 ? "1" : "0";
        record[SpawnField::Index] = num(k < kManyAreas ? 1 : 2 + k % (kMonsterNames - 1));
        record[SpawnField::Map] = "0";
        record[SpawnField::Area] = num(k + 1);
        record[SpawnField::Max] = num(1 + k % 12);
        record[SpawnField::Cycle] = num(30 * (1 + k % 20));
        record[SpawnField::X1] = num(x1);
        record[SpawnField::Y1] = num(y2 - height);
        record[SpawnField::X2] = num(x1 + width);
        record[SpawnField::Y2] = num(y2);
        record.extras.kept = {"(maxgencount " + num(k % 5) + ")"};
    }
    return table;
}

std::unique_ptr<PortalTable> Portals() {
    auto table = std::make_unique<PortalTable>();
    for (std::size_t k = 0; k < kPortals; ++k) {
        PortalRecord& portal = table->Append();
        const std::array<std::string, PortalRecord::kFieldCount> fields{k % 8 == 7 ? "1" : "0",
                                                                        num(k % 3),
                                                                        num(2),
                                                                        num(k % 5),
                                                                        num(6400 + k),
                                                                        num(5200 + k),
                                                                        num(6420 + k),
                                                                        num(5222 + k),
                                                                        num((k + 1) % 5),
                                                                        num(2205 + 3 * k),
                                                                        num(1866 + k),
                                                                        num(k % 13),
                                                                        " portal " + num(k) +
                                                                            " (to the next map)"};
        portal.fields = fields;
    }
    return table;
}

std::unique_ptr<GotoTable> Gotos() {
    auto table = std::make_unique<GotoTable>();
    for (std::size_t k = 0; k < kGotos; ++k) {
        GotoRecord& point = table->Append();
        point.fields = {k % 6 == 5 ? "1" : "0", num(k + 1),    num(k % 5),
                        num(6412 + k),          num(5230 + k), num(k % 12),
                        " goto point " + num(k)};
    }
    return table;
}

std::string InitMonsterBytes(const MonsterTable& monsters) {
    std::string bytes = "; InitMonster.txt of a large server\r\n";
    for (std::size_t k = 0; k < monsters.size(); ++k) {
        appendLine(bytes, InitMonsterLine(monsters[k]));
    }
    return bytes;
}

std::string MonsterNameBytes() {
    std::string bytes = "; monster names\r\n";
    for (std::size_t k = 1; k <= kMonsterNames; ++k) {
        appendLine(bytes, "(monstername " + num(k) + " \"Monster " + num(k) + "\")");
    }
    return bytes;
}

std::string GenMonsterBytes(const SpawnTable& spawns) {
    std::string bytes = "; spawns\r\n";
    for (const std::string& line : GenMonsterLines(spawns)) {
        appendLine(bytes, line);
    }
    return bytes;
}

std::string EtcBytes(const GotoTable& gotos, const PortalTable& portals) {
    std::string bytes;
    for (const std::string& line : EtcLines(gotos, portals, {})) {
        appendLine(bytes, line);
    }
    return bytes;
}

std::string InitItemBytes() {
    static constexpr std::array<std::string_view, 4> kClasses{"archer", "Knight", "mage", "all"};
    static constexpr std::array<std::string_view, 4> kWeapons{"bow", "sword", "wand", "weapon"};
    static constexpr std::array<std::string_view, 6> kArmour{"helmet",     "upperarmor", "gauntlet",
                                                             "lowerarmor", "boots",      "shield"};
    std::string bytes = "; InitItem.txt of a large server\r\n";
    for (std::size_t k = 0; k < kItems; ++k) {
        const std::size_t classPosition = k / 2 % 4;
        const bool weapon = k % 2 == 0;
        const std::string category = weapon ? "weapon" : "defense";
        const std::string kind(weapon ? kWeapons[classPosition] : kArmour[k / 8 % 6]);
        const std::string n = num(k + 1);
        std::string line =
            "(item (name " + n + ") (Index " + num(1000 + k) + ") (Image \"items\\" + kind + n +
            ".bmp\") (Action 1 " + n + ") (desc " + n + ") (class " + category + " " + kind + ") (code " + n +
            " 0 1 0) (country 0 1 2) (level " + num(k % 80 + 1) +
            ") (wear 1) (use 1) (plural 0) (pay 1) (cooltime " + num(k % 5) + ") (limit " +
            std::string(kClasses[classPosition]) + " " + num(k % 60) + ") (range " + num(k % 3) + ") (buy " +
            num(100 * (k + 1)) + ") (sell " + num(25 * (k + 1)) + ") (endurance " + num(50 + k % 50) +
            ") (maxprotect " + num(k % 9) + ") (efect " + num(k % 4) + ") (specialty (aspeed " + num(k % 7) +
            ") (Str 1) (Hth 2) (Wis 3) (Dex 4) "
            "(Int 5) (hp " +
            num(k % 90) + ") (mp " + num(k % 70) + ") (Attack " + num(k % 30) + " " + num(k % 30 + 8) +
            ") (Magic " + num(k % 20) + " " + num(k % 20 + 5) + ") (hit 6) (defense " + num(k % 40) +
            ") (dodge 7) (absorb 8) (resistfire 1) "
            "(resistice 2) (resistlitning 3) (resistcurse 4) (resistpalsy 5) (refresh hp 30) "
            "(buff 3 20 60) (revival 1) (Changeprefix 2) (charming 3) (teleport 4) (mspeed 9) "
            "(gstate 2)) (repair) (protect))";
        appendLine(bytes, line);
    }
    return bytes;
}

std::string ItemNameBytes() {
    std::string bytes;
    for (std::size_t k = 1; k <= kItems; ++k) {
        appendLine(bytes, "(itemname " + num(k) + " \"Item " + num(k) + "\")");
    }
    return bytes;
}

} // namespace server_size
