#include "monsters/InitMonsterWriter.h"

#include "monsters/MonsterSlots.h"

#include <initializer_list>

namespace {
namespace Slot = MonsterSlot;

class LineBuilder {
  public:
    explicit LineBuilder(const MonsterRecord& record) : record_(record) {}

    // "(key v1 v2 ...)" followed by `after`, with single spaces between the
    // values, empty ones included.
    void group(const char* key, std::size_t first, std::size_t count, const char* after = " ") {
        line_ += '(';
        line_ += key;
        for (std::size_t slot = first; slot < first + count; ++slot) {
            line_ += ' ';
            line_ += record_[slot];
        }
        line_ += ')';
        line_ += after;
    }

    // A group written only when its first slot holds something.
    void optional(const char* key, std::size_t first, std::size_t count, const char* after = " ") {
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
        line_ += "(country ";
        line_ += record_[Slot::Country];
        for (std::size_t slot : {Slot::Country + 1, Slot::Country + 2}) {
            if (!record_[slot].empty()) {
                line_ += ' ';
                line_ += record_[slot];
            }
        }
        line_ += ") ";
    }

    // A raw text that kept the space after its key as read is written right
    // after the key, so that reading and writing it again changes nothing.
    void raw(const char* key, const std::string& text) {
        line_ += '(';
        line_ += key;
        if (text.empty() || text.front() != ' ') {
            line_ += ' ';
        }
        line_ += text;
        line_ += ')';
    }

    void text(const char* piece) { line_ += piece; }
    std::string take() { return std::move(line_); }

  private:
    const MonsterRecord& record_;
    std::string line_;
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
