#include "items/InitItemReader.h"

#include "items/LookaheadFeeder.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {
enum class KeyAction { NewRecord, Field, Container, Mark };
enum class ValueMode { Word, Quoted, Flag };

struct Key {
    std::string_view text;
    KeyAction action;
    std::size_t field = 0;
    ValueMode mode = ValueMode::Word;
};

// Looked up after every byte of a key (findKey); no key text matches two entries.
constexpr std::array kKeys{
    Key{"item", KeyAction::NewRecord},
    Key{"name", KeyAction::Field, 1},
    Key{"Index", KeyAction::Field, 2},
    Key{"Image", KeyAction::Field, 3, ValueMode::Quoted},
    Key{"Action", KeyAction::Field, 4},
    Key{"desc", KeyAction::Field, 6},
    Key{"class", KeyAction::Field, 7},
    Key{"code", KeyAction::Field, 9},
    Key{"country", KeyAction::Field, 13},
    Key{"level", KeyAction::Field, 16},
    Key{"wear", KeyAction::Field, 17, ValueMode::Flag},
    Key{"use", KeyAction::Field, 18, ValueMode::Flag},
    Key{"plural", KeyAction::Field, 19, ValueMode::Flag},
    Key{"pay", KeyAction::Field, 20, ValueMode::Flag},
    Key{"cooltime", KeyAction::Field, 21},
    Key{"limit", KeyAction::Field, 22},
    Key{"range", KeyAction::Field, 24},
    Key{"buy", KeyAction::Field, 25},
    Key{"sell", KeyAction::Field, 26},
    Key{"endurance", KeyAction::Field, 27},
    Key{"maxprotect", KeyAction::Field, 28},
    Key{"efect", KeyAction::Field, 29},
    Key{"specialty", KeyAction::Container},
    Key{"aspeed", KeyAction::Field, 30},
    Key{"Str", KeyAction::Field, 31},
    Key{"Hth", KeyAction::Field, 32},
    Key{"Wis", KeyAction::Field, 33},
    Key{"Dex", KeyAction::Field, 34},
    Key{"Int", KeyAction::Field, 67},
    Key{"hp", KeyAction::Field, 35},
    Key{"mp", KeyAction::Field, 36},
    Key{"Attack", KeyAction::Field, 37},
    Key{"Magic", KeyAction::Field, 39},
    Key{"hit", KeyAction::Field, 41},
    Key{"defense", KeyAction::Field, 42},
    Key{"dodge", KeyAction::Field, 43},
    Key{"absorb", KeyAction::Field, 44},
    Key{"resistfire", KeyAction::Field, 45},
    Key{"resistice", KeyAction::Field, 46},
    Key{"resistlitning", KeyAction::Field, 47},
    Key{"resistcurse", KeyAction::Field, 48},
    Key{"resistpalsy", KeyAction::Field, 49},
    Key{"refresh hp", KeyAction::Field, 50},
    Key{"buff", KeyAction::Field, 51},
    Key{"revival", KeyAction::Field, 54},
    Key{"Changeprefix", KeyAction::Field, 55},
    Key{"charming", KeyAction::Field, 60},
    Key{"teleport", KeyAction::Field, 61},
    Key{"mspeed", KeyAction::Field, 63},
    Key{"gstate", KeyAction::Field, 64},
    Key{"repair", KeyAction::Mark, 65},
    Key{"protect", KeyAction::Mark, 66},
};

constexpr std::size_t kLongestKey =
    std::ranges::max(kKeys, {}, [](const Key& key) { return key.text.size(); }).text.size();

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
constexpr std::size_t kFirstCountry = 13;
constexpr std::size_t kLastCountry = 15;

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
        key_.clear();
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
    key_ += b;
    const Key* key = findKey(key_);
    if (key == nullptr) {
        return;
    }
    switch (key->action) {
    case KeyAction::NewRecord:
        key_.clear();
        open_ = false;
        ++load_.lastRow;
        break;
    case KeyAction::Field:
        field_ = key->field;
        mode_ = key->mode == ValueMode::Word     ? Mode::Word
                : key->mode == ValueMode::Quoted ? Mode::Quoted
                                                 : Mode::Flag;
        break;
    case KeyAction::Container:
        key_.clear();
        open_ = false;
        break;
    case KeyAction::Mark:
        store(key->field, kPresent);
        open_ = false;
        key_.clear();
        break;
    }
}

void InitItemReader::store(std::size_t field, const std::string& value) {
    if (load_.lastRow < 0 || field >= ItemTable::kFields) {
        ++load_.valuesLeftOut;
        return;
    }
    const auto row = static_cast<std::size_t>(load_.lastRow);
    // Rows are never cleared: a load overwrites them, and adds the rows the table lacks.
    if (row >= table_.size()) {
        table_.Resize(row + 1);
    }
    table_[row][field] = value;
}

LoadNotes InitItemLoad::notes() const {
    if (valuesLeftOut == 0) {
        return {};
    }
    return {std::to_string(valuesLeftOut) +
            " values before the first item record or past field 70 were left out."};
}

InitItemLoad ParseInitItem(std::string_view bytes, ItemTable& table) {
    return ParseWithLookahead<InitItemReader>(bytes, table);
}

InitItemLoad ReadInitItem(const std::string& path, ItemTable& table, std::size_t blockSize) {
    return ReadWithLookahead<InitItemReader>(path, table, blockSize);
}
