#include "support/HostileInputs.h"

#include <random>

namespace {
std::string repeat(std::string_view piece, std::size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        out += piece;
    }
    return out;
}

std::string randomBytes(std::size_t size, unsigned seed) {
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string out(size, '\0');
    for (char& c : out) {
        c = static_cast<char>(byte(generator));
    }
    return out;
}

std::string withLineEnds(std::string_view record, std::string_view lineEnd, std::size_t times) {
    std::string line = "; comment line" + std::string(lineEnd) + std::string(record) + std::string(lineEnd);
    return repeat(line, times);
}
} // namespace

std::size_t BigInputBytes() {
#if defined(__SANITIZE_ADDRESS__)
    return 8'000'000;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return 8'000'000;
#else
    return 50'000'000;
#endif
#else
    return 50'000'000;
#endif
}

std::vector<HostileInput> HostileInputs(std::string_view record) {
    const std::string one(record);
    std::vector<HostileInput> inputs;
    inputs.push_back({"Empty", "", 0});
    inputs.push_back({"OnlyClose", repeat(")", 10000), 0});
    inputs.push_back({"OnlyOpen", repeat("(", 10000), 0});
    inputs.push_back({"DeepNesting", repeat("(", 100000) + repeat(")", 100000) + one, 1});
    // A stray ")" closes nothing, so the groups opened here never close.
    inputs.push_back({"Unbalanced", "(" + one + "))(" + one + "(((" + one, 0});
    inputs.push_back({"NulBytes", std::string("\0\0(\0)", 5) + one + std::string("\0", 1) + one, 2});
    inputs.push_back({"RandomBinary", randomBytes(200000, 7), 0});
    inputs.push_back({"ByteOrderMark", "\xEF\xBB\xBF" + one + "\r\n" + one + "\r\n", 2});
    inputs.push_back({"Latin1", "; caf\xE9 \xE0 la cr\xE8me\r\n" + one + "\r\n", 1});
    inputs.push_back({"CrOnly", withLineEnds(one, "\r", 50), 50});
    inputs.push_back({"LfOnly", withLineEnds(one, "\n", 50), 50});
    inputs.push_back(
        {"MixedLineEnds",
         withLineEnds(one, "\r\n", 10) + withLineEnds(one, "\n", 10) + withLineEnds(one, "\r", 10), 30});
    inputs.push_back({"FiftyMegabytes", repeat(one + "\r\n", BigInputBytes() / (one.size() + 2) + 1),
                      BigInputRecords(record)});
    inputs.push_back({"OneMegabyteRecord",
                      one.substr(0, one.size() - 1) + " (pad " + repeat("x", 1'000'000) + "))\r\n" + one, 2});
    inputs.push_back({"LongValues",
                      "(" + std::string(record.substr(1, record.find(' ') - 1)) + " (index " +
                          repeat("7", 100000) + ") (name " + repeat("9", 100000) + "))",
                      1});
    inputs.push_back({"ManyRecords", repeat(one + "\r\n", 20000), 20000});
    return inputs;
}

std::size_t BigInputRecords(std::string_view record) {
    return BigInputBytes() / (record.size() + 2) + 1;
}
