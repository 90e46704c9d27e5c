#include "items/BlockReader.h"
#include "items/InitItemReader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

// Reads the input as InitItem.txt whole and again in two blocks cut at a
// point chosen by the first byte; the cut must not change the table. Values
// land only in rows 0 to the last row read, so only those are compared and
// emptied for the next input.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto wholeTable = std::make_unique<ItemTable>();
    static auto cutTable = std::make_unique<ItemTable>();
    if (size == 0) {
        return 0;
    }
    const std::size_t split = data[0] % size;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    const InitItemLoad whole = ParseInitItem(bytes, *wholeTable);
    InitItemReader reader(*cutTable);
    LookaheadFeeder feeder(reader);
    feeder.Feed(bytes.substr(0, split));
    feeder.Feed(bytes.substr(std::min(split, bytes.size())));
    feeder.Finish();

    if (reader.result().lastRow != whole.lastRow || reader.result().valuesLeftOut != whole.valuesLeftOut ||
        reader.result().recordsLeftOut != whole.recordsLeftOut) {
        __builtin_trap();
    }
    const auto rows = static_cast<std::size_t>(std::min<std::int64_t>(whole.lastRow + 1, ItemTable::kRows));
    for (std::size_t row = 0; row < rows; ++row) {
        if ((*wholeTable)[row] != (*cutTable)[row]) {
            __builtin_trap();
        }
        (*wholeTable)[row] = {};
        (*cutTable)[row] = {};
    }
    return 0;
}
