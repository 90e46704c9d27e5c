#include "monsters/InitMonsterWriter.h"

#include "monsters/InitMonsterReader.h"
#include "monsters/MonsterSlots.h"
#include "records/ByteClasses.h"
#include "records/GroupSplitter.h"
#include "records/KeptLayout.h"
#include "records/LineWriter.h"
#include "records/WrittenValues.h"

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace {
using Slot = MonsterSlot;

// Whether the line writes a group of this key.
bool isLineKey(std::string_view key) {
    for (const MonsterGroup& group : kMonsterValueGroups) {
        if (group.key == key) {
            return true;
        }
    }
    return key == "skill" || key == "quest";
}

// Builds a line in one buffer: the writer runs over every monster.
class LineBuilder {
  public:
    explicit LineBuilder(const MonsterRecord& record) : record_(record.fields), extras_(record.extras) {
        keptKeys_.reserve(record.extras.kept.size());
        for (const std::string& group : record.extras.kept) {
            const std::string_view key = LeadingWord(group);
            keptKeys_.push_back(key == "quest" || !isLineKey(key) ? std::string_view() : key);
        }
        for (const auto& [first, words] : record.extras.surplus) {
            surplus_.at(first) = words;
        }
    }

    // "(key v1 v2 ...)" with single spaces between the values, empty ones
    // included, and the group's surplus values before its ")".
    void group(std::string_view key, std::size_t first, std::size_t count) {
        put('(');
        put(key);
        const std::size_t filled = filledValues(first, count);
        for (std::size_t value = 0; value < count; ++value) {
            put(' ');
            put(WrittenValue(record_[first + value], value, filled));
        }
        closeGroup(first);
    }

    // A group written when its first slot holds something, and the kept
    // groups of its key after it.
    void optional(std::string_view key, MonsterSlot firstSlot, std::size_t count,
                  std::string_view separator = " ") {
        const std::size_t first = SlotNumber(firstSlot);
        if (!record_[first].empty()) {
            group(key, first, count);
            put(separator);
        }
        kept(key, separator);
    }

    void always(std::string_view key, MonsterSlot slot) {
        group(key, SlotNumber(slot), 1);
        put(' ');
        kept(key, " ");
    }

    void itemGroups() {
        for (const std::size_t first : {SlotNumber(Slot::ItemGroup1), SlotNumber(Slot::ItemGroup2)}) {
            if (!record_[first].empty() && record_[first] != "0") {
                group("itemgroup", first, 2);
                put(' ');
            }
        }
        kept("itemgroup", " ");
    }

    // The first value always, the others only when they are written filled.
    void country() {
        constexpr std::size_t kCountry = SlotNumber(Slot::Country);
        put("(country ");
        const std::size_t filled = filledValues(kCountry, 3);
        put(WrittenValue(record_[kCountry], 0, filled));
        for (std::size_t value = 1; value < filled; ++value) {
            put(' ');
            put(WrittenValue(record_[kCountry + value], value, filled));
        }
        closeGroup(kCountry);
        put(' ');
        kept("country", " ");
    }

    // A raw text that kept the blank after its key as read is written right
    // after the key, so that reading and writing it again changes nothing.
    void raw(std::string_view key, const std::string& text) {
        put('(');
        put(key);
        if (text.empty() || !IsBlank(text.front())) {
            put(' ');
        }
        put(text);
        put(')');
    }

    void skill() {
        const std::string& skill = record_[SlotNumber(Slot::Skill)];
        if (!skill.empty()) {
            raw("skill", skill);
        }
        kept("skill", "");
    }

    // The last group of the line: its kept groups and those of keys the line
    // does not write follow it, each after one space.
    void questAndTheRest() {
        raw("quest", record_[SlotNumber(Slot::Quest)]);
        for (std::size_t i = 0; i < keptKeys_.size(); ++i) {
            if (keptKeys_[i].empty()) {
                put(' ');
                put(extras_.kept[i]);
            }
        }
    }

    void text(std::string_view piece) { put(piece); }

    std::string take() const { return line_.Take(); }

  private:
    void put(char c) { line_.Put(c); }
    void put(std::string_view piece) { line_.Put(piece); }

    std::size_t filledValues(std::size_t first, std::size_t count) const {
        return FilledValueCount(std::span(record_).subspan(first, count), !surplus_[first].empty());
    }

    void closeGroup(std::size_t first) {
        put(surplus_[first]);
        put(')');
    }

    void kept(std::string_view key, std::string_view separator) {
        for (std::size_t i = 0; i < keptKeys_.size(); ++i) {
            if (keptKeys_[i] == key) {
                put(extras_.kept[i]);
                put(separator);
            }
        }
    }

    const decltype(MonsterRecord::fields)& record_;
    const RecordExtras& extras_;
    // The key of each kept group whose key's piece it follows; empty for one
    // that goes after the quest.
    std::vector<std::string_view> keptKeys_;
    std::array<std::string_view, MonsterTable::kSlots> surplus_{}; // by the first slot of their group
    LineWriter line_;
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
    line.optional("attack", Slot::RangeAttack, 3);
    line.optional("magic", Slot::MagicMax, 2);
    line.optional("defense", Slot::PhysicalDefense, 2);
    line.optional("absorb", Slot::Absorb, 1);
    line.optional("mspeed", Slot::Mspeed, 2);
    line.optional("resist", Slot::ResistFire, 5);
    line.skill();
    line.questAndTheRest();
    line.text(")");
    return line.take();
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
