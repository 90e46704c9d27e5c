#include "portals/EtcWriter.h"

#include "portals/EtcReader.h"
#include "records/KeptLayout.h"
#include "records/WrittenValues.h"

#include <span>

namespace {
constexpr const char* kGotoBanner = "; goto -----------------------------------";
constexpr const char* kPortalBanner = "; portal -----------------------------------";

std::string commentMark(const std::string& commented) {
    return commented == "0" ? "" : ";";
}

// The fields first to last, each after one space, then the group's surplus values.
template <typename Record>
std::string spacedFields(const Record& record, std::size_t first, std::size_t last) {
    const std::string& surplus = record.extras.SurplusOf(first);
    const auto values = std::span(record.fields).subspan(first, last - first + 1);
    const std::size_t filled = FilledValueCount(values, !surplus.empty());
    std::string text;
    for (std::size_t value = 0; value < values.size(); ++value) {
        text += ' ';
        text += WrittenValue(values[value], value, filled);
    }
    text += surplus;
    return text;
}

std::string keptGroups(const RecordExtras& extras) {
    std::string text;
    for (const std::string& group : extras.kept) {
        text += ' ';
        text += group;
    }
    return text;
}
} // namespace

std::string GotoLine(const GotoRecord& record) {
    return commentMark(record[GotoRecord::commented]) + "(goto" +
           spacedFields(record, GotoRecord::value1, GotoRecord::value5) + keptGroups(record.extras) + ") ;" +
           record[GotoRecord::comment];
}

std::string PortalLine(const PortalRecord& record) {
    using R = PortalRecord;
    return commentMark(record[R::commented]) + "(portal (country" +
           spacedFields(record, R::country1, R::country2) + ") (from" +
           spacedFields(record, R::fromMap, R::y2) + ") (to" + spacedFields(record, R::toMap, R::toZ) + ")" +
           keptGroups(record.extras) + ") ;" + record[R::comment];
}

std::vector<std::string> EtcLines(const GotoTable& gotos, const PortalTable& portals,
                                  const EtcOtherRecords& others) {
    const std::size_t gotoCount = SavedEtcCount(gotos);
    const std::size_t portalCount = SavedEtcCount(portals);
    std::vector<std::string> lines;
    lines.reserve(2 + gotoCount + portalCount + others.size());
    lines.emplace_back(kGotoBanner);
    for (std::size_t position = 0; position < gotoCount; ++position) {
        lines.push_back(GotoLine(gotos[position]));
    }
    lines.emplace_back(kPortalBanner);
    for (std::size_t position = 0; position < portalCount; ++position) {
        lines.push_back(PortalLine(portals[position]));
    }
    lines.insert(lines.end(), others.begin(), others.end());
    return lines;
}

std::string EtcKeepingLayout(std::string_view read, const GotoTable& gotos, const PortalTable& portals) {
    KeptLayout layout(read, KeptLayout::TrailingComments::Yes);
    KeepRecords(layout, gotos, SavedEtcCount(gotos), GotoLine, [read](const RecordSpan& span) {
        GotoRecord record = ParseGotoRecord(span.RecordText(read), span.Commented());
        record[GotoRecord::comment] = span.Comment(read);
        return record;
    });
    KeepRecords(layout, portals, SavedEtcCount(portals), PortalLine, [read](const RecordSpan& span) {
        PortalRecord record = ParsePortalRecord(span.RecordText(read), span.Commented());
        record[PortalRecord::comment] = span.Comment(read);
        return record;
    });
    return layout.Result();
}
