#include "portals/PortalEditor.h"

#include "portals/EtcWriter.h"
#include "portals/PortalList.h"

#include <utility>

PortalEditor::PortalEditor(EtcFile file) : TableEditor(file.portals), file_(file) {
    OnChanged([this](const Change&) { selected_.reset(); });
}

EtcLoad PortalEditor::loadEtc(const std::string& path) {
    const EtcLoad load = LoadEtcFile(path, file_.read, file_.portals, file_.gotos, file_.others);
    file_.encoding = load.encoding;
    selected_.reset();
    return load;
}

std::vector<PortalListEntry> PortalEditor::listEntries() const {
    std::vector<PortalListEntry> entries;
    for (std::string& line : PortalListLines(file_.portals)) {
        entries.push_back({std::move(line), entries.size()});
    }
    return entries;
}

std::vector<FindEntry> PortalEditor::FindEntries() const {
    std::vector<FindEntry> found;
    for (std::string& line : PortalListLines(file_.portals)) {
        found.push_back({std::move(line), std::string()});
    }
    return found;
}

const PortalRecord* PortalEditor::selectedPortal() const {
    return selected_ ? &std::as_const(file_.portals)[*selected_] : nullptr;
}

void PortalEditor::addPortal(const NewPortal& portal) {
    PortalRecord record = NewPortalRecord(portal);
    const std::size_t free = file_.portals.firstFree();
    Change change;
    if (free == file_.portals.size()) {
        change.appended.push_back(std::move(record));
    } else {
        // A gap a table was given: the new portal fills it.
        for (std::size_t field = 0; field < record.fields.size(); ++field) {
            const Change edit = FieldChange(free, field, record.fields[field]);
            change.edits.insert(change.edits.end(), edit.edits.begin(), edit.edits.end());
        }
    }
    change.kind = ChangeKind::AddPortal;
    Commit(std::move(change));
}

EtcSave PortalEditor::etcToSave(bool keepLayout) const {
    EtcSave save;
    if (keepLayout && file_.read) {
        save.keptLayout = EtcKeepingLayout(*file_.read, file_.gotos, file_.portals);
    } else {
        save.lines = EtcLines(file_.gotos, file_.portals, file_.others);
    }
    return save;
}
