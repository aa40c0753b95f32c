#include "common/cipher.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace orv {
namespace {

TEST(Cipher, KnownAnswers) {
    // seed 0x10; 'A' 65 + 16 = 81, xor 'K' 75 = 0x1A
    EXPECT_EQ(EncryptText("A", "K", 0x10), "101A");
    // seed 0xFF; 'H' (72 + 255) mod 255 = 72 xor 'a' = 0x29; 'i' 105 + 41 = 146 xor 'b' = 0xF0
    EXPECT_EQ(EncryptText("Hi", "ab", 0xFF), "FF29F0");
    // An empty key uses only the default key's first character, 'K'.
    EXPECT_EQ(EncryptText("AB", "", 0x00), "000A07");
    EXPECT_EQ(DecryptText("000A07", ""), "AB");
    EXPECT_EQ(DecryptText("ff29f0", "ab"), "Hi");
}

TEST(Cipher, RoundTripsEveryCharacterUnderEverySeed) {
    std::string all;
    for (int c = 1; c <= 255; ++c) all += static_cast<char>(c);
    for (const char* key : {"", "K", "DRUNBOLTqiv", "\xFF\x01"}) {
        for (int seed = 0; seed < 256; ++seed) {
            // Each character after every cipher byte: walk the text in slices
            // so that no slice is cut at 255 characters of output.
            for (std::size_t start = 0; start < all.size(); start += 100) {
                std::string text = all.substr(start, 100);
                std::string cipher = EncryptText(text, key, static_cast<std::uint8_t>(seed));
                ASSERT_EQ(DecryptText(cipher, key), text) << "seed " << seed << " key " << key;
            }
        }
    }
}

TEST(Cipher, RepeatedMaximalCharacterSurvivesMaximalCipherByte) {
    // With this key a run of character 255 after seed 255 keeps producing
    // cipher byte 255, where plain addition modulo 255 would wrap to 0.
    std::string text(20, '\xFF');
    std::string key(1, '\0');
    std::string cipher = EncryptText(text, key, 0xFF);
    EXPECT_EQ(cipher.substr(0, 6), "FFFFFF");
    EXPECT_EQ(DecryptText(cipher, key), text);
}

TEST(Cipher, OutputIsCutAt255Characters) {
    EXPECT_EQ(EncryptText(std::string(126, 'x'), "k", 1).size(), 254u);
    std::string cut = EncryptText(std::string(200, 'x'), "k", 1);
    EXPECT_EQ(cut.size(), 255u);
    EXPECT_EQ(DecryptText(cut, "k"), std::string(126, 'x'));
}

TEST(Cipher, ShortAndMalformedCipherTexts) {
    EXPECT_EQ(DecryptText("", "k"), "");
    EXPECT_EQ(DecryptText("4F", "k"), "");
    EXPECT_EQ(DecryptText("ZZ", "k"), "");
    EXPECT_EQ(DecryptText("4FZZ", "k"), std::nullopt);
    EXPECT_EQ(DecryptText("QQ00", "k"), std::nullopt);
    EXPECT_EQ(DecryptText("4F1A-B", "k"), std::nullopt);
    // A lone trailing digit is read only as the first pair.
    EXPECT_EQ(DecryptText("1010A", "K").value().size(), 1u);
    EXPECT_EQ(DecryptText("101", "K").value().size(), 1u);
}

TEST(Cipher, ComponentEncryptsWithFreshSeedsAndDecrypts) {
    TVardoEncryption c;
    c.Key = "DRUNBOLTqiv";
    std::set<std::string> outputs;
    for (int i = 0; i < 8; ++i) {
        c.Action = TActionType::atEncryption;
        c.Input = "Hello, world";
        ASSERT_TRUE(c.Execute());
        EXPECT_EQ(c.Output.size(), 2 + 2 * c.Input.size());
        outputs.insert(c.Output);
        c.Action = TActionType::atDecryption;
        c.Input = c.Output;
        ASSERT_TRUE(c.Execute());
        EXPECT_EQ(c.Output, "Hello, world");
    }
    EXPECT_GT(outputs.size(), 1u);

    c.Input = "";
    EXPECT_TRUE(c.Execute());
    EXPECT_EQ(c.Output, "");

    c.Input = "00GG";
    EXPECT_FALSE(c.Execute());
    EXPECT_EQ(c.Output, "");
}

}  // namespace
}  // namespace orv
