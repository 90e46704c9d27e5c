#pragma once

#include "monsters/MonsterNameTable.h"
#include "monsters/MonsterTable.h"

// The tables and load flags shared between the pages, owned by the main
// window for the whole run. Each flag is false at start, set by a successful
// load and never cleared again. Tables used by one subsystem only live with
// that subsystem's page.
struct AppState {
    MonsterTable monsters;
    MonsterNameTable monsterNames;
    bool NamesLoaded = false;
    bool GenMonsterLoaded = false;
    bool InitItemLoaded = false;
    bool ItemNamesLoaded = false;
};
