#include "monsters/InitMonsterWriter.h"

#include "monsters/MonsterSlots.h"

#include <cstring>
#include <initializer_list>
#include <string_view>

namespace {
namespace Slot = MonsterSlot;

// Builds a line in a buffer sized once for the longest line the record can
// give: the writer runs over every monster.
class LineBuilder {
  public:
    explicit LineBuilder(const MonsterRecord& record) : record_(record) {
        // Keys, parentheses and spaces take at most 276 bytes of a line.
        constexpr std::size_t kSyntaxBytes = 384;
        std::size_t longest = kSyntaxBytes;
        for (const std::string& slot : record) {
            longest += slot.size();
        }
        line_.resize(longest);
        out_ = line_.data();
    }

    // "(key v1 v2 ...)" followed by `after`, with single spaces between the
    // values, empty ones included.
    void group(std::string_view key, std::size_t first, std::size_t count, std::string_view after = " ") {
        put('(');
        put(key);
        for (std::size_t slot = first; slot < first + count; ++slot) {
            put(' ');
            put(record_[slot]);
        }
        put(')');
        put(after);
    }

    // A group written only when its first slot holds something.
    void optional(std::string_view key, std::size_t first, std::size_t count, std::string_view after = " ") {
        if (!record_[first].empty()) {
            group(key, first, count, after);
        }
    }

    void itemGroup(std::size_t first) {
        if (!record_[first].empty() && record_[first] != "0") {
            group("itemgroup", first, 2);
        }
    }

    void country() {
        put("(country ");
        put(record_[Slot::Country]);
        for (std::size_t slot : {Slot::Country + 1, Slot::Country + 2}) {
            if (!record_[slot].empty()) {
                put(' ');
                put(record_[slot]);
            }
        }
        put(") ");
    }

    // A raw text that kept the space after its key as read is written right
    // after the key, so that reading and writing it again changes nothing.
    void raw(std::string_view key, const std::string& text) {
        put('(');
        put(key);
        if (text.empty() || text.front() != ' ') {
            put(' ');
        }
        put(text);
        put(')');
    }

    void text(std::string_view piece) { put(piece); }

    std::string take() {
        line_.resize(static_cast<std::size_t>(out_ - line_.data()));
        return std::move(line_);
    }

  private:
    void put(char c) { *out_++ = c; }

    void put(std::string_view piece) {
        std::memcpy(out_, piece.data(), piece.size());
        out_ += piece.size();
    }

    const MonsterRecord& record_;
    std::string line_;
    char* out_ = nullptr;
};
} // namespace

std::string InitMonsterLine(const MonsterRecord& record) {
    LineBuilder line(record);
    if (record[Slot::Commented] == "1") {
        line.text(";");
    }
    line.text("(monster ");
    line.group("name", Slot::Name, 1);
    line.group("index", Slot::Index, 1);
    line.country();
    line.group("race", Slot::Race, 1);
    line.group("level", Slot::Level, 1);
    line.optional("ai", Slot::Ai, 1);
    line.optional("range", Slot::Range, 1);
    line.optional("sight", Slot::Sight1, 2);
    line.optional("exp", Slot::Exp, 1);
    line.itemGroup(Slot::ItemGroup1);
    line.itemGroup(Slot::ItemGroup2);
    line.optional("str", Slot::Str, 1);
    line.optional("hth", Slot::Hth, 1);
    line.optional("int", Slot::Int, 1);
    line.optional("wis", Slot::Wis, 1);
    line.optional("dex", Slot::Dex, 1);
    line.optional("hp", Slot::Hp, 1);
    line.optional("mp", Slot::Mp, 1);
    line.optional("aspeed", Slot::Aspeed, 1);
    line.optional("hit", Slot::Hit, 1);
    line.optional("dodge", Slot::Dodge, 1, "");
    line.optional("attack", Slot::Attack, 3);
    line.optional("magic", Slot::Magic, 2);
    line.optional("defense", Slot::Defense, 2);
    line.optional("absorb", Slot::Absorb, 1);
    line.optional("mspeed", Slot::Mspeed, 2);
    line.optional("resist", Slot::Resist, 5);
    if (!record[Slot::Skill].empty()) {
        line.raw("skill", record[Slot::Skill]);
    }
    line.raw("quest", record[Slot::Quest]);
    line.text(")");
    return line.take();
}
