#include "monsters/InitMonsterWriter.h"

#include "monsters/MonsterSlots.h"
#include "records/GroupSplitter.h"
#include "records/RecordBytes.h"

#include <string_view>

namespace {
namespace Slot = MonsterSlot;

// Whether the line writes a group of this key.
bool isLineKey(std::string_view key) {
    for (const MonsterGroup& group : kMonsterValueGroups) {
        if (group.key == key) {
            return true;
        }
    }
    return key == "skill" || key == "quest";
}

class LineBuilder {
  public:
    explicit LineBuilder(const MonsterRecord& record) : record_(record) {
        std::size_t size = 384;
        for (const std::string& slot : record.fields) {
            size += slot.size();
        }
        for (const std::string& group : record.extras.kept) {
            size += group.size() + 1;
        }
        for (const auto& surplus : record.extras.surplus) {
            size += surplus.second.size();
        }
        line_.reserve(size);
    }

    // "(key v1 v2 ...)" with single spaces between the values, empty ones
    // included, and the group's surplus values before its ")".
    void group(std::string_view key, std::size_t first, std::size_t count) {
        line_ += '(';
        line_ += key;
        for (std::size_t slot = first; slot < first + count; ++slot) {
            line_ += ' ';
            line_ += record_[slot];
        }
        closeGroup(first);
    }

    // A group written when its first slot holds something, and the kept
    // groups of its key after it.
    void optional(std::string_view key, std::size_t first, std::size_t count,
                  std::string_view separator = " ") {
        if (!record_[first].empty()) {
            group(key, first, count);
            line_ += separator;
        }
        kept(key, separator);
    }

    void always(std::string_view key, std::size_t first) {
        group(key, first, 1);
        line_ += ' ';
        kept(key, " ");
    }

    void itemGroups() {
        for (const std::size_t first : {Slot::ItemGroup1, Slot::ItemGroup2}) {
            if (!record_[first].empty() && record_[first] != "0") {
                group("itemgroup", first, 2);
                line_ += ' ';
            }
        }
        kept("itemgroup", " ");
    }

    void country() {
        line_ += "(country ";
        line_ += record_[Slot::Country];
        for (const std::size_t slot : {Slot::Country + 1, Slot::Country + 2}) {
            if (!record_[slot].empty()) {
                line_ += ' ';
                line_ += record_[slot];
            }
        }
        closeGroup(Slot::Country);
        line_ += ' ';
        kept("country", " ");
    }

    // A raw text that kept the blank after its key as read is written right
    // after the key, so that reading and writing it again changes nothing.
    void raw(std::string_view key, const std::string& text) {
        line_ += '(';
        line_ += key;
        if (text.empty() || !IsBlank(text.front())) {
            line_ += ' ';
        }
        line_ += text;
        line_ += ')';
    }

    void skill() {
        if (!record_[Slot::Skill].empty()) {
            raw("skill", record_[Slot::Skill]);
        }
        kept("skill", "");
    }

    // The last group of the line: its kept groups and those of keys the line
    // does not write follow it, each after one space.
    void questAndTheRest() {
        raw("quest", record_[Slot::Quest]);
        for (const std::string& group : record_.extras.kept) {
            const std::string_view key = LeadingWord(group);
            if (key == "quest" || !isLineKey(key)) {
                line_ += ' ';
                line_ += group;
            }
        }
    }

    void text(std::string_view piece) { line_ += piece; }

    std::string take() { return std::move(line_); }

  private:
    void closeGroup(std::size_t first) {
        line_ += record_.extras.SurplusOf(first);
        line_ += ')';
    }

    void kept(std::string_view key, std::string_view separator) {
        for (const std::string& group : record_.extras.kept) {
            if (LeadingWord(group) == key) {
                line_ += group;
                line_ += separator;
            }
        }
    }

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
    line.always("name", Slot::Name);
    line.always("index", Slot::Index);
    line.country();
    line.always("race", Slot::Race);
    line.always("level", Slot::Level);
    line.optional("ai", Slot::Ai, 1);
    line.optional("range", Slot::Range, 1);
    line.optional("sight", Slot::Sight1, 2);
    line.optional("exp", Slot::Exp, 1);
    line.itemGroups();
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
    line.skill();
    line.questAndTheRest();
    line.text(")");
    return line.take();
}
