#include "items/InitItemReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

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

// No key begins another, so at most one key begins any bytes: the one a key
// search meets first, as it compares after every byte.
constexpr bool noKeyBeginsAnother() {
    for (const Key& key : kKeys) {
        for (const Key& other : kKeys) {
            if (&key != &other && other.text.starts_with(key.text)) {
                return false;
            }
        }
    }
    return true;
}
static_assert(noKeyBeginsAnother());

// The keys chained by their first two bytes (every key has two), so that a
// search mostly compares one key.
struct KeyIndex {
    static constexpr std::uint8_t kNone = 0xFF;
    std::array<std::uint8_t, 256> first{};
    std::array<std::uint8_t, kKeys.size()> next{};

    static constexpr std::size_t Bucket(char a, char b) {
        return (static_cast<unsigned char>(a) * 31u + static_cast<unsigned char>(b)) % 256u;
    }
};
static_assert(kKeys.size() < KeyIndex::kNone);
static_assert(std::ranges::all_of(kKeys, [](const Key& key) { return key.text.size() >= 2; }));

constexpr KeyIndex kKeyIndex = [] {
    KeyIndex index;
    index.first.fill(KeyIndex::kNone);
    for (std::size_t i = kKeys.size(); i-- > 0;) {
        std::uint8_t& head = index.first[KeyIndex::Bucket(kKeys[i].text[0], kKeys[i].text[1])];
        index.next[i] = head;
        head = static_cast<std::uint8_t>(i);
    }
    return index;
}();

// Calls `found` with the position of every key that begins with the bytes a
// and b (and a few others) until it returns true; gives that position, or
// kKeys.size() if none.
template <typename Found> std::size_t searchKeys(char a, char b, Found found) {
    for (std::uint8_t i = kKeyIndex.first[KeyIndex::Bucket(a, b)]; i != KeyIndex::kNone;
         i = kKeyIndex.next[i]) {
        if (found(i)) {
            return i;
        }
    }
    return kKeys.size();
}

// The position of the key that is the whole text; kKeys.size() if none.
std::size_t findKey(std::string_view text) {
    return text.size() < 2
               ? kKeys.size()
               : searchKeys(text[0], text[1], [text](std::size_t key) { return kKeys[key].text == text; });
}

std::uint64_t loadWord(const char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// A key as the two eight-byte words of its first sixteen bytes, and which of
// their bytes it has; built with the loads that read the file's bytes, so the
// byte order of the machine never matters.
struct KeyPattern {
    std::uint64_t low, lowMask, high, highMask;
};

const std::array<KeyPattern, kKeys.size()> kKeyPatterns = [] {
    std::array<KeyPattern, kKeys.size()> patterns{};
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        std::array<char, 16> text{};
        std::array<char, 16> mask{};
        kKeys[i].text.copy(text.data(), text.size());
        std::fill_n(mask.begin(), kKeys[i].text.size(), '\xFF');
        patterns[i] = {loadWord(text.data()), loadWord(mask.data()), loadWord(text.data() + 8),
                       loadWord(mask.data() + 8)};
    }
    return patterns;
}();

// The position of the key that the bytes at `text` begin with; sixteen bytes
// are there. kKeys.size() if none.
std::size_t keyAt(const char* text) {
    const std::uint64_t low = loadWord(text);
    const std::uint64_t high = loadWord(text + 8);
    return searchKeys(text[0], text[1], [low, high](std::size_t key) {
        const KeyPattern& pattern = kKeyPatterns[key];
        return (low & pattern.lowMask) == pattern.low && (high & pattern.highMask) == pattern.high;
    });
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
constexpr std::string_view kPresent = "1";
} // namespace

void InitItemReader::Scan(std::string_view bytes, std::size_t count) {
    const char* data = bytes.data();
    ScanBytes(
        count, [&](std::size_t at) { return passPlainBytes(data, at, count, bytes.size()); },
        [&](std::size_t at) { step(data, at, bytes.size()); });
    value_.Detach();
}

