#pragma once

#include "portals/PortalTable.h"

#include <string>
#include <vector>

// The present records of both tables and the other records, one text per
// record: "G" or "P" followed by every field after a "|", then "|+" and the
// surplus values of each group that has some and "|&" and each kept group;
// "O|" and the line of each other record. A whole load compares at once.
inline std::vector<std::string> DumpTables(const GotoTable& gotos, const PortalTable& portals,
                                           const EtcOtherRecords& others = {}) {
    std::vector<std::string> dump;
    auto add = [&dump](char kind, const auto& record) {
        std::string text(1, kind);
        for (const std::string& field : record.fields) {
            text += '|';
            text += field;
        }
        for (const auto& [first, words] : record.extras.surplus) {
            text += "|+" + words;
        }
        for (const std::string& group : record.extras.kept) {
            text += "|&" + group;
        }
        dump.push_back(text);
    };
    for (std::size_t i = 0; i < gotos.size() && gotos[i].present(); ++i) {
        add('G', gotos[i]);
    }
    for (std::size_t i = 0; i < portals.size() && portals[i].present(); ++i) {
        add('P', portals[i]);
    }
    for (const std::string& line : others) {
        dump.push_back("O|" + line);
    }
    return dump;
}
