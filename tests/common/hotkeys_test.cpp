#include "common/hotkeys.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace orv {
namespace {

// Reads a key name back the way a user would: modifiers up to the key, then
// the key itself. Independent of the table's own construction.
struct ParsedName {
    KeyCombination keys;
    std::string key;
};

ParsedName ParseName(std::string name) {
    ParsedName p;
    for (bool found = true; found;) {
        found = false;
        for (auto [prefix, flag] : {std::pair{"Ctrl+", &p.keys.ctrl}, {"Alt+", &p.keys.alt},
                                    {"Shift+", &p.keys.shift}, {"Win+", &p.keys.win}}) {
            std::string pre = prefix;
            if (name.starts_with(pre) && name.size() > pre.size()) {
                *flag = true;
                name.erase(0, pre.size());
                found = true;
            }
        }
    }
    p.key = name;
    return p;
}

std::uint16_t VirtualKeyOfName(const std::string& key) {
    static const std::map<std::string, std::uint16_t> named = {
        {"Enter", 13},       {"Tab", 9},          {"Backspace", 8},    {"Space", 32},
        {"Insert", 45},      {"Delete", 46},      {"Home", 36},        {"End", 35},
        {"Page Up", 33},     {"Page Down", 34},   {"Left Arrow", 37},  {"Left Arro", 37},
        {"Right Arrow", 39}, {"Right Arr", 39},   {"Up Arrow", 38},    {"Down Arrow", 40},
        {"Down Arro", 40},   {"ESC", 27},         {".", 190},          {",", 188},
        {"/", 191},          {";", 186},          {"'", 222},          {"\\", 220},
        {"[", 219},          {"]", 221},          {"-", 189},          {"=", 187},
        {"`", 192},          {"Keypad /", 111},   {"Keypad *", 106},   {"Keypad -", 109},
        {"Keypad +", 107}};
    if (key.size() == 1 && ((key[0] >= 'A' && key[0] <= 'Z') || (key[0] >= '0' && key[0] <= '9')))
        return static_cast<std::uint16_t>(key[0]);
    if (key.size() >= 2 && key[0] == 'F' && key.find_first_not_of("0123456789", 1) == std::string::npos)
        return static_cast<std::uint16_t>(111 + std::stoi(key.substr(1)));
    std::string normal = key;
    if (normal.starts_with("KeyPad")) normal[3] = 'p';
    if (normal.starts_with("Keypad ") && normal.size() == 8 && std::isdigit(normal[7]))
        return static_cast<std::uint16_t>(96 + (normal[7] - '0'));
    auto it = named.find(normal);
    return it == named.end() ? 0xFFFF : it->second;
}

TEST(HotKeyCodes, EveryCodeDecodesAsItsNameSays) {
    std::set<std::string> names;
    for (int code = 0; code < HotKeyCount - 1; ++code) {
        SCOPED_TRACE("code " + std::to_string(code) + " " + KeyName(code));
        const std::string& name = KeyName(code);
        ASSERT_FALSE(name.empty());
        EXPECT_LE(name.size(), KeyNameCapacity);
        EXPECT_TRUE(names.insert(name).second) << "name used twice";

        ParsedName parsed = ParseName(name);
        KeyCombination expected = parsed.keys;
        if (parsed.key == "LMouse" || parsed.key == "RMouse" || parsed.key == "MMouse") {
            expected.mouse = parsed.key[0] == 'L' ? 1 : parsed.key[0] == 'R' ? 2 : 3;
        } else {
            expected.vk = VirtualKeyOfName(parsed.key);
        }
        EXPECT_EQ(DecipherKey(code), expected);
    }
}

// The hook library turns a pressed combination back into a code, so no two
// codes may stand for the same combination.
TEST(HotKeyCodes, CombinationsAreUnique) {
    std::map<std::tuple<int, int, bool, bool, bool, bool>, int> seen;
    for (int code = 0; code < HotKeyCount - 1; ++code) {
        KeyCombination k = DecipherKey(code);
        auto key = std::tuple{k.vk, k.mouse, k.win, k.shift, k.alt, k.ctrl};
        auto [it, fresh] = seen.emplace(key, code);
        EXPECT_TRUE(fresh) << KeyName(code) << " repeats " << KeyName(it->second);
    }
}

TEST(HotKeyCodes, NamesAtBlockEdges) {
    const std::map<int, std::string> expected = {
        {0, "Ctrl+A"},
        {47, "Ctrl+F12"},
        {48, "Alt+A"},
        {287, "Ctrl+Alt+Shift+F12"},
        {288, "F1"},
        {311, "Shift+F12"},
        {312, "Ctrl+Enter"},
        {318, "Ctrl+Alt+Shift+Enter"},
        {319, "Ctrl+Tab"},
        {323, "Ctrl+Alt+Shift+Tab"},
        {331, "Ctrl+Space"},
        {349, "Alt+Shift+Delete"},
        {363, "Ctrl+Alt+Shift+End"},
        {364, "Ctrl+."},
        {367, "Alt+Shift+."},
        {429, "Ctrl+Alt+Shift+`"},
        {430, "KeyPad /"},
        {432, "Alt+Keypad /"},
        {433, "Shift+KeyPad /"},
        {461, "Ctrl+Alt+Shift+Keypad +"},
        {462, "Insert"},
        {471, "Down Arrow"},
        {472, "Ctrl+Page Up"},
        {492, "Ctrl+Alt+Shift+Left Arro"},
        {499, "Ctrl+Alt+Shift+Right Arr"},
        {506, "Ctrl+Alt+Shift+Up Arrow"},
        {513, "Ctrl+Alt+Shift+Down Arro"},
        {514, "KeyPad 0"},
        {553, "Ctrl+Alt+Keypad 9"},
        {554, "Win+A"},
        {697, "Win+Alt+F12"},
        {698, "ESC"},
        {699, "LMouse"},
        {717, "Ctrl+Shift+MMouse"},
        {719, "Shift+Alt+MMouse"},
        {720, "Win+Space"},
    };
    for (const auto& [code, name] : expected) EXPECT_EQ(KeyName(code), name) << code;
    EXPECT_EQ(KeyName(-1), "");
    EXPECT_EQ(KeyName(721), "");
}

TEST(HotKeyCodes, DecodingExamples) {
    EXPECT_EQ(DecipherKey(0), (KeyCombination{.vk = 65, .ctrl = true}));
    EXPECT_EQ(DecipherKey(717), (KeyCombination{.mouse = 3, .shift = true, .ctrl = true}));
    EXPECT_EQ(DecipherKey(555), (KeyCombination{.vk = 66, .win = true}));
    EXPECT_EQ(DecipherKey(432), (KeyCombination{.vk = 111, .alt = true}));
    EXPECT_EQ(DecipherKey(720), KeyCombination{});
    EXPECT_EQ(DecipherKey(ActivationCode::Cueword), KeyCombination{});
}

TEST(HotKeyCodes, SystemCombinationsAreTheNamedOnes) {
    std::set<std::string> names;
    for (int code : WindowsHotKeyTable) names.insert(KeyName(code));
    EXPECT_EQ(names, (std::set<std::string>{"Alt+F6", "Ctrl+Alt+F6", "Alt+Shift+F6", "Win+F1",
                                            "Win+D", "Win+E", "Win+F", "Win+M", "Win+R",
                                            "Win+Ctrl+F"}));
    EXPECT_TRUE(IsWindowsHotKey(571));
    EXPECT_FALSE(IsWindowsHotKey(0));
}

}  // namespace
}  // namespace orv
