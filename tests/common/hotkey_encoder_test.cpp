#include "common/hotkey_encoder.h"

#include <gtest/gtest.h>

#include <map>

namespace orv {
namespace {

TEST(HotKeyEncoder, EveryCodeComesBackFromItsCombination) {
    for (int code = 0; code < HotKeyCount; ++code) {
        KeyCombination pressed = PressedCombination(code);
        EXPECT_EQ(EncodeHotKey(pressed), code) << KeyName(code);
        if (code != 720) {
            EXPECT_EQ(pressed, DecipherKey(code)) << KeyName(code);
        }
    }
    EXPECT_EQ(PressedCombination(720), (KeyCombination{.vk = 32, .win = true}));
}

// Every key and button with every set of modifiers: what encodes to a code
// is exactly that code's combination, so no two combinations share one.
TEST(HotKeyEncoder, NoTwoCombinationsShareACode) {
    std::map<int, int> found;
    auto tryAll = [&](std::uint16_t vk, std::uint16_t mouse) {
        for (int m = 0; m < 16; ++m) {
            KeyCombination k{.vk = vk,
                             .mouse = mouse,
                             .win = (m & 8) != 0,
                             .shift = (m & 4) != 0,
                             .alt = (m & 2) != 0,
                             .ctrl = (m & 1) != 0};
            int code = EncodeHotKey(k);
            if (code == NoHotKey)
                continue;
            EXPECT_EQ(PressedCombination(code), k) << KeyName(code);
            ++found[code];
        }
    };
    for (std::uint16_t vk = 1; vk < 256; ++vk) tryAll(vk, 0);
    for (std::uint16_t mouse = 1; mouse <= 3; ++mouse) tryAll(0, mouse);
    EXPECT_EQ(found.size(), static_cast<std::size_t>(HotKeyCount));
    for (const auto& [code, times] : found) EXPECT_EQ(times, 1) << KeyName(code);
}

TEST(HotKeyEncoder, WhatHasNoCode) {
    EXPECT_EQ(EncodeHotKey({.vk = 65}), NoHotKey) << "a plain letter is typing";
    EXPECT_EQ(EncodeHotKey({.vk = 65, .shift = true}), NoHotKey);
    EXPECT_EQ(EncodeHotKey({.vk = 16, .shift = true}), NoHotKey) << "a modifier alone";
    EXPECT_EQ(EncodeHotKey({.vk = 27, .ctrl = true}), NoHotKey);
    EXPECT_EQ(EncodeHotKey({.mouse = 1, .win = true}), NoHotKey);
    EXPECT_EQ(EncodeHotKey({.vk = 65, .mouse = 1, .ctrl = true}), NoHotKey);
    EXPECT_EQ(EncodeHotKey({.mouse = 4}), NoHotKey);
    EXPECT_EQ(EncodeHotKey({.vk = 300, .ctrl = true}), NoHotKey);
    EXPECT_EQ(EncodeHotKey({}), NoHotKey);
}

TEST(HotKeyEncoder, Examples) {
    EXPECT_EQ(EncodeHotKey({.vk = 65, .ctrl = true}), 0);
    EXPECT_EQ(EncodeHotKey({.vk = 27}), 698);
    EXPECT_EQ(EncodeHotKey({.vk = 112}), 288);
    EXPECT_EQ(EncodeHotKey({.mouse = 3, .shift = true, .ctrl = true}), 717);
    EXPECT_EQ(EncodeHotKey({.vk = 111, .alt = true}), 432);
    EXPECT_EQ(EncodeHotKey({.vk = 66, .win = true}), 555);
}

}  // namespace
}  // namespace orv
