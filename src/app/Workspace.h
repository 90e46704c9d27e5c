#pragma once

#include "items/ItemNameTable.h"
#include "items/ItemTable.h"
#include "monsters/MonsterNameTable.h"
#include "monsters/MonsterTable.h"
#include "portals/PortalTable.h"
#include "spawns/SpawnTable.h"

// Every table of the program and the load flags, owned once by the main window
// for the whole run and handed to each page and window that reads or edits
// them. Each flag is false at start, set by a successful load and never
// cleared again.
struct Workspace {
    MonsterTable monsters;
    MonsterNameTable monsterNames;
    ItemTable items;
    ItemNameTable itemNames;
    SpawnTable spawns;
    PortalTable portals;
    GotoTable gotos;
    EtcOtherRecords otherEtcRecords;

    bool NamesLoaded = false;
    bool GenMonsterLoaded = false;
    bool InitItemLoaded = false;
    bool ItemNamesLoaded = false;
};
