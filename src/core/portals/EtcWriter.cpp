#include "portals/EtcWriter.h"

#include "portals/EtcReader.h"
#include "records/KeptLayout.h"
#include "records/LineWriter.h"
#include "records/WrittenValues.h"

#include <span>

namespace {
constexpr const char* kGotoBanner = "; goto -----------------------------------";
constexpr const char* kPortalBanner = "; portal -----------------------------------";

char* putCommentMark(char* out, const std::string& commented) {
    if (std::string_view(commented) != "0") {
        *out++ = ';';
    }
    return out;
}

// The fields first to last, each after one space, then the group's surplus values.
template <typename Record, typename Field>
char* putSpacedFields(char* out, const Record& record, Field first, Field last) {
    const std::string& surplus = record.extras.SurplusOf(FieldIndex(first));
    const auto values =
        std::span(record.fields).subspan(FieldIndex(first), FieldIndex(last) - FieldIndex(first) + 1);
    const std::size_t filled = FilledValueCount(values, !surplus.empty());
    for (std::size_t value = 0; value < values.size(); ++value) {
        *out++ = ' ';
        out = PutPiece(out, WrittenValue(values[value], value, filled));
    }
    return PutPiece(out, surplus);
}

// The record read at `span` with its trailing comment (its last field), as the reader stored it.
template <typename Parse> auto recordAsRead(std::string_view read, const RecordSpan& span, Parse parse) {
    auto record = parse(span.RecordText(read), span.Commented());
    record.fields.back() = span.Comment(read);
    return record;
}

char* putKeptGroups(char* out, const RecordExtras& extras) {
    for (const std::string& group : extras.kept) {
        *out++ = ' ';
        out = PutPiece(out, group);
    }
    return out;
}

// Bytes a line writes besides the record's own text: its fixed text, and a
// blank and a "0" per field.
template <typename Record> std::size_t lineBound(const Record& record, std::string_view fixedText) {
    return fixedText.size() + 2 * record.fields.size() + RecordTextBytes(record);
}
} // namespace

std::string GotoLine(const GotoRecord& record) {
    return LineWithin(lineBound(record, ";(goto) ;"), [&record](char* out) {
        out = putCommentMark(out, record[GotoField::Commented]);
        out = PutPiece(out, "(goto");
        out = putSpacedFields(out, record, GotoField::Value1, GotoField::Value5);
        out = putKeptGroups(out, record.extras);
        out = PutPiece(out, ") ;");
        return PutPiece(out, record[GotoField::Comment]);
    });
}

std::string PortalLine(const PortalRecord& record) {
    using enum PortalField;
    return LineWithin(lineBound(record, ";(portal (country) (from) (to)) ;"), [&record](char* out) {
        out = putCommentMark(out, record[Commented]);
        out = PutPiece(out, "(portal (country");
        out = putSpacedFields(out, record, Country1, Country2);
        out = PutPiece(out, ") (from");
        out = putSpacedFields(out, record, FromMap, Y2);
        out = PutPiece(out, ") (to");
        out = putSpacedFields(out, record, ToMap, ToZ);
        *out++ = ')';
        out = putKeptGroups(out, record.extras);
        out = PutPiece(out, ") ;");
        return PutPiece(out, record[Comment]);
    });
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
