#pragma once

#include "items/ItemNameTable.h"
#include "items/ItemTable.h"
#include "monsters/MonsterNameTable.h"
#include "monsters/MonsterTable.h"
#include "portals/PortalTable.h"
#include "records/TextEncoding.h"
#include "spawns/SpawnTable.h"

#include <optional>
#include <string>

// Every table of the program, the load flags and the text encoding of each
// file loaded, owned once by the main window for the whole run and handed to
// each page and window that reads or edits them. Each flag is false at start,
// set by a successful load and never cleared again.
struct Workspace {
    MonsterTable monsters;
    MonsterNameTable monsterNames;
    ItemTable items;
    ItemNameTable itemNames;
    SpawnTable spawns;
    PortalTable portals;
    GotoTable gotos;
    EtcOtherRecords otherEtcRecords;

    // How the text of each file is shown and stored; each load decides for its
    // file. The monster names file decides the names shown with monsters and spawns.
    TextEncoding monsterText = TextEncoding::Latin1;
    TextEncoding monsterNameText = TextEncoding::Latin1;
    TextEncoding itemText = TextEncoding::Latin1;
    TextEncoding itemNameText = TextEncoding::Latin1;
    TextEncoding spawnText = TextEncoding::Latin1;
    TextEncoding etcText = TextEncoding::Latin1;

    // The bytes of each file a save writes, as it was last read: the tables
    // hold where each record stood in them. None until the file is loaded.
    std::optional<std::string> initMonsterRead;
    std::optional<std::string> genMonsterRead;
    std::optional<std::string> etcRead;

    // "Keep comments and layout": the saves of a loaded file write it back as
    // it was read, with only the records that changed written anew.
    bool KeepLayout = false;

    bool NamesLoaded = false;
    bool GenMonsterLoaded = false;
    bool InitItemLoaded = false;
    bool ItemNamesLoaded = false;
};
