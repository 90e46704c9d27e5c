#include "portals/EtcWriter.h"

#include "portals/EtcReader.h"
#include "records/KeptLayout.h"
#include "records/LineWriter.h"
#include "records/WrittenValues.h"

#include <span>

namespace {
constexpr const char* kGotoBanner = "; goto -----------------------------------";
constexpr const char* kPortalBanner = "; portal -----------------------------------";

void putCommentMark(LineWriter& line, const std::string& commented) {
    if (commented != "0") {
        line.Put(';');
    }
}

// The fields first to last, each after one space, then the group's surplus values.
template <typename Record, typename Field>
void putSpacedFields(LineWriter& line, const Record& record, Field first, Field last) {
    const std::string& surplus = record.extras.SurplusOf(FieldIndex(first));
    const auto values =
        std::span(record.fields).subspan(FieldIndex(first), FieldIndex(last) - FieldIndex(first) + 1);
    const std::size_t filled = FilledValueCount(values, !surplus.empty());
    for (std::size_t value = 0; value < values.size(); ++value) {
        line.Put(' ');
        line.Put(WrittenValue(values[value], value, filled));
    }
    line.Put(surplus);
}

// The record read at `span` with its trailing comment (its last field), as the reader stored it.
template <typename Parse> auto recordAsRead(std::string_view read, const RecordSpan& span, Parse parse) {
    auto record = parse(span.RecordText(read), span.Commented());
    record.fields.back() = span.Comment(read);
    return record;
}

void putKeptGroups(LineWriter& line, const RecordExtras& extras) {
    for (const std::string& group : extras.kept) {
        line.Put(' ');
        line.Put(group);
    }
}
} // namespace

std::string GotoLine(const GotoRecord& record) {
    LineWriter line;
    putCommentMark(line, record[GotoField::Commented]);
    line.Put("(goto");
    putSpacedFields(line, record, GotoField::Value1, GotoField::Value5);
    putKeptGroups(line, record.extras);
    line.Put(") ;");
    line.Put(record[GotoField::Comment]);
    return line.Take();
}

std::string PortalLine(const PortalRecord& record) {
    using enum PortalField;
    LineWriter line;
    putCommentMark(line, record[Commented]);
    line.Put("(portal (country");
    putSpacedFields(line, record, Country1, Country2);
    line.Put(") (from");
    putSpacedFields(line, record, FromMap, Y2);
    line.Put(") (to");
    putSpacedFields(line, record, ToMap, ToZ);
    line.Put(')');
    putKeptGroups(line, record.extras);
    line.Put(") ;");
    line.Put(record[Comment]);
    return line.Take();
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
