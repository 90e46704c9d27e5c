#pragma once

#include "portals/EtcReader.h"
#include "portals/NewPortal.h"
#include "portals/PortalTable.h"
#include "records/ListFind.h"
#include "records/TableEditor.h"
#include "records/TextEncoding.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Where the Etc.txt being edited is held: its tables, its bytes as last read
// (none before a load) and the encoding of its text.
struct EtcFile {
    PortalTable& portals;
    GotoTable& gotos;
    EtcOtherRecords& others;
    std::optional<std::string>& read;
    TextEncoding& encoding;
};

// A line of the portal list and the position of the portal it shows.
struct PortalListEntry {
    std::string text;
    std::size_t position;

    bool operator==(const PortalListEntry&) const = default;
};

// What a save of Etc.txt writes: with the layout kept, the file as read with
// only the changed records written anew; otherwise the lines of a new file.
struct EtcSave {
    std::vector<std::string> lines;
    std::optional<std::string> keptLayout;
};

// What the portal page and the add-portal dialog work on: the Etc.txt
// loaded, the portal list, the portal selected in it, and the one change
// there is, adding a portal. Every change of the table clears the selection,
// as the list is rebuilt then.
class PortalEditor : public TableEditor<PortalRecord> {
  public:
    explicit PortalEditor(EtcFile file);

    // Fills the tables from the file at `path` and keeps its bytes and
    // encoding. A file that cannot be read throws and changes nothing.
    EtcLoad loadEtc(const std::string& path);
    TextEncoding encoding() const { return file_.encoding; }

    // Line k shows the portal at position k (PortalListLines).
    std::vector<PortalListEntry> listEntries() const;
    // The lines as find sees them: a portal has no index.
    std::vector<FindEntry> FindEntries() const;

    void selectPortal(std::size_t position) { selected_ = position; }
    // Null while no portal is selected.
    const PortalRecord* selectedPortal() const;

    // Stores the portal at the first position that holds none (the end of
    // the table after a load).
    void addPortal(const NewPortal& portal);

    // The layout is kept when `keepLayout` is asked for and a file was read.
    EtcSave etcToSave(bool keepLayout) const;

  private:
    EtcFile file_;
    std::optional<std::size_t> selected_;
};
