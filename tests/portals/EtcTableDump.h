#pragma once

#include "portals/PortalTable.h"

#include <string>
#include <vector>

// The present records of both tables, one text per record: "G" or "P"
// followed by every field after a "|", so a whole load compares at once.
inline std::vector<std::string> DumpTables(const GotoTable& gotos, const PortalTable& portals) {
    std::vector<std::string> dump;
    auto add = [&dump](char kind, const auto& record) {
        std::string text(1, kind);
        for (const std::string& field : record.fields) {
            text += '|';
            text += field;
        }
        dump.push_back(text);
    };
    for (std::size_t i = 0; i < GotoTable::kCapacity && gotos[i].present(); ++i) {
        add('G', gotos[i]);
    }
    for (std::size_t i = 0; i < PortalTable::kCapacity && portals[i].present(); ++i) {
        add('P', portals[i]);
    }
    return dump;
}
