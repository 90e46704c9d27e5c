#pragma once

#include "items/ItemFileReading.h"
#include "items/ItemTable.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The InitItem.txt scanner: a state machine over the bytes that looks one
// byte ahead. Keys are taken as soon as the bytes after "(" spell one of them,
// exactly and with case; values are collected in word, quoted or flag mode.
// Runs of bytes that only extend a value or that no state looks at are
// passed over in one go, and a key after "(" is taken whole; the other bytes
// take one step each.
class InitItemReader {
  public:
    explicit InitItemReader(ItemTable& table) : table_(table) {}

    void Scan(std::string_view bytes, std::size_t count);

    // Its last row counts `item` records; the values left out are those met
    // before the first record or past field 70.
    const ItemFileLoad& result() const { return load_; }

    // More than the longest key: a key is looked for only among so many bytes.
    static constexpr std::size_t kKeyBytes = 16;

  private:
    enum class Mode { None, Word, Quoted, Flag };
    enum class StoredBefore { Blank, CloseParen };

    std::size_t passPlainBytes(const char* bytes, std::size_t at, std::size_t count, std::size_t size);
    std::size_t passValueBytes(const char* bytes, std::size_t at, std::size_t count, std::size_t size);
    void step(const char* bytes, std::size_t at, std::size_t size);
    void valueStep(const char* bytes, std::size_t at, std::optional<char> a);
    void wordStep(const char* bytes, std::size_t at, std::optional<char> a);
    void keyStep(char b);
    void takeKey(std::size_t key); // the key's position in the key list
    void store(std::size_t field, std::string_view value);
    void storeInNewRow(std::size_t field, std::string_view value); // also a value no row can take
    void storeWord(StoredBefore reason);
    void endGroup();

    ItemTable& table_;
    ItemFileLoad load_{.leftOut = "values before the first item record or past field 70"};
    Mode mode_ = Mode::None;
    bool separatorPassed_ = false;
    bool open_ = false;
    std::size_t valueCount_ = 0;
    std::size_t field_ = 0;
    std::array<char, kKeyBytes> keyBytes_{};
    std::size_t keyLength_ = 0;
    ValueText value_;
    ItemRow* row_ = nullptr; // the current row, once a value was stored in it
};

// Fills the table from the bytes of an InitItem.txt, as if read from a file
// cut into blocks of any size.
ItemFileLoad ParseInitItem(std::string_view bytes, ItemTable& table);

// Fills the table from the named file, read in blocks of `blockSize` bytes;
// a file that cannot be opened or read throws InOutError.
ItemFileLoad ReadInitItem(const std::string& path, ItemTable& table, std::size_t blockSize);
