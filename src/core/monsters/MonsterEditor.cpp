#include "monsters/MonsterEditor.h"

#include "monsters/InitMonsterReader.h"
#include "monsters/InitMonsterWriter.h"
#include "monsters/MonsterNamesReader.h"
#include "records/FileBytes.h"
#include "records/IntegerText.h"

#include <algorithm>
#include <utility>

MonsterEditor::MonsterEditor(MonsterTable& monsters, MonsterFiles files)
    : TableEditor(monsters), monsters_(monsters), files_(files) {}

MonsterFileRead MonsterEditor::LoadInitMonster(const std::string& path) {
    std::string bytes = ReadWholeFile(path);
    selected_.reset();
    const InitMonsterLoad load = ParseInitMonster(bytes, monsters_);
    files_.initMonsterRead = std::move(bytes);
    files_.monsterText = load.encoding;
    return {load.notes, files_.namesLoaded ? AfterLoad::RefreshList : AfterLoad::AskForNames};
}

MonsterFileRead MonsterEditor::LoadMonsterNames(const std::string& path) {
    const MonsterNamesLoad load = ParseMonsterNames(ReadWholeFile(path), files_.names);
    files_.nameText = load.encoding;
    files_.namesLoaded = true;
    return {load.notes, AfterLoad::RefreshList};
}

bool MonsterEditor::CanRefreshList() const {
    return !monsters_.empty() && files_.names.hasNames();
}

void MonsterEditor::RefreshList() {
    entries_.clear();
    selected_.reset();
    const MonsterTable& monsters = monsters_;
    for (std::size_t position = 0; position < monsters.size(); ++position) {
        entries_.push_back(
            {position, files_.names.MonsterNameForText(monsters[position][MonsterSlot::Index])});
    }
}

std::vector<FindEntry> MonsterEditor::FindEntries() const {
    std::vector<FindEntry> found;
    found.reserve(entries_.size());
    for (const MonsterListEntry& entry : entries_) {
        found.push_back({entry.name, std::as_const(monsters_)[entry.position][MonsterSlot::Index]});
    }
    return found;
}

bool MonsterEditor::Select(std::size_t position) {
    selected_.reset();
    if (position >= monsters_.size()) {
        return false;
    }
    // Throws for a name number the title cannot show.
    files_.names.MonsterNameForText(std::as_const(monsters_)[position][MonsterSlot::Name]);
    selected_ = position;
    return true;
}

const std::string& MonsterEditor::Title() const {
    return files_.names.MonsterNameForText(selected()[MonsterSlot::Name]);
}

const std::string& MonsterEditor::Field(MonsterSlot slot) const {
    return selected()[slot];
}

bool MonsterEditor::Available() const {
    return Field(MonsterSlot::Commented) == "0";
}

bool MonsterEditor::RangeAttack() const {
    return Field(MonsterSlot::RangeAttack) == "1";
}

int MonsterEditor::RaceButton() const {
    const std::string& race = Field(MonsterSlot::Race);
    return race.empty() ? -1 : std::clamp(StrToInt(race), 0, 4);
}

int MonsterEditor::AggressiveButton() const {
    const std::string& ai = Field(MonsterSlot::Ai);
    return ai.empty() ? -1
                      : static_cast<int>(std::clamp<std::int64_t>(std::int64_t{StrToInt(ai)} - 1, -1, 1));
}

std::int32_t MonsterEditor::Number(MonsterSlot slot) const {
    const std::string& value = Field(slot);
    return value.empty() ? 0 : StrToInt(value);
}

void MonsterEditor::SetField(MonsterSlot slot, std::string text) {
    setSelected(slot, std::move(text));
}

void MonsterEditor::SetNumber(MonsterSlot slot, std::int32_t value) {
    setSelected(slot, IntToStr(value));
}

void MonsterEditor::SetAvailable(bool available) {
    setSelected(MonsterSlot::Commented, available ? "0" : "1");
}

void MonsterEditor::SetRangeAttack(bool rangeAttack) {
    setSelected(MonsterSlot::RangeAttack, rangeAttack ? "1" : "0");
}

void MonsterEditor::SetRace(int button) {
    if (button >= 0) {
        setSelected(MonsterSlot::Race, IntToStr(button));
    }
}

void MonsterEditor::SetAggressive(int button) {
    if (button >= 0) {
        setSelected(MonsterSlot::Ai, IntToStr(button + 1));
    }
}

void MonsterEditor::ChangeExperience(ExpOperation operation, std::int32_t amount) {
    Commit(ComputeExpChange(monsters_, operation, amount));
}

bool MonsterEditor::SavesKeepingLayout(bool keepLayout) const {
    return keepLayout && files_.initMonsterRead.has_value();
}

std::string MonsterEditor::LayoutKeepingSave() const {
    return InitMonsterKeepingLayout(files_.initMonsterRead.value(), monsters_);
}

std::vector<std::string> MonsterEditor::SavedLines() const {
    return InitMonsterLines(monsters_);
}

const MonsterRecord& MonsterEditor::selected() const {
    return std::as_const(monsters_)[selected_.value_or(monsters_.size())];
}

void MonsterEditor::setSelected(MonsterSlot slot, std::string value) {
    if (selected_) {
        Commit(FieldChange(*selected_, SlotNumber(slot), std::move(value)));
    }
}
