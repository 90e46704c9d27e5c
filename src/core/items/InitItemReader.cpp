#include "items/InitItemReader.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {
enum class KeyAction { NewRecord, Field, Container, Mark };
enum class ValueMode { Word, Quoted, Flag };

struct Key {
    std::string_view text;
    KeyAction action;
    ItemField field = {};
    ValueMode mode = ValueMode::Word;
};

// Looked up after every byte of a key (findKey); no key text matches two entries.
constexpr std::array kKeys{
    Key{"item", KeyAction::NewRecord},
    Key{"name", KeyAction::Field, ItemField::NameNumber},
    Key{"Index", KeyAction::Field, ItemField::Index},
    Key{"Image", KeyAction::Field, ItemField::Image, ValueMode::Quoted},
    Key{"Action", KeyAction::Field, ItemField::Action},
    Key{"desc", KeyAction::Field, ItemField::Description},
    Key{"class", KeyAction::Field, ItemField::Category},
    Key{"code", KeyAction::Field, ItemField::Code},
    Key{"country", KeyAction::Field, ItemField::Country},
    Key{"level", KeyAction::Field, ItemField::Grade},
    Key{"wear", KeyAction::Field, ItemField::Wear, ValueMode::Flag},
    Key{"use", KeyAction::Field, ItemField::Use, ValueMode::Flag},
    Key{"plural", KeyAction::Field, ItemField::Plural, ValueMode::Flag},
    Key{"pay", KeyAction::Field, ItemField::Pay, ValueMode::Flag},
    Key{"cooltime", KeyAction::Field, ItemField::CoolTime},
    Key{"limit", KeyAction::Field, ItemField::Class},
    Key{"range", KeyAction::Field, ItemField::Range},
    Key{"buy", KeyAction::Field, ItemField::Buy},
    Key{"sell", KeyAction::Field, ItemField::Sell},
    Key{"endurance", KeyAction::Field, ItemField::Endurance},
    Key{"maxprotect", KeyAction::Field, ItemField::MaxProtect},
    Key{"efect", KeyAction::Field, ItemField::Effect},
    Key{"specialty", KeyAction::Container},
    Key{"aspeed", KeyAction::Field, ItemField::AttackSpeed},
    Key{"Str", KeyAction::Field, ItemField::Str},
    Key{"Hth", KeyAction::Field, ItemField::Hth},
    Key{"Wis", KeyAction::Field, ItemField::Wis},
    Key{"Dex", KeyAction::Field, ItemField::Dex},
    Key{"Int", KeyAction::Field, ItemField::Int},
    Key{"hp", KeyAction::Field, ItemField::Hp},
    Key{"mp", KeyAction::Field, ItemField::Mp},
    Key{"Attack", KeyAction::Field, ItemField::AttackMax},
    Key{"Magic", KeyAction::Field, ItemField::MagicMax},
    Key{"hit", KeyAction::Field, ItemField::Hit},
    Key{"defense", KeyAction::Field, ItemField::Defense},
    Key{"dodge", KeyAction::Field, ItemField::Dodge},
    Key{"absorb", KeyAction::Field, ItemField::Absorb},
    Key{"resistfire", KeyAction::Field, ItemField::ResistFire},
    Key{"resistice", KeyAction::Field, ItemField::ResistIce},
    Key{"resistlitning", KeyAction::Field, ItemField::ResistLightning},
    Key{"resistcurse", KeyAction::Field, ItemField::ResistCurse},
    Key{"resistpalsy", KeyAction::Field, ItemField::ResistPalsy},
    Key{"refresh hp", KeyAction::Field, ItemField::RefreshHp},
    Key{"buff", KeyAction::Field, ItemField::Buff},
    Key{"revival", KeyAction::Field, ItemField::Revival},
    Key{"Changeprefix", KeyAction::Field, ItemField::ChangePrefix},
    Key{"charming", KeyAction::Field, ItemField::Charming},
    Key{"teleport", KeyAction::Field, ItemField::Teleport},
    Key{"mspeed", KeyAction::Field, ItemField::MoveSpeed},
    Key{"gstate", KeyAction::Field, ItemField::GState},
    Key{"repair", KeyAction::Mark, ItemField::Repair},
    Key{"protect", KeyAction::Mark, ItemField::Protect},
};

constexpr std::size_t kLongestKey =
    std::ranges::max(kKeys, {}, [](const Key& key) { return key.text.size(); }).text.size();
static_assert(kLongestKey < InitItemReader::kKeyBytes);

// The keys chained by length and last byte: the reader looks for a key after
// every byte, and compares only the few keys that could match.
struct KeyIndex {
    static constexpr std::uint8_t kNone = 0xFF;
    std::array<std::array<std::uint8_t, 256>, kLongestKey + 1> first{};
    std::array<std::uint8_t, kKeys.size()> next{};
};
static_assert(kKeys.size() < KeyIndex::kNone);

constexpr KeyIndex kKeyIndex = [] {
    KeyIndex index;
    for (auto& byLastByte : index.first) {
        byLastByte.fill(KeyIndex::kNone);
    }
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        std::uint8_t& head =
            index.first[kKeys[i].text.size()][static_cast<unsigned char>(kKeys[i].text.back())];
        index.next[i] = head;
        head = static_cast<std::uint8_t>(i);
    }
    return index;
}();

