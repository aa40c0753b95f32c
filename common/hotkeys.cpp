#include "common/hotkeys.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

namespace orv {
namespace {

struct KeyDef {
    const char* name;
    std::uint16_t vk;
    std::uint16_t mouse;
};

// A run of consecutive codes: every key with every prefix, either all keys
// under one prefix before the next prefix (prefix-major) or all prefixes of one
// key before the next key (key-major).
struct KeyBlock {
    std::span<const KeyDef> keys;
    std::span<const char* const> prefixes;
    bool keyMajor;
};

constexpr KeyDef LettersDigitsF[] = {
    {"A", 65}, {"B", 66}, {"C", 67}, {"D", 68}, {"E", 69}, {"F", 70}, {"G", 71}, {"H", 72},
    {"I", 73}, {"J", 74}, {"K", 75}, {"L", 76}, {"M", 77}, {"N", 78}, {"O", 79}, {"P", 80},
    {"Q", 81}, {"R", 82}, {"S", 83}, {"T", 84}, {"U", 85}, {"V", 86}, {"W", 87}, {"X", 88},
    {"Y", 89}, {"Z", 90}, {"0", 48}, {"1", 49}, {"2", 50}, {"3", 51}, {"4", 52}, {"5", 53},
    {"6", 54}, {"7", 55}, {"8", 56}, {"9", 57}, {"F1", 112}, {"F2", 113}, {"F3", 114},
    {"F4", 115}, {"F5", 116}, {"F6", 117}, {"F7", 118}, {"F8", 119}, {"F9", 120},
    {"F10", 121}, {"F11", 122}, {"F12", 123}};
constexpr std::span<const KeyDef> FunctionKeys = std::span(LettersDigitsF).subspan(36);

constexpr KeyDef Enter[] = {{"Enter", 13}};
constexpr KeyDef Tab[] = {{"Tab", 9}};
constexpr KeyDef BackspaceSpaceInsert[] = {{"Backspace", 8}, {"Space", 32}, {"Insert", 45}};
constexpr KeyDef Delete[] = {{"Delete", 46}};
constexpr KeyDef HomeEnd[] = {{"Home", 36}, {"End", 35}};
constexpr KeyDef Punctuation[] = {{".", 190}, {",", 188}, {"/", 191}, {";", 186},
                                  {"'", 222}, {"\\", 220}, {"[", 219}, {"]", 221},
                                  {"-", 189}, {"=", 187}, {"`", 192}};
constexpr KeyDef KeypadOperators[] = {
    {"Keypad /", 111}, {"Keypad *", 106}, {"Keypad -", 109}, {"Keypad +", 107}};
constexpr KeyDef Navigation[] = {{"Insert", 45},     {"Delete", 46},      {"Home", 36},
                                 {"End", 35},        {"Page Up", 33},     {"Page Down", 34},
                                 {"Left Arrow", 37}, {"Right Arrow", 39}, {"Up Arrow", 38},
                                 {"Down Arrow", 40}};
constexpr std::span<const KeyDef> PagesAndArrows = std::span(Navigation).subspan(4);
constexpr KeyDef KeypadDigits[] = {{"Keypad 0", 96},  {"Keypad 1", 97}, {"Keypad 2", 98},
                                   {"Keypad 3", 99},  {"Keypad 4", 100}, {"Keypad 5", 101},
                                   {"Keypad 6", 102}, {"Keypad 7", 103}, {"Keypad 8", 104},
                                   {"Keypad 9", 105}};
constexpr KeyDef Escape[] = {{"ESC", 27}};
constexpr KeyDef MouseButtons[] = {{"LMouse", 0, 1}, {"RMouse", 0, 2}, {"MMouse", 0, 3}};
// Named like a Win combination, but the system keeps it: it decodes to nothing.
constexpr KeyDef WinSpace[] = {{"Win+Space", 0}};

constexpr const char* Alone[] = {""};
constexpr const char* SixFirst[] = {"Ctrl+",     "Alt+",       "Ctrl+Shift+",
                                    "Ctrl+Alt+", "Alt+Shift+", "Ctrl+Alt+Shift+"};
constexpr const char* SixSecond[] = {"Ctrl+",      "Alt+",      "Ctrl+Shift+",
                                     "Alt+Shift+", "Ctrl+Alt+", "Ctrl+Alt+Shift+"};
constexpr const char* ShiftOrNot[] = {"", "Shift+"};
constexpr const char* FullOrder[] = {"Ctrl+",      "Alt+",      "Shift+",         "Ctrl+Shift+",
                                     "Alt+Shift+", "Ctrl+Alt+", "Ctrl+Alt+Shift+"};
constexpr const char* TabPrefixes[] = {"Ctrl+", "Shift+", "Ctrl+Shift+", "Ctrl+Alt+",
                                       "Ctrl+Alt+Shift+"};
constexpr const char* DeletePrefixes[] = {"Ctrl+", "Alt+", "Shift+", "Ctrl+Shift+",
                                          "Alt+Shift+"};
constexpr const char* KeypadOperatorPrefixes[] = {
    "", "Ctrl+", "Alt+", "Shift+", "Ctrl+Shift+", "Alt+Shift+", "Ctrl+Alt+", "Ctrl+Alt+Shift+"};
constexpr const char* KeypadDigitPrefixes[] = {"", "Ctrl+", "Alt+", "Ctrl+Alt+"};
constexpr const char* WinPrefixes[] = {"Win+", "Win+Ctrl+", "Win+Alt+"};
constexpr const char* MousePrefixes[] = {"",           "Shift+",    "Ctrl+",     "Alt+",
                                         "Ctrl+Shift+", "Ctrl+Alt+", "Shift+Alt+"};

// In code order, from code 0.
constexpr KeyBlock Blocks[] = {
    {LettersDigitsF, SixFirst, false},
    {FunctionKeys, ShiftOrNot, false},
    {Enter, FullOrder, true},
    {Tab, TabPrefixes, true},
    {BackspaceSpaceInsert, FullOrder, true},
    {Delete, DeletePrefixes, true},
    {HomeEnd, FullOrder, true},
    {Punctuation, SixSecond, true},
    {KeypadOperators, KeypadOperatorPrefixes, true},
    {Navigation, Alone, true},
    {PagesAndArrows, FullOrder, true},
    {KeypadDigits, KeypadDigitPrefixes, true},
    {LettersDigitsF, WinPrefixes, false},
    {Escape, Alone, true},
    {MouseButtons, MousePrefixes, true},
    {WinSpace, Alone, true},
};

constexpr int CodesIn(std::span<const KeyBlock> blocks) {
    int total = 0;
    for (const KeyBlock& b : blocks) total += static_cast<int>(b.keys.size() * b.prefixes.size());
    return total;
}
static_assert(CodesIn(Blocks) == HotKeyCount, "the blocks must cover every hot-key code");

// "KeyPad" is written with a capital P only alone and after "Shift+".
std::string JoinName(std::string_view prefix, std::string_view key) {
    std::string name = std::string(prefix) + std::string(key);
    if (key.starts_with("Keypad") && (prefix.empty() || prefix == "Shift+"))
        name[prefix.size() + 3] = 'P';
    return name.substr(0, KeyNameCapacity);
}

KeyCombination Combine(std::string_view prefix, const KeyDef& key) {
    KeyCombination k;
    k.vk = key.vk;
    k.mouse = key.mouse;
    k.win = prefix.find("Win+") != std::string_view::npos;
    k.shift = prefix.find("Shift+") != std::string_view::npos;
    k.alt = prefix.find("Alt+") != std::string_view::npos;
    k.ctrl = prefix.find("Ctrl+") != std::string_view::npos;
    return k;
}

struct HotKeyEntry {
    std::string name;
    KeyCombination keys;
};

const std::vector<HotKeyEntry>& HotKeyTable() {
    static const std::vector<HotKeyEntry> table = [] {
        std::vector<HotKeyEntry> t;
        t.reserve(HotKeyCount);
        for (const KeyBlock& b : Blocks) {
            std::size_t outer = b.keyMajor ? b.keys.size() : b.prefixes.size();
            std::size_t inner = b.keyMajor ? b.prefixes.size() : b.keys.size();
            for (std::size_t i = 0; i < outer; ++i) {
                for (std::size_t j = 0; j < inner; ++j) {
                    const KeyDef& key = b.keys[b.keyMajor ? i : j];
                    std::string_view prefix = b.prefixes[b.keyMajor ? j : i];
                    t.push_back({JoinName(prefix, key.name), Combine(prefix, key)});
                }
            }
        }
        return t;
    }();
    return table;
}

}  // namespace

const std::string& KeyName(int code) {
    static const std::string none;
    return IsHotKeyCode(code) ? HotKeyTable()[code].name : none;
}

KeyCombination DecipherKey(int code) {
    return IsHotKeyCode(code) ? HotKeyTable()[code].keys : KeyCombination{};
}

bool IsWindowsHotKey(int code) {
    return std::find(WindowsHotKeyTable.begin(), WindowsHotKeyTable.end(), code) !=
           WindowsHotKeyTable.end();
}

std::string WindowsHotKeyQuestion(int code) {
    const std::string& name = KeyName(code);
    return name + " may be used internally by Windows 95, 98 or NT. " +
           " This may cause the hot key not to function correctly." +
           " Would you still like to use " + name + "?";
}

}  // namespace orv
