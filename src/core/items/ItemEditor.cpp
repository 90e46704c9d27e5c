#include "items/ItemEditor.h"

#include "items/InitItemReader.h"
#include "items/ItemNamesReader.h"
#include "records/IntegerText.h"

#include <string_view>
#include <unordered_map>
#include <utility>

namespace {
std::size_t fieldNumber(ItemField field) {
    return static_cast<std::size_t>(field);
}
} // namespace

ItemEditor::ItemEditor(ItemTable& items, ItemNameTable& names, ItemLoadState loads)
    : TableEditor(items), names_(names), loads_(loads) {}

ItemFileLoad ItemEditor::LoadInitItem(const std::string& path) {
    const ItemFileLoad load = ReadInitItem(path, table(), kItemFileBlockSize);
    forgetChoices();
    loads_.itemText = load.encoding;
    loads_.initItemLoaded = true;
    return load;
}

ItemFileLoad ItemEditor::LoadItemNames(const std::string& path) {
    const ItemFileLoad load = ReadItemNames(path, names_, kItemFileBlockSize);
    forgetChoices();
    loads_.nameText = load.encoding;
    loads_.itemNamesLoaded = true;
    return load;
}

void ItemEditor::forgetChoices() {
    class_ = -1;
    type_ = -1;
    filter_ = {};
    entries_.clear();
    entryChosen_ = false;
    shownNumber_.clear();
}

void ItemEditor::ChooseClass(int position) {
    class_ = position;
    if (position < 0) {
        return;
    }
    if (position != kClassKnight && type_ == kTypeShield) {
        type_ = -1;
    }
    rebuildList();
}

void ItemEditor::ChooseType(int position) {
    type_ = position;
    if (position < 0) {
        return;
    }
    if (std::optional<TypeFilter> filter = TypeFilterFor(position, class_)) {
        filter_ = std::move(*filter);
    }
    rebuildList();
}

void ItemEditor::rebuildList() {
    const std::string_view classText =
        class_ >= 0 && class_ < static_cast<int>(kClassCount) ? kClassTexts[class_] : std::string_view();
    entries_ = BuildItemList(std::as_const(table()), names_, classText, filter_);
    entryChosen_ = false;
}

std::vector<FindEntry> ItemEditor::FindEntries() const {
    // The first item row of each name number, found once for the whole list.
    const ItemTable& items = table();
    std::unordered_map<std::string_view, std::size_t> rowOfNumber;
    for (std::size_t row = 0; row < items.size(); ++row) {
        rowOfNumber.try_emplace(items[row][ItemField::NameNumber], row);
    }
    std::vector<FindEntry> found;
    found.reserve(entries_.size());
    for (const ItemListEntry& entry : entries_) {
        std::string index;
        const std::optional<std::int32_t> number =
            entry.nameRow ? TryStrToInt(std::as_const(names_)[*entry.nameRow].number) : std::nullopt;
        if (number) {
            if (const auto row = rowOfNumber.find(IntToStr(*number)); row != rowOfNumber.end()) {
                index = items[row->second][ItemField::Index];
            }
        }
        found.push_back({entry.text, std::move(index)});
    }
    return found;
}

std::optional<std::size_t> ItemEditor::PickEntry(std::optional<std::size_t> nameRow) {
    entryChosen_ = true;
    if (!nameRow) {
        return std::nullopt;
    }
    const std::optional<std::size_t> row = ItemRowOfName(std::as_const(table()), names_, *nameRow);
    if (row) {
        shownNumber_ = std::as_const(table())[*row][ItemField::NameNumber];
    }
    return row;
}

std::optional<std::size_t> ItemEditor::ShownRow() const {
    return FindItemRow(table(), shownNumber_);
}

ItemEditor::EditState ItemEditor::editState() const {
    if (!entryChosen_) {
        return EditState::NoEntryChosen;
    }
    return ShownRow() ? EditState::Ready : EditState::NoItemShown;
}

void ItemEditor::EditField(ItemField field, std::string value) {
    if (editState() != EditState::Ready) {
        return;
    }
    Commit(FieldChange(*ShownRow(), fieldNumber(field), std::move(value)));
}

void ItemEditor::SetFlag(ItemField field, bool ticked) {
    EditField(field, ticked ? "1" : "0");
}

void ItemEditor::SetClass(int position) {
    if (position >= 0 && position < static_cast<int>(kClassCount)) {
        EditField(ItemField::Class, std::string(kClassTexts[position]));
    }
}

bool ItemEditor::SetCannotBuy(bool cannotBuy) {
    if (editState() != EditState::Ready) {
        return false;
    }
    const std::size_t row = *ShownRow();
    const ItemRow& item = std::as_const(table())[row];
    const std::string price = item[ItemField::Buy];
    const std::string newPrice = cannotBuy ? "0" : item[ItemField::SavedPrice];
    Change change;
    if (cannotBuy) {
        change = FieldChange(row, fieldNumber(ItemField::SavedPrice), price);
    }
    const Change buy = FieldChange(row, fieldNumber(ItemField::Buy), newPrice);
    change.edits.insert(change.edits.end(), buy.edits.begin(), buy.edits.end());
    Commit(std::move(change));
    return newPrice != price;
}
