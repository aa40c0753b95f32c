// The hook's decisions on the keyboards people have: key streams as the
// system delivers them on US, German, French and US-International layouts
// (AltGr as the system's own left Ctrl then the right Alt, accents as dead
// keys before their letter), played through one decider.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/capture_section.h"
#include "common/hook_table.h"
#include "common/hotkey_encoder.h"
#include "common/settings.h"
#include "hook/input_decision.h"

namespace orv {
namespace {

constexpr std::uint32_t Player = 0x1010;
constexpr std::uint16_t Space = 0x20, Oem1 = 0xBA, OemPlus = 0xBB, OemComma = 0xBC,
                        OemPeriod = 0xBE, Oem2 = 0xBF, Oem3 = 0xC0, Oem4 = 0xDB, Oem5 = 0xDC,
                        Oem6 = 0xDD, Oem7 = 0xDE, Oem8 = 0xDF;
constexpr std::uint32_t LeftControlScan = 0x1D, LeftAltScan = 0x38, LeftShiftScan = 0x2A;

// One key of a layout: its character in each state, "" for none; a leading
// '*' marks a dead key.
struct KeyRow {
    std::uint16_t vk;
    const char* plain;
    const char* shifted = "";
    const char* altGr = "";
};

KeyLayout Layout(std::initializer_list<KeyRow> rows, std::string_view capsKeys,
                 std::initializer_list<const char*> compositions) {
    KeyLayout layout;
    for (int c = 0; c < 26; ++c) {
        layout.plain['A' + c] = static_cast<std::uint8_t>('a' + c);
        layout.shifted['A' + c] = static_cast<std::uint8_t>('A' + c);
    }
    layout.plain[Space] = ' ';
    auto put = [&](std::uint16_t vk, std::string_view text, std::size_t state) {
        std::array<std::uint8_t, 256>* tables[] = {&layout.plain, &layout.shifted, &layout.altGr};
        if (text.empty())
            return;
        const bool dead = text.size() > 1 && text[0] == '*';
        (*tables[state])[vk] = static_cast<std::uint8_t>(text.back());
        layout.deadKeys[state][vk] = dead;
    };
    for (const KeyRow& r : rows) {
        put(r.vk, r.plain, 0);
        put(r.vk, r.shifted, 1);
        put(r.vk, r.altGr, 2);
    }
    for (char vk : capsKeys) layout.capsLockKeys.set(static_cast<unsigned char>(vk));
    // "accent base composed"
    for (std::string_view c : compositions)
        layout.AddComposition(static_cast<std::uint8_t>(c[0]), static_cast<std::uint8_t>(c[1]),
                              static_cast<std::uint8_t>(c[2]));
    return layout;
}

KeyLayout Us() {
    return Layout({{'1', "1", "!"},
                   {'2', "2", "@"},
                   {'3', "3", "#"},
                   {'7', "7", "&"},
                   {'0', "0", ")"},
                   {Oem2, "/", "?"},
                   {Oem1, ";", ":"},
                   {OemComma, ",", "<"},
                   {OemPeriod, ".", ">"},
                   {Oem5, "\\", "|"},
                   {Oem7, "'", "\""}},
                  "", {});
}

KeyLayout German() {
    return Layout({{'1', "1", "!"},
                   {'2', "2", "\""},
                   {'0', "0", "=", "}"},
                   {'7', "7", "/", "{"},
                   {'8', "8", "(", "["},
                   {'9', "9", ")", "]"},
                   {'Q', "q", "Q", "@"},
                   {'E', "e", "E", "\x80"},
                   {Oem4, "\xDF", "?", "\\"},
                   {Oem2, "#", "'"},
                   {Oem1, "\xFC", "\xDC"},
                   {Oem3, "\xF6", "\xD6"},
                   {Oem7, "\xE4", "\xC4"},
                   {OemComma, ",", ";"},
                   {OemPeriod, ".", ":"},
                   {Oem5, "*^", "\xB0"},
                   {Oem6, "*\xB4", "*`"}},
                  "\xBA\xC0\xDE",
                  {"^a\xE2", "^e\xEA", "^ ^",
                   "\xB4"
                   "e\xE9",
                   "\xB4 \xB4", "`a\xE0"});
}

KeyLayout French() {
    return Layout({{'1', "&", "1"},
                   {'2', "\xE9", "2", "*~"},
                   {'3', "\"", "3", "#"},
                   {'4', "'", "4", "{"},
                   {'5', "(", "5", "["},
                   {'8', "_", "8", "\\"},
                   {'0', "\xE0", "0", "@"},
                   {OemPlus, "=", "+", "}"},
                   {Oem4, ")", "\xB0", "]"},
                   {Oem6, "*^", "*\xA8"},
                   {OemComma, ",", "?"},
                   {OemPeriod, ";", "."},
                   {Oem2, ":", "/"},
                   {Oem8, "!", "\xA7"}},
                  "",
                  {"^e\xEA", "^ ^",
                   "\xA8"
                   "e\xEB",
                   "~n\xF1", "~ ~"});
}

KeyLayout UsInternational() {
    return Layout({{'1', "1", "!"},
                   {'2', "2", "@"},
                   {'6', "6", "*^"},
                   {'Q', "q", "Q", "\xE4"},
                   {'E', "e", "E", "\xE9"},
                   {'S', "s", "S", "\xDF"},
                   {Oem7, "*'", "*\""},
                   {Oem3, "*`", "*~"},
                   {Oem2, "/", "?"},
                   {OemComma, ",", "<"},
                   {OemPeriod, ".", ">"}},
                  "", {"'e\xE9", "' '", "\"u\xFC", "\" \"", "`a\xE0", "~n\xF1", "^o\xF4", "~ ~"});
}

struct NamedLayout {
    const char* name;
    KeyLayout (*make)();
};
void PrintTo(const NamedLayout& layout, std::ostream* os) {
    *os << layout.name;
}
const NamedLayout Layouts[] = {
    {"US", Us}, {"German", German}, {"French", French}, {"US-International", UsInternational}};

// The keys a layout's user presses for a text, as the system delivers them.
class Typist {
  public:
    explicit Typist(const KeyLayout& layout) : layout_(layout) {}

