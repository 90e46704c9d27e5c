#pragma once

#include "records/RecordText.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// Copies the values of one key of a record into consecutive fields. The key's
// group is found by RecordText::FindKeyGroup; its values are the words between
// the key and the first ")" after it, split at runs of blanks: the first word
// goes to fields[0], the next to fields[1], and so on. Words past the last
// field are appended to `surplus`, each after one space, so that they stay
// with their group. The group is taken. Returns where the next key's search
// starts: the ")" where the values ended when the group was found at or after
// `start`, otherwise `start` itself.
std::size_t ExtractValues(RecordText& record, std::string_view key, std::span<std::string> fields,
                          std::string& surplus, std::size_t start);

// Stores the raw contents of a key's group: everything from the byte right
// after the key up to the group's closing parenthesis, exclusive (nothing for
// "(quest)"). The group is found and taken as by ExtractValues; returns where
// the next search starts in the same way.
std::size_t ReadRawGroup(RecordText& record, std::string_view key, std::string& field, std::size_t start);

// Copies the words that follow a record's own keyword, up to the first "(" or
// ")", into consecutive fields (a record whose values stand right after its
// keyword, such as "(goto 1 2 3 4 5)"); words past the last field go to
// `surplus` as with ExtractValues.
void ExtractKeywordValues(const RecordText& record, std::span<std::string> fields, std::string& surplus);