std::size_t InitItemReader::passPlainBytes(const char* bytes, std::size_t at, std::size_t count,
                                           std::size_t size) {
    if (!open_) {
        at = FindAny<'('>(bytes, at, count);
        if (at == count) {
            return at;
        }
        open_ = true;
        keyLength_ = 0;
        ++at;
    } else if (separatorPassed_) {
        return passValueBytes(bytes, at, count, size);
    }
    if (mode_ != Mode::None) {
        return at;
    }
    // Past the longest key nothing matches until the next "(".
    if (keyLength_ == keyBytes_.size()) {
        return FindAny<'('>(bytes, at, count);
    }
    if (keyLength_ != 0 || count - at <= keyBytes_.size()) {
        return at;
    }
    // Right after "(" the key is taken whole, with the separator after it.
    const std::size_t key = keyAt(bytes + at);
    if (key == kKeys.size()) {
        keyLength_ = keyBytes_.size();
        return FindAny<'('>(bytes, at, count);
    }
    const std::string_view text = kKeys[key].text;
    takeKey(key);
    if (kKeys[key].action != KeyAction::Field) {
        return at + text.size();
    }
    if (mode_ == Mode::Quoted) {
        // The key text goes on growing up to the quote.
        keyLength_ = text.copy(keyBytes_.data(), text.size());
        return at + text.size();
    }
    separatorPassed_ = true;
    return passValueBytes(bytes, at + text.size() + 1, count, size);
}

inline std::size_t InitItemReader::passValueBytes(const char* bytes, std::size_t at, std::size_t count,
                                                  std::size_t size) {
    switch (mode_) {
    case Mode::Word: {
        // Blanks between values do nothing; a word byte only extends the value
        // unless it is "(" or is followed by ")" or a blank, which stores it.
        while (at < count && isBlank(bytes[at])) {
            ++at;
        }
        const std::size_t stop = FindAny<' ', '\t', '(', ')'>(bytes, at, size);
        if (stop > count || stop == size || bytes[stop] == '(' || stop == at) {
            const std::size_t end = std::min(stop, count);
            value_.Append(bytes + at, end - at);
            return end;
        }
        value_.Append(bytes + at, stop - at);
        if (bytes[stop] == ')') {
            storeWord(StoredBefore::CloseParen);
            endGroup();
            valueCount_ = 0;
        } else {
            storeWord(StoredBefore::Blank);
            value_.Clear();
            ++valueCount_;
        }
        return stop;
    }
    case Mode::Quoted: {
        // A quoted byte only extends the value unless it is "(", or is followed
        // by a quote, which stores the value.
        const std::size_t stop = FindAny<'"', '('>(bytes, at, size);
        if (stop > count || stop == size || bytes[stop] == '(' || stop == at) {
            const std::size_t end = std::min(stop, count);
            value_.Append(bytes + at, end - at);
            return end;
        }
        value_.Append(bytes + at, stop - at);
        store(field_, value_.View());
        endGroup();
        return stop;
    }
    case Mode::Flag: {
        const std::size_t stop = FindAny<'0', '1', '2', '('>(bytes, at, count);
        if (stop == count || bytes[stop] == '(') {
            return stop;
        }
        store(field_, kPresent);
        endGroup();
        return stop + 1;
    }
    case Mode::None:
        break;
    }
    return at;
}

void InitItemReader::step(const char* bytes, std::size_t at, std::size_t size) {
    const char b = bytes[at];
    const std::optional<char> a = at + 1 < size ? std::optional<char>(bytes[at + 1]) : std::nullopt;
    if (mode_ != Mode::None && open_) {
        valueStep(bytes, at, a);
    }
    if (!separatorPassed_ && open_) {
        keyStep(b);
    }
    if (b == '(') {
        open_ = true;
        keyLength_ = 0;
    }
}

