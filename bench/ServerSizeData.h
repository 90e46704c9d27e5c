#pragma once

#include "monsters/MonsterNameTable.h"
#include "monsters/MonsterTable.h"
#include "portals/PortalTable.h"
#include "spawns/SpawnTable.h"

#include <cstddef>
#include <memory>
#include <string>

// Tables and files of the size of a large server's, with every key of every
// record, for measuring the readers, the writers and the pages.
namespace server_size {

inline constexpr std::size_t kMonsters = 920;
inline constexpr std::size_t kMonsterNames = 920;
inline constexpr std::size_t kSpawns = 3600;
inline constexpr std::size_t kItems = 4000;
inline constexpr std::size_t kPortals = 200;
inline constexpr std::size_t kGotos = 200;

// Monsters of InitMonster.txt with every slot filled, a third item group, a
// surplus value and a group of a key the editor does not know; monster k
// (from 0) has the name number k % kMonsterNames + 1.
std::unique_ptr<MonsterTable> Monsters();

// "(monstername k "Monster k")" for k from 1 to kMonsterNames.
std::unique_ptr<MonsterNameTable> MonsterNames();

// Spawns on the world map, areas 1 to kSpawns, each with a group the editor
// does not know. The first `kManyAreas` spawns belong to monster 1; the
// others go round the other monsters.
inline constexpr std::size_t kManyAreas = 500;
std::unique_ptr<SpawnTable> Spawns();

// Portals and gotos, each with a trailing comment.
std::unique_ptr<PortalTable> Portals();
std::unique_ptr<GotoTable> Gotos();

// The file bytes of the tables above, lines ended by CR LF.
std::string InitMonsterBytes(const MonsterTable& monsters);
std::string MonsterNameBytes();
std::string GenMonsterBytes(const SpawnTable& spawns);
std::string EtcBytes(const GotoTable& gotos, const PortalTable& portals);

// kItems items with every key of InitItem.txt; item k (from 0) has the name
// number k + 1, and its class and type go round every class and type.
std::string InitItemBytes();

// "(itemname k "Item k")" for k from 1 to kItems.
std::string ItemNameBytes();

} // namespace server_size
