// Item names reader on any bytes, read whole and again in two blocks cut at a
// point chosen by the first byte: the cut must not change the table. Then an
// item list is built over the names and the item of every entry that shows
// one is looked up, as the item page does; a lookup fails only on a name
// number that is no integer.
#include "items/ItemFileReading.h"
#include "items/ItemList.h"
#include "items/ItemNamesReader.h"
#include "records/Errors.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace {
// Sixteen items take every path of the list (both rules, a name shown twice,
// "No name") and the name numbers of the seeds; each more item only adds
// list entries, built anew on every run.
const ItemTable& items() {
    static const ItemTable table = [] {
        ItemTable rows;
        for (std::size_t row = 0; row < 16; ++row) {
            ItemRow& item = rows.Append();
            item[ItemField::NameNumber] = std::to_string(row);
            item[ItemField::Kind] = "helmet";
            item[ItemField::Class] = row % 2 == 0 ? "all" : "mage";
        }
        return rows;
    }();
    return table;
}

bool sameNames(const ItemNameEntry& a, const ItemNameEntry& b) {
    return a.number == b.number && a.displayName == b.displayName;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t split = data[0] % size;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    ItemNameTable whole;
    const ItemFileLoad load = ParseItemNames(bytes, whole);
    ItemNameTable cut;
    ItemNamesReader reader(cut);
    LookaheadFeeder feeder(reader);
    feeder.Feed(bytes.substr(0, split));
    feeder.Feed(bytes.substr(std::min(split, bytes.size())));
    feeder.Finish();
    if (reader.result().lastRow != load.lastRow || reader.result().valuesLeftOut != load.valuesLeftOut ||
        whole.size() != cut.size()) {
        __builtin_trap();
    }
    for (std::size_t row = 0; row < whole.size(); ++row) {
        if (!sameNames(std::as_const(whole)[row], std::as_const(cut)[row])) {
            __builtin_trap();
        }
    }

    for (const ItemListEntry& entry :
         BuildItemList(items(), whole, "all", TypeFilter{"helmet", ItemField::Kind})) {
        if (!entry.nameRow) {
            continue;
        }
        try {
            (void)ItemRowOfName(items(), whole, *entry.nameRow);
        } catch (const ConvertError&) {
        }
    }
    return 0;
}
