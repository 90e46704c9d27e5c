#include "monsters/InitMonsterWriter.h"

#include "monsters/InitMonsterReader.h"
#include "monsters/MonsterSlots.h"
#include "records/ByteClasses.h"
#include "records/GroupSplitter.h"
#include "records/GroupsInOrder.h"
#include "records/KeptLayout.h"
#include "records/LineWriter.h"
#include "records/WrittenValues.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace {
using Slot = MonsterSlot;

// How a piece of the line is written.
enum class Write {
    Always,     // the group, also when its slots are empty
    IfFilled,   // the group when its first slot holds something
    Country,    // the first value always, the others when written filled
    ItemGroups, // each of the two groups whose first slot holds something other than "0"
    Raw,        // the raw text in its group, when there is any
    RawAlways,  // the raw text in its group, also when empty
};

struct Piece {
    std::string_view key;
    std::size_t first; // slot
    std::size_t count;
    Write write;
    // What follows the piece and each kept group of its key.
    std::string_view separator = " ";
};

constexpr Write WriteOf(std::string_view key) {
    if (key == "name" || key == "index" || key == "race" || key == "level") {
        return Write::Always;
    }
    if (key == "country") {
        return Write::Country;
    }
    return key == "itemgroup" ? Write::ItemGroups : Write::IfFilled;
}

// The line's pieces in the order it writes them: the value groups in the
// order the reader searches them (both item groups one piece), then the raw
// groups. A kept group of one of these keys follows its key's piece; the
// last piece is followed by the kept groups of every other key (and those of
// its own).
constexpr auto kLine = [] {
    std::array<Piece, kMonsterValueGroups.size() + 1> line{};
    std::size_t at = 0;
    for (const MonsterGroup& group : kMonsterValueGroups) {
        if (group.firstSlot != SlotNumber(Slot::ItemGroup2)) {
            // No blank between the dodge and the attack: "(dodge 5)(attack 0 12 8)".
            line[at++] = {group.key, group.firstSlot, group.count, WriteOf(group.key),
                          group.key == "dodge" ? "" : " "};
        }
    }
    line[at++] = {"skill", SlotNumber(Slot::Skill), 1, Write::Raw, ""};
    line[at++] = {"quest", SlotNumber(Slot::Quest), 1, Write::RawAlways, ""};
    return line;
}();
constexpr std::size_t kLastPiece = kLine.size() - 1;
static_assert(kLine.size() <= 32, "a piece's kept groups are marked by one bit");
static_assert(std::ranges::all_of(kLine,
                                  [](const Piece& piece) {
                                      return piece.separator.empty() || piece.separator == " ";
                                  }),
              "a separator is a blank or nothing");

constexpr auto kPieceHeads = [] {
    std::array<std::uint64_t, kLine.size()> heads{};
    for (std::size_t piece = 0; piece < kLine.size(); ++piece) {
        heads[piece] = KeyHead(kLine[piece].key);
    }
    return heads;
}();

// "(key" of each piece, padded to the bytes PutField copies at once: one
// copy of a fixed size writes it.
struct Opening {
    std::array<char, kLineSpill> text{};
    std::size_t size = 0;
};
static_assert(std::ranges::all_of(kLine, [](const Piece& piece) { return piece.key.size() < kLineSpill; }));

constexpr auto kOpenings = [] {
    std::array<Opening, kLine.size()> openings{};
    for (std::size_t piece = 0; piece < kLine.size(); ++piece) {
        openings[piece].text[0] = '(';
        std::ranges::copy(kLine[piece].key, openings[piece].text.begin() + 1);
        openings[piece].size = kLine[piece].key.size() + 1;
    }
    return openings;
}();

char* PutOpening(char* out, const Opening& opening) {
    std::memcpy(out, opening.text.data(), opening.text.size());
    return out + opening.size;
}

// The pieces but the last, found by their key's head: each sits at the place
// its head hashes to, or at the next free one after it.
constexpr std::size_t kHeadPlaces = 64;
constexpr std::uint8_t kNoPiece = 0xff;
static_assert(kLastPiece < kHeadPlaces, "a free place ends every search");

constexpr std::size_t PlaceOfHead(std::uint64_t head) {
    return static_cast<std::size_t>((head * 0x9e3779b97f4a7c15) >> 58);
}

constexpr auto kPieceAtPlace = [] {
    std::array<std::uint8_t, kHeadPlaces> pieces{};
    pieces.fill(kNoPiece);
    for (std::size_t piece = 0; piece < kLastPiece; ++piece) {
        std::size_t place = PlaceOfHead(kPieceHeads[piece]);
        while (pieces[place] != kNoPiece) {
            place = (place + 1) % kHeadPlaces;
        }
        pieces[place] = static_cast<std::uint8_t>(piece);
    }
    return pieces;
}();