    std::vector<KeyEvent> Type(std::string_view text) const {
        std::vector<KeyEvent> events;
        for (char c : text) Character(static_cast<std::uint8_t>(c), events);
        return events;
    }
    static void Press(std::uint16_t vk, std::vector<KeyEvent>& out, std::uint32_t scan = 0) {
        out.push_back({.vk = vk, .scanCode = scan});
    }
    static void Release(std::uint16_t vk, std::vector<KeyEvent>& out, std::uint32_t scan = 0) {
        out.push_back({.vk = vk, .up = true, .scanCode = scan});
    }
    static void AltGrChord(std::uint16_t vk, std::vector<KeyEvent>& out) {
        Press(VirtualKey::LeftControl, out, AltGrControlScanCode);
        out.push_back({.vk = VirtualKey::RightMenu, .scanCode = LeftAltScan, .extended = true});
        Press(vk, out);
        Release(vk, out);
        Release(VirtualKey::LeftControl, out, AltGrControlScanCode);
        out.push_back(
            {.vk = VirtualKey::RightMenu, .up = true, .scanCode = LeftAltScan, .extended = true});
    }

  private:
    // The key that types c alone, in which state (0 plain, 1 Shift, 2 AltGr).
    bool Find(std::uint8_t c, bool dead, std::uint16_t& vk, int& state) const {
        const std::array<std::uint8_t, 256>* tables[] = {&layout_.plain, &layout_.shifted,
                                                         &layout_.altGr};
        for (state = 0; state < 3; ++state)
            for (vk = 0; vk < 256; ++vk)
                if ((*tables[state])[vk] == c && layout_.deadKeys[state][vk] == dead)
                    return true;
        return false;
    }
    void Key(std::uint16_t vk, int state, std::vector<KeyEvent>& out) const {
        if (state == 2)
            return AltGrChord(vk, out);
        if (state == 1)
            Press(VirtualKey::LeftShift, out, LeftShiftScan);
        Press(vk, out);
        Release(vk, out);
        if (state == 1)
            Release(VirtualKey::LeftShift, out, LeftShiftScan);
    }
    void Character(std::uint8_t c, std::vector<KeyEvent>& out) const {
        std::uint16_t vk = 0;
        int state = 0;
        if (Find(c, false, vk, state))
            return Key(vk, state, out);
        // An accent alone or over a letter: its dead key, then the letter or Space.
        for (std::size_t i = 0; i < layout_.compositionCount; ++i) {
            const KeyLayout::Composition& k = layout_.compositions[i];
            if (k.composed != c)
                continue;
            ASSERT_TRUE(Find(k.accent, true, vk, state));
            Key(vk, state, out);
            ASSERT_TRUE(Find(k.base, false, vk, state));
            return Key(vk, state, out);
        }
        ADD_FAILURE() << "no key for " << int(c);
    }

    const KeyLayout& layout_;
};

class LayoutDecisions : public ::testing::TestWithParam<NamedLayout> {
  protected:
    LayoutDecisions() {
        table->SetU32(HookAt::PlayerWindow, Player);
        for (int vk : {int{'Q'}, int{'E'}, int{'7'}, int{'8'}, int{'9'}, int{'0'}, int{'2'},
                       int{'3'}, int{'4'}, int{'5'}, int{Oem4}, int{OemPlus}})
            table->SetU8(
                HookAt::CodeUsed +
                    EncodeHotKey({.vk = static_cast<std::uint16_t>(vk), .alt = true, .ctrl = true}),
                1);
        table->SetU8(HookAt::CuewordsExist, 1);
        PutI32(table->Bytes, HookAt::MacroCount, 1);
        decider.roles = {.hotKeys = true};
        decider.layout = GetParam().make();
    }

