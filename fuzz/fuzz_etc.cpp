// Etc.txt reader on any bytes, and the writer → reader round trip on tables
// whose values hold no space, parenthesis or line break and whose comments
// hold no line break: reading the written lines gives the same tables back.
#include "portals/EtcReader.h"
#include "portals/EtcWriter.h"
#include "portals/PortalList.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace {
void check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

bool hasAny(const std::string& text, std::string_view bytes) {
    return text.find_first_of(bytes) != std::string::npos;
}

template <typename Table> void checkTable(const Table& table, std::size_t stored) {
    check(stored <= Table::kCapacity);
    for (std::size_t position = 0; position < Table::kCapacity; ++position) {
        const auto& record = table[position];
        check(record.present() == (position < stored));
        check(!hasAny(record.fields.back(), "\r\n")); // the comment ends at the line end
        for (std::size_t field = 1; field + 1 < record.fields.size(); ++field) {
            check(!hasAny(record.fields[field], ")"));
        }
    }
}

std::string value(FuzzedDataProvider& input) {
    std::string text = input.ConsumeRandomLengthString(8);
    std::erase_if(text, [](char c) { return c == ' ' || c == '(' || c == ')' || c == '\r' || c == '\n'; });
    return text.empty() ? "0" : text;
}

std::string comment(FuzzedDataProvider& input) {
    std::string text = input.ConsumeRandomLengthString(24);
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

template <typename Table> void generate(FuzzedDataProvider& input, Table& table) {
    const std::size_t count = input.ConsumeIntegralInRange<std::size_t>(1, Table::kCapacity);
    for (std::size_t position = 0; position < count; ++position) {
        auto& record = table[position];
        record.fields.front() = input.ConsumeBool() ? "1" : "0";
        for (std::size_t field = 1; field + 1 < record.fields.size(); ++field) {
            record.fields[field] = value(input);
        }
        record.fields.back() = comment(input);
    }
}

std::string join(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto portals = std::make_unique<PortalTable>();
    static auto gotos = std::make_unique<GotoTable>();
    static auto readPortals = std::make_unique<PortalTable>();
    static auto readGotos = std::make_unique<GotoTable>();

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const EtcLoad load = ReadEtc(bytes, size % 2 == 0, *portals, *gotos);
    checkTable(*portals, load.portalsStored);
    checkTable(*gotos, load.gotosStored);
    check(PortalListLines(*portals).size() == std::max<std::size_t>(1, load.portalsStored));
    check(EtcLines(*gotos, *portals).size() ==
          2 + std::max<std::size_t>(1, load.gotosStored) + std::max<std::size_t>(1, load.portalsStored));
    check(EtcLoadWarning(load).empty() == !load.leftOutAnything());

    FuzzedDataProvider input(data, size);
    portals->clear();
    gotos->clear();
    generate(input, *gotos);
    generate(input, *portals);
    const std::string written = join(EtcLines(*gotos, *portals));
    const EtcLoad reread = ReadEtc(written, true, *readPortals, *readGotos);
    check(!reread.leftOutAnything());
    for (std::size_t position = 0; position < PortalTable::kCapacity; ++position) {
        check((*portals)[position].fields == (*readPortals)[position].fields);
    }
    for (std::size_t position = 0; position < GotoTable::kCapacity; ++position) {
        check((*gotos)[position].fields == (*readGotos)[position].fields);
    }
    return 0;
}
