#include "maps/JpegDecoder.h"
#include "records/Errors.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {
std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(JpegDecoder, DecodesTheWorldPicture) {
    const RgbImage image = DecodeJpeg(readFile(BRENNICK_RESOURCES "/pictures/world.jpg"));
    EXPECT_EQ(image.width, 360);
    EXPECT_EQ(image.height, 660);
    EXPECT_EQ(image.pixels.size(), 360u * 660u * 3u);
}

TEST(JpegDecoder, BrokenDataIsAFailureNotACrash) {
    const std::string whole = readFile(BRENNICK_RESOURCES "/pictures/world.jpg");
    for (const std::string& bytes : {std::string(), std::string("not a picture"), whole.substr(0, 20)}) {
        EXPECT_THROW(DecodeJpeg(bytes), BrennickError);
    }
}
} // namespace