// The piece a kept group of `key` follows.
std::size_t PieceOfKey(std::string_view key) {
    const std::uint64_t head = KeyHead(key);
    for (std::size_t place = PlaceOfHead(head); kPieceAtPlace[place] != kNoPiece;
         place = (place + 1) % kHeadPlaces) {
        const std::size_t piece = kPieceAtPlace[place];
        if (kPieceHeads[piece] == head && kLine[piece].key.size() == key.size() &&
            (key.size() <= sizeof head || kLine[piece].key == key)) {
            return piece;
        }
    }
    return kLastPiece;
}

// Bytes the line writes besides the record's own text: per piece its "(",
// key, blank, ")" and separator, and a blank and a "0" per value (both item
// groups counted), then ";(monster " and the closing ")".
constexpr std::size_t kFixedRoom = [] {
    std::size_t room = std::string_view(";(monster )").size();
    for (const Piece& piece : kLine) {
        const std::size_t groups = piece.write == Write::ItemGroups ? 2 : 1;
        room += groups * (piece.key.size() + 4 + 2 * piece.count);
    }
    return room;
}();

// What every piece asks of the record, passed by value so that it stays in
// registers: a member would be read again after every byte written (a char
// may alias it).
struct LineMarks {
    const std::string* slots = nullptr;
    std::uint64_t surplusSlots = 0; // the first slots of groups with surplus words
    std::uint32_t keptPieces = 0;   // the pieces kept groups follow

    bool empty(std::size_t slot) const { return slots[slot].empty(); }
    bool surplus(std::size_t slot) const { return (surplusSlots >> slot & 1) != 0; }
};
static_assert(MonsterTable::kSlots <= 64, "a slot's surplus words are marked by one bit");

// Writes the pieces of a record's line. Each step takes and gives the end of
// what is written; the room is there (kFixedRoom and the record's bytes).
class LineBuilder {
  public:
    explicit LineBuilder(const MonsterRecord& record) : extras_(record.extras) {
        marks_.slots = record.fields.data();
        for (std::size_t group = 0; group < extras_.kept.size(); ++group) {
            const std::size_t piece = PieceOfKey(LeadingWord(extras_.kept[group]));
            marks_.keptPieces |= std::uint32_t{1} << piece;
            if (group < keptPiece_.size()) {
                keptPiece_[group] = static_cast<std::uint8_t>(piece);
            }
        }
        for (const auto& [first, words] : extras_.surplus) {
            marks_.surplusSlots |= std::uint64_t{1} << first;
        }
    }

    // Every piece of the line, in order.
    char* WritePieces(char* out) const {
        return writePieces(out, marks_, std::make_index_sequence<kLine.size()>());
    }

  private:
    template <std::size_t... Number>
    char* writePieces(char* out, const LineMarks marks, std::index_sequence<Number...>) const {
        ((out = writePiece<Number>(out, marks)), ...);
        return out;
    }

    // The piece `Number` of the line and the kept groups that follow it.
    template <std::size_t Number> char* writePiece(char* out, const LineMarks marks) const {
        constexpr auto kPiece = kLine[Number];
        constexpr std::size_t kFirst = kPiece.first;
        if constexpr (kPiece.write == Write::Always) {
            out = group<Number, kFirst>(out, marks);
        } else if constexpr (kPiece.write == Write::IfFilled) {
            if (!marks.empty(kFirst)) {
                out = group<Number, kFirst>(out, marks);
            }
        } else if constexpr (kPiece.write == Write::Country) {
            out = separate<Number>(country(out, marks));
        } else if constexpr (kPiece.write == Write::ItemGroups) {
            constexpr std::size_t kSecond = SlotNumber(Slot::ItemGroup2);
            if (!marks.empty(kFirst) && std::string_view(marks.slots[kFirst]) != "0") {
                out = group<Number, kFirst>(out, marks);
            }
            if (!marks.empty(kSecond) && std::string_view(marks.slots[kSecond]) != "0") {
                out = group<Number, kSecond>(out, marks);
            }
        } else if constexpr (kPiece.write == Write::Raw) {
            if (!marks.empty(kFirst)) {
                out = raw(out, kPiece.key, marks.slots[kFirst]);
            }
        } else {
            out = raw(out, kPiece.key, marks.slots[kFirst]);
        }
        if ((marks.keptPieces >> Number & 1) != 0) {
            out = kept(out, Number, kPiece.separator);
        }
        return out;
    }

    // "(key v1 v2 ...)" and the piece's separator, with single spaces between
    // the values, empty ones included, and the group's surplus values before
    // its ")".
    template <std::size_t Number, std::size_t First> char* group(char* out, const LineMarks marks) const {
        constexpr std::size_t kCount = kLine[Number].count;
        // The values are read before anything is written, each once: after
        // a byte written they would be read again.
        std::array<std::string_view, kCount> values;
        bool noneEmpty = true;
        for (std::size_t value = 0; value < kCount; ++value) {
            values[value] = marks.slots[First + value];
            noneEmpty = noneEmpty && !values[value].empty();
        }
        out = PutOpening(out, kOpenings[Number]);
        if (noneEmpty) [[likely]] {
            for (const std::string_view value : values) {
                *out++ = ' ';
                out = PutField(out, value);
            }
        } else {
            out = valuesWithEmpties(out, First, kCount, marks);
        }
        return separate<Number>(closeGroup(out, First, marks));
    }

