#pragma once

#include "monsters/MonsterNameTable.h"
#include "monsters/MonsterTable.h"
#include "portals/PortalTable.h"
#include "spawns/SpawnTable.h"

#include <cstddef>
#include <memory>
#include <string>

// Tables and files filled to the capacity of every table, with every key of
// every record, for measuring the readers, the writers and the pages.
namespace capacity {

// Monsters of InitMonster.txt with every slot filled; monster k (from 0) has
// the name number k % 401 + 1.
std::unique_ptr<MonsterTable> Monsters();

// 401 names: "(monstername k "Monster k")".
std::unique_ptr<MonsterNameTable> MonsterNames();

// Spawns on the world map, areas 1 to 3001. The first `kManyAreas` spawns
// belong to monster 1; the others go round monsters 2 to 401.
inline constexpr std::size_t kManyAreas = 500;
std::unique_ptr<SpawnTable> Spawns();

// 51 portals and 101 gotos, each with a trailing comment.
std::unique_ptr<PortalTable> Portals();
std::unique_ptr<GotoTable> Gotos();

// The file bytes of the tables above, lines ended by CR LF.
std::string InitMonsterBytes(const MonsterTable& monsters);
std::string MonsterNameBytes();
std::string GenMonsterBytes(const SpawnTable& spawns);
std::string EtcBytes(const GotoTable& gotos, const PortalTable& portals);

// 1001 items with every key of InitItem.txt; item k (from 0) has the name
// number k + 1, and its class and type go round every class and type.
std::string InitItemBytes();

// 1001 names: "(itemname k "Item k")".
std::string ItemNameBytes();

} // namespace capacity
