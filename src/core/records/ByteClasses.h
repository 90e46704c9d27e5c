#pragma once

// The byte classes of the record syntax.

// A blank separates words: a space, a tab, a CR or an LF.
constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A byte that can stand in a key or keyword: a letter, a digit or "_".
constexpr bool IsWordByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// A line ends at a CR, an LF or a CR LF.
constexpr bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}
