#include "records/ExtractValues.h"

std::size_t FindKey(std::string_view text, std::string_view key, std::size_t start) {
    if (start > text.size()) {
        return kKeyNotFound;
    }
    const std::size_t at = text.find(key, start);
    return at == std::string_view::npos ? kKeyNotFound : at + key.size();
}

std::size_t ExtractValues(std::string_view text, std::string_view key, std::span<std::string> slots,
                          std::size_t start) {
    std::size_t p = FindKey(text, key, start);
    if (p == kKeyNotFound) {
        return start;
    }
    std::size_t slot = 0;
    while (p < text.size()) {
        if (text[p] != ' ' && slot < slots.size()) {
            slots[slot] += text[p];
        }
        ++p;
        if (p < text.size() && text[p] == ' ') {
            ++slot;
            ++p;
        }
        if (p < text.size() && text[p] == ')') {
            break;
        }
    }
    return p;
}

std::size_t ReadRawGroup(std::string_view text, std::string_view key, std::string& slot, std::size_t start) {
    std::size_t p = FindKey(text, key, start);
    if (p == kKeyNotFound) {
        return start;
    }
    if (p < text.size() && text[p] == ')') {
        return p;
    }
    const std::size_t from = p;
    long long depth = 0;
    for (; p < text.size(); ++p) {
        if (text[p] == '(') {
            ++depth;
        } else if (text[p] == ')') {
            if (depth == 0) {
                break;
            }
            --depth;
        }
    }
    slot.append(text.substr(from, p - from));
    return p;
}