    // Every event of the stream; the posts to the player and the recorded text.
    void Play(const std::vector<KeyEvent>& events) {
        for (KeyEvent e : events) {
            e.focus = 0x3030;
            const InputDecision d = decider.OnKey(e, table->Bytes, nullptr);
            recorded += std::string(d.capture.View());
            for (std::size_t i = 0; i < d.postCount; ++i) {
                const HookPost& p = d.posts[i];
                if (p.message == ProgramMessage::HotKey)
                    ++hotKeys;
                else if (p.message == ProgramMessage::CuewordChar && p.wParam != TypedKind::Reset)
                    cueword += static_cast<char>(p.lParam);
                else if (p.message == ProgramMessage::CuewordChar)
                    cueword.clear();
            }
        }
    }
    void Record() {
        SettingsBlock settings;
        settings.CaptureKeys = true;
        settings.CaptureTime = false;
        settings.CaptureMouse = false;
        SetCaptureSection(*table, settings, 1,
                          {.vk = 'X', .shift = true, .alt = true, .ctrl = true});
        table->SetU8(HookAt::CaptureRunning, 1);
    }

    std::unique_ptr<HookTable> table = std::make_unique<HookTable>();
    InputDecider decider;
    std::string recorded, cueword;
    int hotKeys = 0;
};

// Characters typed with AltGr, with accents and from the upper half, on
// each layout: none is a hot key, each reaches the Cueword buffer and the
// recording as typed.
TEST_P(LayoutDecisions, TypedTextIsTextNeverAHotKey) {
    static const std::map<std::string, std::string> Texts = {
        {"US", "Ab1@#/?:;, it's \"q\""},
        {"German",
         "Gr\xFC\xDF"
         "e, @ 10 \x80 {x} [\\] \xE9t\xE9 \xE2 ^ \xB4"},
        {"French", "\xE9t\xE9 \xE0 @ #{[\\}] f\xEAte no\xEBl ~ ^ \xF1"},
        {"US-International", "don' t \xE9t\xE9 \xFC \xE0 \xF1 \xF4 \xE4\xDF ' \" ~ @!"}};
    const std::string text = Texts.at(GetParam().name);
    Record();
    Play(Typist(decider.layout).Type(text));
    EXPECT_EQ(hotKeys, 0);
    EXPECT_EQ(cueword, text);
    EXPECT_EQ(recorded, text);
}

TEST_P(LayoutDecisions, RealCtrlAltChordsStillFire) {
    std::vector<KeyEvent> chord;
    Typist::Press(VirtualKey::LeftControl, chord, LeftControlScan);
    Typist::Press(VirtualKey::LeftMenu, chord, LeftAltScan);
    Typist::Press('Q', chord);
    Typist::Release('Q', chord);
    Typist::Release(VirtualKey::LeftMenu, chord, LeftAltScan);
    Typist::Release(VirtualKey::LeftControl, chord, LeftControlScan);
    Play(chord);
    EXPECT_EQ(hotKeys, 1);
    // After AltGr is let go, Ctrl+Alt is a chord again.
    chord.clear();
    Typist::AltGrChord('E', chord);
    Play(chord);
    chord.clear();
    Typist::Press(VirtualKey::LeftControl, chord, LeftControlScan);
    Typist::Press(VirtualKey::LeftMenu, chord, LeftAltScan);
    Typist::Press('E', chord);
    Typist::Release('E', chord);
    Typist::Release(VirtualKey::LeftMenu, chord, LeftAltScan);
    Typist::Release(VirtualKey::LeftControl, chord, LeftControlScan);
    Play(chord);
    EXPECT_EQ(hotKeys, 2);
    // AltGr let go as keys with no side (as some systems report the
    // releases) leaves nothing behind either.
    chord.clear();
    Typist::Press(VirtualKey::LeftControl, chord, AltGrControlScanCode);
    Typist::Press(VirtualKey::RightMenu, chord, LeftAltScan);
    Typist::Press('Q', chord);
    Typist::Release('Q', chord);
    Typist::Release(VirtualKey::Control, chord);
    Typist::Release(VirtualKey::Menu, chord);
    Typist::Press(VirtualKey::LeftControl, chord, LeftControlScan);
    Typist::Press(VirtualKey::LeftMenu, chord, LeftAltScan);
    Typist::Press('Q', chord);
    Play(chord);
    EXPECT_EQ(hotKeys, 3);
}

INSTANTIATE_TEST_SUITE_P(Keyboards, LayoutDecisions, ::testing::ValuesIn(Layouts),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::erase(name, '-');
                             return name;
                         });

}  // namespace
}  // namespace orv
