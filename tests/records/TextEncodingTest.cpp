#include "records/TextEncoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {
struct EncodingCase {
    const char* name;
    std::string bytes;
    TextEncoding encoding;
};

class TextEncodingTest : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(TextEncodingTest, DecidesPerFile) {
    EXPECT_EQ(DetectEncoding(GetParam().bytes), GetParam().encoding);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextEncodingTest,
    ::testing::Values(
        EncodingCase{"Ascii", "(monstername 1 \"Rat\")", TextEncoding::Latin1},
        EncodingCase{"Empty", "", TextEncoding::Latin1},
        EncodingCase{"Utf8Name", "(monstername 1 \"\xC3\x89p\xC3\xA9\x65\")", TextEncoding::Utf8},
        EncodingCase{"ByteOrderMarkAlone", "\xEF\xBB\xBF(genmonster (index 1))", TextEncoding::Utf8},
        EncodingCase{"FourByteSequence", "; \xF0\x9F\x90\x89", TextEncoding::Utf8},
        EncodingCase{"Latin1Accents", "; caf\xE9 \xE0 la cr\xE8me", TextEncoding::Latin1},
        EncodingCase{"Utf8ThenOneLatin1Byte", "\xC3\xA9 and \xE9", TextEncoding::Latin1},
        EncodingCase{"CutSequenceAtTheEnd", "ok \xE2\x82", TextEncoding::Latin1},
        EncodingCase{"OverlongSlash", "\xC0\xAF", TextEncoding::Latin1},
        EncodingCase{"Surrogate", "\xED\xA0\x80", TextEncoding::Latin1},
        EncodingCase{"PastTheLastCodePoint", "\xF4\x90\x80\x80", TextEncoding::Latin1},
        EncodingCase{"LoneContinuationByte", "a\x80", TextEncoding::Latin1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EncodingDetector, ACutBetweenBlocksChangesNothing) {
    for (const auto& c : {EncodingCase{"", "caf\xC3\xA9 \xF0\x9F\x90\x89 end", TextEncoding::Utf8},
                          EncodingCase{"", "caf\xC3\xA9 \xE9", TextEncoding::Latin1},
                          EncodingCase{"", "ok \xE2\x82", TextEncoding::Latin1}}) {
        for (std::size_t cut = 0; cut <= c.bytes.size(); ++cut) {
            EncodingDetector detector;
            detector.Feed(std::string_view(c.bytes).substr(0, cut));
            detector.Feed(std::string_view(c.bytes).substr(cut));
            EXPECT_EQ(detector.Result(), c.encoding) << c.bytes << " cut at " << cut;
        }
    }
}
} // namespace
