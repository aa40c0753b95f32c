#include <gtest/gtest.h>

#include <array>

#include "common/short_string.h"
#include "common/string_routines.h"

namespace orv {
namespace {

TEST(ShortStrings, FieldCodecCutsClampsAndZeroFills) {
    std::array<std::uint8_t, 8> image;
    image.fill(0xAA);
    PutShortString(image, 1, 5, "abcdefgh");
    EXPECT_EQ(image, (std::array<std::uint8_t, 8>{0xAA, 5, 'a', 'b', 'c', 'd', 'e', 0xAA}));
    PutShortString(image, 1, 5, "xy");
    EXPECT_EQ(image, (std::array<std::uint8_t, 8>{0xAA, 2, 'x', 'y', 0, 0, 0, 0xAA}));
    EXPECT_EQ(GetShortString(image, 1, 5), "xy");
    image[1] = 200;  // damaged length byte
    EXPECT_EQ(GetShortString(image, 1, 5), std::string("xy\0\0\0", 5));
}

TEST(ShortStrings, AssigningCutsToCapacity) {
    ShortString<3> s = "abcdef";
    EXPECT_EQ(s, "abc");
    s = "\xE9t";
    EXPECT_EQ(s.str(), "\xE9t");
    std::array<std::uint8_t, 4> image{};
    s.Encode(image, 0);
    EXPECT_EQ(ShortString<3>::Decode(image, 0), s);
}

TEST(StringRoutines, TrimPadCharAndExtension) {
    EXPECT_EQ(TrimStr("  a b  "), "a b");
    EXPECT_EQ(TrimStr("\ta\t"), "\ta\t");
    EXPECT_EQ(TrimStr("   "), "");
    EXPECT_EQ(PadLeftStr("ab", 4), "  ab");
    EXPECT_EQ(PadLeftStr("abcde", 4), "abcde");
    EXPECT_EQ(ChangeExt3("ORVAN.ORN", "MAS"), "ORVAN.MAS");
    EXPECT_EQ(ChangeExt3("AB", "MAS"), "MAS");
    EXPECT_EQ(UpperAscii("a\xE9z"), "A\xE9Z");
    EXPECT_TRUE(SameTextAscii("Orvane Editor", "ORVANE EDITOR"));
    EXPECT_FALSE(SameTextAscii("\xE9", "\xC9"));
}

TEST(StringRoutines, FixedPointText) {
    EXPECT_EQ(RealToText(8, 2, 3.14159), "    3.14");
    EXPECT_EQ(RealToText(1, 0, -4), "-4");
    EXPECT_EQ(RealToText(0, 3, 0.5), "0.500");
    EXPECT_EQ(RealToText(6, 1, -12.34), " -12.3");
    EXPECT_EQ(RealToText(1, 0, 1e15), "1000000000000000");
}

TEST(StringRoutines, SeparatedNumbers) {
    EXPECT_EQ(NumToSepText(1, 0, 1234567), "1,234,567");
    EXPECT_EQ(NumToSepText(1, 0, -123456), "-123,456");
    EXPECT_EQ(NumToSepText(1, 0, -123), "-123");
    EXPECT_EQ(NumToSepText(1, 0, 999), "999");
    EXPECT_EQ(NumToSepText(1, 0, 1000), "1,000");
    EXPECT_EQ(NumToSepText(1, 0, 0), "0");
    EXPECT_EQ(NumToSepText(12, 2, 1234567.891), "1,234,567.89");
    EXPECT_EQ(NumToSepText(12, 2, -1234.5), "   -1,234.50");
    EXPECT_EQ(NumToSepText(1, 0, 1e12), "1,000,000,000,000");
    EXPECT_EQ(NumToSepText(1, 2, -0.25), "-0.25");
}

TEST(StringRoutines, ScrambleSwapsBandsAndIsItsOwnInverse) {
    EXPECT_EQ(ScrambleText("A"), "Z");
    EXPECT_EQ(ScrambleText(std::string(1, '\x01')), std::string(1, '\x1A'));
    EXPECT_EQ(ScrambleText(std::string(1, '\xC8')), std::string(1, '\xAF'));  // 200 -> 175
    for (int c = 0; c < 256; ++c) {
        std::string one(1, static_cast<char>(c));
        std::string scrambled = ScrambleText(one);
        EXPECT_EQ(ScrambleText(scrambled), one) << c;
        if (c == 0 || c > 200) EXPECT_EQ(scrambled, one) << c;
        else EXPECT_NE(scrambled, one) << c;
    }
}

}  // namespace
}  // namespace orv
