#include "player/graphics.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/player/pictures.h"

namespace orv::player {
namespace {

using testing::ColourfulImage;

TEST(GraphicsTest, JpegRoundTripKeepsEveryPixelClose) {
    const RgbImage original = ColourfulImage(3, 2);
    const DecodedImage decoded = DecodeJpeg(*EncodeJpeg(original, 100));
    ASSERT_TRUE(decoded.Image) << decoded.Error;
    EXPECT_EQ(decoded.Image->Width, 3u);
    EXPECT_EQ(decoded.Image->Height, 2u);
    ASSERT_EQ(decoded.Image->Pixels.size(), original.Pixels.size());
    for (std::size_t i = 0; i < original.Pixels.size(); ++i)
        EXPECT_LE(std::abs(decoded.Image->Pixels[i] - original.Pixels[i]), 4) << "byte " << i;
}

TEST(GraphicsTest, GrayJpegGivesEqualChannels) {
    const DecodedImage decoded = DecodeJpeg(testing::GrayJpeg(5, 4, 77));
    ASSERT_TRUE(decoded.Image) << decoded.Error;
    const std::vector<std::uint8_t>& p = decoded.Image->Pixels;
    for (std::size_t i = 0; i < p.size(); i += 3) {
        EXPECT_EQ(p[i], p[i + 1]);
        EXPECT_EQ(p[i], p[i + 2]);
        EXPECT_NEAR(p[i], 77, 1);
    }
}

TEST(GraphicsTest, DamagedJpegsAreRefusedWithAReason) {
    const std::vector<std::uint8_t> whole = testing::ColourJpeg(40, 30);
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"cut off", {whole.begin(), whole.begin() + whole.size() / 2}, "Premature end"},
        {"header only", {whole.begin(), whole.begin() + 20}, ""},
        {"not a JPEG", {'B', 'M', 0, 0}, ""},
        {"empty", {}, ""},
        // Refused from the header, before anything is allocated for it.
        {"40000 x 40000", testing::WithClaimedSize(whole, 40000, 40000), "32767"},
        {"20000 x 20000", testing::WithClaimedSize(whole, 20000, 20000), "256 MB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DecodedImage decoded = DecodeJpeg(c.bytes);
        EXPECT_FALSE(decoded.Image);
        EXPECT_FALSE(decoded.Error.empty());
        EXPECT_NE(decoded.Error.find(c.reason), std::string::npos) << decoded.Error;
    }
}

TEST(GraphicsTest, BitmapRowsArePaddedAndBottomUp) {
    const RgbImage image = ColourfulImage(3, 2);
    const std::vector<std::uint8_t> dib = DibFromRgb(image);
    ASSERT_EQ(dib.size(), 40u + 2 * 12);
    // The first stored row is the bottom one, blue first, then one pad byte.
    const std::uint8_t* bottom = dib.data() + 40;
    EXPECT_EQ(bottom[0], image.Pixels[9 + 2]);
    EXPECT_EQ(bottom[2], image.Pixels[9 + 0]);
    EXPECT_EQ(bottom[9], 0);

    const std::vector<std::uint8_t> file = *BmpFileFromDib(dib);
    ASSERT_EQ(file.size(), 14u + dib.size());
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(GetU32(file, 2), file.size());
    EXPECT_EQ(GetU32(file, 10), 54u);

    const DecodedImage back = RgbFromDib(dib);
    ASSERT_TRUE(back.Image);
    EXPECT_EQ(back.Image->Pixels, image.Pixels);
}

TEST(GraphicsTest, BitmapFileKeepsThePalette) {
    // 2 x 1 pixels at 8 bits with a colour table of two entries.
    std::vector<std::uint8_t> dib(40 + 2 * 4 + 4);
    Bytes b(dib);
    PutU32(b, 0, 40);
    PutI32(b, 4, 2);
    PutI32(b, 8, 1);
    PutU16(b, 12, 1);
    PutU16(b, 14, 8);
    PutU32(b, 32, 2);
    const std::vector<std::uint8_t> file = *BmpFileFromDib(dib);
    EXPECT_EQ(GetU32(file, 10), 14u + 40 + 8);
    EXPECT_FALSE(BmpFileFromDib(std::span(dib).first(dib.size() - 1)));  // rows cut short
    EXPECT_FALSE(RgbFromDib(dib).Image);                                 // not 24-bit
}

TEST(GraphicsTest, MetafileHeadersAreChecked) {
    const std::vector<std::uint8_t> placeable = testing::PlaceableMetafile();
    const std::optional<Metafile> read = ReadMetafile(placeable);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Bits.size(), placeable.size() - 22);
    EXPECT_EQ(read->WidthHiMetric, 5080);
    EXPECT_EQ(read->HeightHiMetric, 2540);

    const std::vector<std::uint8_t> plain(placeable.begin() + 22, placeable.end());
    EXPECT_TRUE(ReadMetafile(plain));

    std::vector<std::uint8_t> badChecksum = placeable;
    badChecksum[20] ^= 1;
    std::vector<std::uint8_t> longerThanFile = placeable;
    longerThanFile[28] = 200;
    EXPECT_FALSE(ReadMetafile(badChecksum));
    EXPECT_FALSE(ReadMetafile(longerThanFile));
    EXPECT_FALSE(ReadMetafile(std::span(placeable).first(30)));
}

}  // namespace
}  // namespace orv::player
