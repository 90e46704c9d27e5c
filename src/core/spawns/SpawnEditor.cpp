#include "spawns/SpawnEditor.h"

#include "maps/WorldUnits.h"
#include "records/Errors.h"
#include "records/FileBytes.h"
#include "records/IntegerText.h"
#include "spawns/GenMonsterWriter.h"

#include <algorithm>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace {
constexpr SpawnField kCorners[] = {SpawnField::X1, SpawnField::Y1, SpawnField::X2, SpawnField::Y2};

const MonsterNameEntry* findMonsterByName(const MonsterNameTable& names, std::string_view name) {
    if (name.empty()) {
        return nullptr;
    }
    for (std::size_t position = 0; position < names.size(); ++position) {
        if (names[position].displayName == name) {
            return &names[position];
        }
    }
    return nullptr;
}
} // namespace

std::int32_t CornerInWorldUnits(const std::string& mapUnits) {
    const std::int64_t world = std::int64_t{StrToInt(mapUnits)} * kWorldUnitsPerMapUnit;
    if (world < std::numeric_limits<std::int32_t>::min() ||
        world > std::numeric_limits<std::int32_t>::max()) {
        throw ConvertError(mapUnits);
    }
    return static_cast<std::int32_t>(world);
}

SpawnEditor::SpawnEditor(SpawnTable& spawns, const MonsterNameTable& names,
                         std::optional<std::string>& genMonsterRead)
    : TableEditor(spawns), spawns_(spawns), names_(names), read_(genMonsterRead) {}

GenMonsterLoad SpawnEditor::LoadGenMonster(const std::string& path) {
    std::string bytes = ReadWholeFile(path);
    const GenMonsterLoad load = ParseGenMonster(bytes, spawns_);
    read_ = std::move(bytes);
    forgetSpawns();
    return load;
}

void SpawnEditor::forgetSpawns() {
    for (MonsterEntry& entry : monsters_) {
        entry.spawns.clear();
    }
    chosen_.reset();
    shown_.reset();
}

bool SpawnEditor::BuildMonsterList() {
    forgetSpawns();
    const SpawnTable& spawns = spawns_;
    if (spawns.empty() || !names_.hasNames()) {
        return false;
    }
    // The spawns gathered by index text in one pass, in the order each text first appears.
    std::unordered_map<std::string_view, std::size_t> entryOfIndex;
    std::vector<std::vector<std::size_t>> entries;
    for (std::size_t position = 0; position < spawns.size(); ++position) {
        const auto [entry, added] =
            entryOfIndex.try_emplace(spawns[position][SpawnField::Index], entries.size());
        if (added) {
            entries.emplace_back();
        }
        entries[entry->second].push_back(position);
    }
    monsters_.clear();
    for (std::vector<std::size_t>& entry : entries) {
        std::string name = names_.MonsterNameForText(spawns[entry.front()][SpawnField::Index]);
        monsters_.push_back({std::move(name), std::move(entry)});
    }
    return true;
}

void SpawnEditor::ChooseMonster(std::size_t entry) {
    chosen_ = entry < monsters_.size() ? std::optional(entry) : std::nullopt;
    shown_.reset();
}

const std::vector<std::size_t>& SpawnEditor::areas() const {
    static const std::vector<std::size_t> none;
    return chosen_ ? monsters_[*chosen_].spawns : none;
}

std::optional<SpawnEditor::ListPlace> SpawnEditor::PlaceOf(std::size_t spawn) const {
    for (std::size_t entry = 0; entry < monsters_.size(); ++entry) {
        const std::vector<std::size_t>& spawns = monsters_[entry].spawns;
        const auto found = std::lower_bound(spawns.begin(), spawns.end(), spawn);
        if (found != spawns.end() && *found == spawn) {
            return ListPlace{entry, static_cast<std::size_t>(found - spawns.begin())};
        }
    }
    return std::nullopt;
}

std::vector<FindEntry> SpawnEditor::MonsterFindEntries() const {
    std::vector<FindEntry> found;
    found.reserve(monsters_.size());
    for (const MonsterEntry& entry : monsters_) {
        // An entry keeps its name, without its spawns, from a load until the list is built again.
        found.push_back({entry.name, entry.spawns.empty()
                                         ? std::string()
                                         : std::as_const(spawns_)[entry.spawns.front()][SpawnField::Index]});
    }
    return found;
}

std::vector<FindEntry> SpawnEditor::AreaFindEntries() const {
    std::vector<FindEntry> found;
    found.reserve(areas().size());
    for (const std::size_t spawn : areas()) {
        found.push_back({AreaOf(spawn), AreaOf(spawn)});
    }
    return found;
}