    // The values of a group one of which is empty.
    static char* valuesWithEmpties(char* out, std::size_t first, std::size_t count, const LineMarks marks) {
        const std::size_t filled = filledValues(first, count, marks);
        for (std::size_t value = 0; value < count; ++value) {
            *out++ = ' ';
            out = PutPiece(out, WrittenValue(marks.slots[first + value], value, filled));
        }
        return out;
    }

    // The blank after the piece `Number`, when it has one.
    template <std::size_t Number> static char* separate(char* out) {
        if constexpr (!kLine[Number].separator.empty()) {
            *out++ = ' ';
        }
        return out;
    }

    // The first value always, the others only when they are written filled.
    char* country(char* out, const LineMarks marks) const {
        constexpr std::size_t kCountry = SlotNumber(Slot::Country);
        out = PutPiece(out, "(country ");
        const std::size_t filled = filledValues(kCountry, 3, marks);
        out = PutPiece(out, WrittenValue(marks.slots[kCountry], 0, filled));
        for (std::size_t value = 1; value < filled; ++value) {
            *out++ = ' ';
            out = PutPiece(out, WrittenValue(marks.slots[kCountry + value], value, filled));
        }
        return closeGroup(out, kCountry, marks);
    }

    // A raw text that kept the blank after its key as read is written right
    // after the key, so that reading and writing it again changes nothing.
    static char* raw(char* out, std::string_view key, const std::string& text) {
        *out++ = '(';
        out = PutPiece(out, key);
        if (text.empty() || !IsBlank(text.front())) {
            *out++ = ' ';
        }
        out = PutPiece(out, text);
        *out++ = ')';
        return out;
    }

    // The kept groups that follow the piece `number`: after the last piece,
    // each after one space; after any other, each followed by its separator.
    char* kept(char* out, std::size_t number, std::string_view separator) const {
        for (std::size_t at = 0; at < extras_.kept.size(); ++at) {
            const std::string& group = extras_.kept[at];
            if (pieceOfKept(at) == number) {
                if (number == kLastPiece) {
                    *out++ = ' ';
                    out = PutPiece(out, group);
                } else {
                    out = PutPiece(out, group);
                    out = PutPiece(out, separator);
                }
            }
        }
        return out;
    }

    std::size_t pieceOfKept(std::size_t group) const {
        return group < keptPiece_.size() ? keptPiece_[group] : PieceOfKey(LeadingWord(extras_.kept[group]));
    }

    static std::size_t filledValues(std::size_t first, std::size_t count, const LineMarks marks) {
        return FilledValueCount(std::span(marks.slots + first, count), marks.surplus(first));
    }

    char* closeGroup(char* out, std::size_t first, const LineMarks marks) const {
        if (marks.surplus(first)) [[unlikely]] {
            out = putSurplus(out, first);
        }
        *out++ = ')';
        return out;
    }

    char* putSurplus(char* out, std::size_t first) const { return PutPiece(out, extras_.SurplusOf(first)); }

    const RecordExtras& extras_;
    LineMarks marks_;
    std::array<std::uint8_t, 8> keptPiece_{}; // the piece each of the first kept groups follows, found once
};
} // namespace

std::string InitMonsterLine(const MonsterRecord& record) {
    const LineBuilder builder(record);
    return LineWithin(kFixedRoom + RecordTextBytes(record), [&builder, &record](char* out) {
        if (std::string_view(record[Slot::Commented]) == "1") {
            *out++ = ';';
        }
        out = PutPiece(out, "(monster ");
        out = builder.WritePieces(out);
        *out++ = ')';
        return out;
    });
}

std::size_t SavedMonsterCount(const MonsterTable& table) {
    return table.LastMonsterIndex() + 1;
}

std::vector<std::string> InitMonsterLines(const MonsterTable& table) {
    const std::size_t count = SavedMonsterCount(table);
    std::vector<std::string> lines;
    lines.reserve(count);
    for (std::size_t position = 0; position < count; ++position) {
        lines.push_back(InitMonsterLine(table[position]));
    }
    return lines;
}

std::string InitMonsterKeepingLayout(std::string_view read, const MonsterTable& table) {
    KeptLayout layout(read, KeptLayout::TrailingComments::No);
    KeepRecords(layout, table, SavedMonsterCount(table), InitMonsterLine, [read](const RecordSpan& span) {
        return ParseMonsterRecord(span.RecordText(read), span.Commented());
    });
    return layout.Result();
}