void InitItemReader::valueStep(const char* bytes, std::size_t at, std::optional<char> a) {
    const char b = bytes[at];
    switch (mode_) {
    case Mode::Word:
        wordStep(bytes, at, a);
        return;
    case Mode::Quoted:
        if (!separatorPassed_) {
            separatorPassed_ = b == '"';
            return;
        }
        value_.Append(bytes + at, 1);
        if (is(a, '"')) {
            store(field_, value_.View());
            endGroup();
        }
        return;
    case Mode::Flag:
        if (!separatorPassed_) {
            separatorPassed_ = true;
        } else if (b == '0' || b == '1' || b == '2') {
            store(field_, kPresent);
            endGroup();
        }
        return;
    case Mode::None:
        return;
    }
}

void InitItemReader::wordStep(const char* bytes, std::size_t at, std::optional<char> a) {
    // Whatever byte follows the key is its separator.
    if (!separatorPassed_) {
        separatorPassed_ = true;
        return;
    }
    if (isBlank(bytes[at])) {
        return;
    }
    value_.Append(bytes + at, 1);
    if (is(a, ')')) {
        storeWord(StoredBefore::CloseParen);
        endGroup();
        valueCount_ = 0;
    } else if (isBlank(a)) {
        storeWord(StoredBefore::Blank);
        value_.Clear();
        ++valueCount_;
    }
}

inline void InitItemReader::storeWord(StoredBefore reason) {
    if (valueCount_ >= 1) {
        ++field_;
    }
    const bool country = reason == StoredBefore::Blank ? field_ >= kFirstCountry && field_ <= kLastCountry
                                                       : field_ == kLastCountry;
    store(field_, country ? kPresent : value_.View());
}

void InitItemReader::endGroup() {
    mode_ = Mode::None;
    separatorPassed_ = false;
    open_ = false;
    value_.Clear();
}

void InitItemReader::keyStep(char b) {
    // Past the longest key nothing matches until the next "(" starts a key again.
    if (keyLength_ == keyBytes_.size()) {
        return;
    }
    keyBytes_[keyLength_++] = b;
    const std::size_t key = findKey(std::string_view(keyBytes_.data(), keyLength_));
    if (key != kKeys.size()) {
        takeKey(key);
    }
}

void InitItemReader::takeKey(std::size_t position) {
    const Key& key = kKeys[position];
    switch (key.action) {
    case KeyAction::NewRecord:
        keyLength_ = 0;
        open_ = false;
        ++load_.lastRow;
        row_ = nullptr;
        break;
    case KeyAction::Field:
        field_ = static_cast<std::size_t>(key.field);
        mode_ = key.mode == ValueMode::Word     ? Mode::Word
                : key.mode == ValueMode::Quoted ? Mode::Quoted
                                                : Mode::Flag;
        break;
    case KeyAction::Container:
        keyLength_ = 0;
        open_ = false;
        break;
    case KeyAction::Mark:
        store(static_cast<std::size_t>(key.field), kPresent);
        open_ = false;
        keyLength_ = 0;
        break;
    }
}

inline void InitItemReader::store(std::size_t field, std::string_view value) {
    if (row_ != nullptr && field < ItemRow::kFieldCount) {
        StoreText(row_->fields[field], value);
    } else {
        storeInNewRow(field, value);
    }
}

void InitItemReader::storeInNewRow(std::size_t field, std::string_view value) {
    if (load_.lastRow < 0 || field >= ItemRow::kFieldCount) {
        ++load_.valuesLeftOut;
        return;
    }
    const auto row = static_cast<std::size_t>(load_.lastRow);
    // Rows are never cleared: a load overwrites them, and adds the rows the table lacks.
    if (row >= table_.size()) {
        table_.Resize(row + 1);
    }
    row_ = &table_[row];
    StoreText(row_->fields[field], value);
}

ItemFileLoad ParseInitItem(std::string_view bytes, ItemTable& table) {
    return ParseItemFile<InitItemReader>(bytes, table);
}

ItemFileLoad ReadInitItem(const std::string& path, ItemTable& table, std::size_t blockSize) {
    return ReadItemFile<InitItemReader>(path, table, blockSize);
}
