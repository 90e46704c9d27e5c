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
template <typename Record, typename Field>
std::string spacedFields(const Record& record, Field first, Field last) {
    const std::string& surplus = record.extras.SurplusOf(FieldIndex(first));
    const auto values =
        std::span(record.fields).subspan(FieldIndex(first), FieldIndex(last) - FieldIndex(first) + 1);
    const std::size_t filled = FilledValueCount(values, !surplus.empty());
    std::string text;
    for (std::size_t value = 0; value < values.size(); ++value) {
        text += ' ';
        text += WrittenValue(values[value], value, filled);
    }
    text += surplus;
    return text;
}

// The record read at `span` with its trailing comment (its last field), as the reader stored it.
template <typename Parse> auto recordAsRead(std::string_view read, const RecordSpan& span, Parse parse) {
    auto record = parse(span.RecordText(read), span.Commented());
    record.fields.back() = span.Comment(read);
    return record;
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
    return commentMark(record[GotoField::Commented]) + "(goto" +
           spacedFields(record, GotoField::Value1, GotoField::Value5) + keptGroups(record.extras) + ") ;" +
           record[GotoField::Comment];
}

std::string PortalLine(const PortalRecord& record) {
    using enum PortalField;
    return commentMark(record[Commented]) + "(portal (country" + spacedFields(record, Country1, Country2) +
           ") (from" + spacedFields(record, FromMap, Y2) + ") (to" + spacedFields(record, ToMap, ToZ) + ")" +
           keptGroups(record.extras) + ") ;" + record[Comment];
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
    KeepRecords(layout, gotos, SavedEtcCount(gotos), GotoLine,
                [read](const RecordSpan& span) { return recordAsRead(read, span, ParseGotoRecord); });
    KeepRecords(layout, portals, SavedEtcCount(portals), PortalLine,
                [read](const RecordSpan& span) { return recordAsRead(read, span, ParsePortalRecord); });
    return layout.Result();
}
