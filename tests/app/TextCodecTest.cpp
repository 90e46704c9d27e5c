#include "common/TextCodec.h"
#include "records/Errors.h"

#include <gtest/gtest.h>

#include <string>

namespace {
TEST(TextCodec, EveryByteOfALatin1FieldComesBackUnchanged) {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) {
        bytes += static_cast<char>(byte);
    }
    EXPECT_EQ(FromQ(ToQ(bytes, TextEncoding::Latin1), TextEncoding::Latin1), bytes);
}

TEST(TextCodec, Utf8FieldsShowTheirCharactersAndComeBackUnchanged) {
    const std::string epee = "\xC3\x89p\xC3\xA9\x65 \xF0\x9F\x90\x89";
    const QString shown = ToQ(epee, TextEncoding::Utf8);
    EXPECT_EQ(shown, QString::fromUtf8("Épée 🐉"));
    EXPECT_EQ(FromQ(shown, TextEncoding::Utf8), epee);
    EXPECT_EQ(ToQ(epee, TextEncoding::Latin1).size(), 11) << "the same bytes shown one a character";
}

TEST(TextCodec, TypedTextTheFileCannotHoldIsRefusedNamingTheCharacter) {
    const struct {
        QString typed;
        const char* message;
    } cases[] = {
        {QString::fromUtf8("5 €"),
         "The character '\xE2\x82\xAC' (U+20AC) cannot be stored: the file is Latin-1 text"},
        {QString::fromUtf8("🐉"),
         "The character '\xF0\x9F\x90\x89' (U+1F409) cannot be stored: the file is Latin-1 text"},
    };
    for (const auto& c : cases) {
        try {
            FromQ(c.typed, TextEncoding::Latin1);
            ADD_FAILURE() << c.message;
        } catch (const BrennickError& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
        EXPECT_EQ(ToQ(FromQ(c.typed, TextEncoding::Utf8), TextEncoding::Utf8), c.typed);
    }
    EXPECT_EQ(FromQ(QString::fromUtf8("café"), TextEncoding::Latin1), "caf\xE9");
}
} // namespace