void SpawnEditor::ShowSpawn(std::size_t spawn, SpawnFieldsView& view) {
    shown_.reset();
    const SpawnRecord& record = std::as_const(spawns_)[spawn];
    view.ShowAvailable(record[SpawnField::Commented] == "0");
    view.ShowMonsterName(names_.MonsterNameForText(record[SpawnField::Index]));
    for (const SpawnField field : {SpawnField::Map, SpawnField::Max, SpawnField::Cycle}) {
        view.ShowNumber(field, StrToInt(record[field]));
    }
    view.ShowTypeOfSpawn(IsSpawnPoint(record));
    std::array<std::string, 4> corners;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        corners[i] = record[kCorners[i]];
        view.ShowNumber(kCorners[i],
                        corners[i].empty() ? std::nullopt : std::optional(CornerInWorldUnits(corners[i])));
    }
    view.ShowCornerTexts(corners);
    shown_ = spawn;
}

void SpawnEditor::EditValues(const SpawnValues& values) {
    edit(values, false);
}

void SpawnEditor::EditCorners(const SpawnValues& values) {
    edit(values, true);
}

void SpawnEditor::edit(const SpawnValues& values, bool cornersEdited) {
    if (!shown_ || *shown_ >= spawns_.size()) {
        return;
    }
    const std::size_t spawn = *shown_;
    Change change;
    const auto store = [&](SpawnField field, std::int64_t value) {
        const Change one = FieldChange(spawn, static_cast<std::size_t>(field), IntToStr(value));
        change.edits.insert(change.edits.end(), one.edits.begin(), one.edits.end());
    };
    store(SpawnField::Map, values.map);
    store(SpawnField::Max, values.max);
    store(SpawnField::Cycle, values.cycle);
    if (cornersEdited || HasAllCorners(std::as_const(spawns_)[spawn])) {
        const std::int32_t corners[] = {values.x1, values.y1, values.x2, values.y2};
        for (std::size_t i = 0; i < std::size(corners); ++i) {
            store(kCorners[i], WorldToMap(corners[i]));
        }
    }
    Commit(std::move(change));
}

void SpawnEditor::SetAvailable(bool available) {
    if (shown_ && *shown_ < spawns_.size()) {
        Commit(FieldChange(*shown_, static_cast<std::size_t>(SpawnField::Commented), available ? "0" : "1"));
    }
}

std::vector<std::string> SpawnEditor::MonsterChoices() const {
    std::vector<std::string> choices;
    for (std::size_t position = 0; position < names_.size() && !names_[position].displayName.empty();
         ++position) {
        choices.push_back(names_[position].displayName);
    }
    return choices;
}

std::optional<std::size_t> SpawnEditor::AddSpawn(const NewSpawn& spawn) {
    const MonsterNameEntry* monster = findMonsterByName(names_, spawn.monsterName);
    // A new spawn is always of a monster the names file numbers.
    if (monster == nullptr || monster->number.empty()) {
        return std::nullopt;
    }
    const std::size_t position = spawns_.FirstFreePosition();
    const std::int64_t area =
        std::int64_t{StrToInt(std::as_const(spawns_)[position - 1][SpawnField::Area])} + 1;

    const SpawnValues& values = spawn.values;
    SpawnRecord record;
    record[SpawnField::Commented] = "0";
    record[SpawnField::Index] = monster->number;
    record[SpawnField::Map] = IntToStr(values.map);
    record[SpawnField::Area] = IntToStr(area);
    record[SpawnField::Max] = IntToStr(values.max);
    record[SpawnField::Cycle] = IntToStr(values.cycle);
    record[SpawnField::X1] = IntToStr(WorldToMap(values.x1));
    record[SpawnField::Y1] = IntToStr(WorldToMap(values.y1));
    record[SpawnField::X2] = spawn.point ? record[SpawnField::X1] : IntToStr(WorldToMap(values.x2));
    record[SpawnField::Y2] = spawn.point ? record[SpawnField::Y1] : IntToStr(WorldToMap(values.y2));

    Change change;
    change.kind = ChangeKind::AddSpawn;
    change.appended.push_back(std::move(record));
    Commit(std::move(change));
    return position;
}

std::optional<std::size_t> SpawnEditor::AppendedSpawn(const Change& change) const {
    // Taken back, the change leaves the spawn before it last, whose area is another.
    if (change.appended.empty() || spawns_.empty() ||
        !(std::as_const(spawns_)[spawns_.size() - 1] == change.appended.back())) {
        return std::nullopt;
    }
    return spawns_.size() - 1;
}

std::vector<std::string> SpawnEditor::SavedLines() const {
    return GenMonsterLines(spawns_);
}

std::optional<std::string> SpawnEditor::SavedKeepingLayout() const {
    if (!read_) {
        return std::nullopt;
    }
    return GenMonsterKeepingLayout(*read_, spawns_);
}
