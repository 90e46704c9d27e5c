#pragma once

#include <cstddef>
#include <initializer_list>
#include <random>
#include <string>
#include <string_view>

// The choices a generator of server-shaped files makes, drawn from a seeded
// source: the same seed gives the same file.
class SeededChoices {
  public:
    explicit SeededChoices(unsigned seed) : random_(seed) {}

    // 0 to n - 1.
    std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }
    bool OneIn(std::size_t n) { return Below(n) == 0; }
    std::string Number(std::size_t below) { return std::to_string(Below(below)); }

    std::string_view OneOf(std::initializer_list<std::string_view> texts) {
        return texts.begin()[Below(texts.size())];
    }

    // The blanks between two words of a group as server files have them:
    // mostly one space, now and then two, a tab or a tab and a space.
    std::string_view Blank() { return OneIn(6) ? OneOf({"  ", "\t", "\t ", " \t"}) : " "; }

  private:
    std::mt19937 random_;
};