const Key* findKey(std::string_view text) {
    if (text.empty() || text.size() > kLongestKey) {
        return nullptr;
    }
    for (std::uint8_t i = kKeyIndex.first[text.size()][static_cast<unsigned char>(text.back())];
         i != KeyIndex::kNone; i = kKeyIndex.next[i]) {
        // Keys are a few bytes long: a plain loop beats a call to memcmp.
        if (std::equal(text.begin(), text.end(), kKeys[i].text.begin(), kKeys[i].text.end(),
                       [](char x, char y) { return x == y; })) {
            return &kKeys[i];
        }
    }
    return nullptr;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isBlank(std::optional<char> c) {
    return c && isBlank(*c);
}
bool is(std::optional<char> c, char wanted) {
    return c && *c == wanted;
}

// The country fields hold a plain "1" for every country value the item is sold in.
constexpr auto kFirstCountry = static_cast<std::size_t>(ItemField::Country);
constexpr auto kLastCountry = static_cast<std::size_t>(ItemField::Available);

// What a country value or a mark stores.
const std::string kPresent = "1";
} // namespace

void InitItemReader::Step(char b, std::optional<char> a) {
    if (mode_ != Mode::None && open_) {
        valueStep(b, a);
    }
    if (!separatorPassed_ && open_) {
        keyStep(b);
    }
    if (b == '(') {
        open_ = true;
        keyLength_ = 0;
    }
}

void InitItemReader::valueStep(char b, std::optional<char> a) {
    switch (mode_) {
    case Mode::Word:
        wordStep(b, a);
        return;
    case Mode::Quoted:
        if (!separatorPassed_) {
            separatorPassed_ = b == '"';
            return;
        }
        value_ += b;
        if (is(a, '"')) {
            store(field_, value_);
            endGroup();
        }
        return;
    case Mode::Flag:
        if (!separatorPassed_) {
            separatorPassed_ = true;
        } else if (b == '0' || b == '1' || b == '2') {
            store(field_, "1");
            endGroup();
        }
        return;
    case Mode::None:
        return;
    }
}

void InitItemReader::wordStep(char b, std::optional<char> a) {
    // Whatever byte follows the key is its separator.
    if (!separatorPassed_) {
        separatorPassed_ = true;
        return;
    }
    if (isBlank(b)) {
        return;
    }
    value_ += b;
    if (is(a, ')')) {
        storeWord(StoredBefore::CloseParen);
        endGroup();
        valueCount_ = 0;
    } else if (isBlank(a)) {
        storeWord(StoredBefore::Blank);
        value_.clear();
        ++valueCount_;
    }
}

void InitItemReader::storeWord(StoredBefore reason) {
    if (valueCount_ >= 1) {
        ++field_;
    }
    const bool country = reason == StoredBefore::Blank ? field_ >= kFirstCountry && field_ <= kLastCountry
                                                       : field_ == kLastCountry;
    store(field_, country ? kPresent : value_);
}

void InitItemReader::endGroup() {
    mode_ = Mode::None;
    separatorPassed_ = false;
    open_ = false;
    value_.clear();
}

void InitItemReader::keyStep(char b) {
    // Past the longest key nothing matches until the next "(" starts a key again.
    if (keyLength_ == keyBytes_.size()) {
        return;
    }
    keyBytes_[keyLength_++] = b;
    const Key* key = findKey(std::string_view(keyBytes_.data(), keyLength_));
    if (key == nullptr) {
        return;
    }
    switch (key->action) {
    case KeyAction::NewRecord:
        keyLength_ = 0;
        open_ = false;
        ++load_.lastRow;
        break;
    case KeyAction::Field:
        field_ = static_cast<std::size_t>(key->field);
        mode_ = key->mode == ValueMode::Word     ? Mode::Word
                : key->mode == ValueMode::Quoted ? Mode::Quoted
                                                 : Mode::Flag;
        break;
    case KeyAction::Container:
        keyLength_ = 0;
        open_ = false;
        break;
    case KeyAction::Mark:
        store(static_cast<std::size_t>(key->field), kPresent);
        open_ = false;
        keyLength_ = 0;
        break;
    }
}

void InitItemReader::store(std::size_t field, const std::string& value) {
    if (load_.lastRow < 0 || field >= ItemRow::kFieldCount) {
        ++load_.valuesLeftOut;
        return;
    }
    const auto row = static_cast<std::size_t>(load_.lastRow);
    // Rows are never cleared: a load overwrites them, and adds the rows the table lacks.
    if (row >= table_.size()) {
        table_.Resize(row + 1);
    }
    table_[row].fields[field] = value;
}

ItemFileLoad ParseInitItem(std::string_view bytes, ItemTable& table) {
    return ParseItemFile<InitItemReader>(bytes, table);
}

ItemFileLoad ReadInitItem(const std::string& path, ItemTable& table, std::size_t blockSize) {
    return ReadItemFile<InitItemReader>(path, table, blockSize);
}
