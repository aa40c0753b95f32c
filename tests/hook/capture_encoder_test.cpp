#include "hook/capture_encoder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "common/capture_section.h"
#include "common/hook_table.h"
#include "common/hotkey_encoder.h"
#include "common/script/token_table.h"
#include "common/settings.h"
#include "hook/input_decision.h"

namespace orv {
namespace {

constexpr std::uint32_t Player = 0x1010;
constexpr std::uint32_t Editor = 0x2020;
constexpr std::uint16_t CapturedMacro = 7;
constexpr std::uint16_t Shift = 0x10, Ctrl = 0x11, Alt = 0x12, Win = 0x5B, Enter = 0x0D,
                        Comma = 0xBC, Left = 0x25;
const KeyCombination StopKey{.vk = 'X', .shift = true, .alt = true, .ctrl = true};

class CaptureDecisions : public ::testing::Test {
  public:
    CaptureDecisions() {
        table->SetU32(HookAt::PlayerWindow, Player);
        table->SetU32(HookAt::CaptureWindow, Editor);
        // The stop key is also the capture macro's hot key.
        table->SetU8(HookAt::CodeUsed + EncodeHotKey(StopKey), 1);
        decider.roles = {.hotKeys = true, .mouse = true};
        for (int c = 0; c < 26; ++c) {
            decider.layout.plain['A' + c] = static_cast<std::uint8_t>('a' + c);
            decider.layout.shifted['A' + c] = static_cast<std::uint8_t>('A' + c);
        }
        decider.layout.plain[' '] = ' ';
        decider.layout.plain[Comma] = ',';
        decider.layout.shifted[Comma] = '<';
        Start({});
    }

    // A capture starts with these settings (keys on, time and mouse off
    // unless changed).
    void Start(void (*change)(SettingsBlock&)) {
        SettingsBlock settings;
        settings.CaptureKeys = true;
        settings.CaptureTime = false;
        settings.CaptureMouse = false;
        if (change)
            change(settings);
        SetCaptureSection(*table, settings, CapturedMacro, StopKey);
        table->SetU8(HookAt::CaptureRunning, 1);
    }

    InputDecision Key(std::uint16_t vk, bool up) {
        now += 10;
        return decider.OnKey({.vk = vk, .up = up, .time = now}, table->Bytes, nullptr);
    }
    // Presses and releases vk with the modifiers held; every decision's text
    // and posts are collected.
    void Press(std::uint16_t vk, std::initializer_list<std::uint16_t> held = {}) {
        for (std::uint16_t m : held) Collect(Key(m, false));
        Collect(Key(vk, false));
        Collect(Key(vk, true));
        for (std::uint16_t m : held) Collect(Key(m, true));
    }
    void Type(std::string_view upperLetters) {
        for (char c : upperLetters) Press(static_cast<std::uint16_t>(c));
    }
    void Click(std::uint8_t button, PointerPlace place) {
        now += 10;
        Collect(decider.OnButton({button, false, false, now, place}, table->Bytes));
        now += 10;
        Collect(decider.OnButton({button, true, false, now, place}, table->Bytes));
    }
    void Collect(const InputDecision& d) {
        if (d.capture.length > 0) {
            EXPECT_EQ(d.capture.window, recorder);
            EXPECT_EQ(d.capture.macro, CapturedMacro);
        }
        text += d.capture.View();
        for (std::size_t i = 0; i < d.postCount; ++i)
            posts += std::to_string(d.posts[i].message - 0x400) + ":" +
                     std::to_string(d.posts[i].window) + ":" + std::to_string(d.posts[i].wParam) +
                     " ";
    }

    std::unique_ptr<HookTable> table = std::make_unique<HookTable>();
    InputDecider decider;
    std::uint32_t now = 1000;
    std::uint32_t recorder = Player;
    std::string text, posts;
};

TEST_F(CaptureDecisions, KeysBecomeScriptText) {
    struct Case {
        const char* name;
        void (*press)(CaptureDecisions&);
        const char* text;
    };
    const Case cases[] = {
        {"typing and Enter",
         [](CaptureDecisions& t) {
             t.Type("HI");
             t.Press(Enter);
         },
         "hi<ENTER>"},
        {"Shift types capitals",
         [](CaptureDecisions& t) {
             t.Press('H', {Shift});
             t.Type("I");
         },
         "Hi"},
        {"a shortcut", [](CaptureDecisions& t) { t.Press('C', {Ctrl}); }, "<CTRL>c"},
        {"a shortcut with Shift",
         [](CaptureDecisions& t) {
             t.Press('S', {Ctrl, Shift});
         },
         "<CTRL><SHIFT>s"},
        {"Shift and a named key", [](CaptureDecisions& t) { t.Press(Left, {Shift}); },
         "<SHIFT><LEFT ARROW>"},
        {"a typed <",
         [](CaptureDecisions& t) {
             t.Press(Comma, {Shift});
             t.Type("B");
         },
         "<SHIFT>,b"},
        {"a lone Alt for menus",
         [](CaptureDecisions& t) {
             t.Press(Alt);
             t.Type("F");
         },
         "<ALT>f"},
        {"modifiers alone write nothing",
         [](CaptureDecisions& t) {
             t.Press(Shift);
             t.Press(Ctrl);
             t.Press(Win);
         },
         ""},
        {"a Win shortcut", [](CaptureDecisions& t) { t.Press('R', {Win}); }, "<WIND>r<WINU>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        text.clear();
        c.press(*this);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(posts, "");
    }
}

TEST_F(CaptureDecisions, OptionsThatWriteNothing) {
    Start([](SettingsBlock& s) {
        s.CaptureKeys = false;
        s.CaptureDoubleAlt = true;
    });
    Type("AB");
    Press(Alt);
    EXPECT_EQ(text, "");
    Start([](SettingsBlock& s) { s.CaptureDoubleAlt = false; });
    Press(Alt);
    EXPECT_EQ(text, "");
    table->SetU8(HookAt::CaptureRunning, 0);
    Type("AB");
    EXPECT_EQ(text, "");
}

TEST_F(CaptureDecisions, TheStopKeysEndTheCapture) {
    const std::string ended = "4:" + std::to_string(Player) + ":7 ";
    Type("A");
    Press('X', {Ctrl, Alt, Shift});
    EXPECT_EQ(text, "a") << "the stop key is never recorded";
    EXPECT_EQ(posts, ended) << "and never reported as a hot key";
    // The recorded macro's own hot key, when given.
    SetCaptureSection(*table, SettingsBlock{}, CapturedMacro, StopKey,
                      KeyCombination{.vk = 'Q', .ctrl = true});
    posts.clear();
    Press('Q', {Ctrl});
    EXPECT_EQ(posts, ended);
    // An all-zero stop key is none: nothing ends the capture by it.
    SetCaptureSection(*table, SettingsBlock{}, CapturedMacro, {});
    posts.clear();
    text.clear();
    Press('X', {Ctrl, Alt, Shift});
    EXPECT_EQ(posts,
              "2:" + std::to_string(Player) + ":" + std::to_string(EncodeHotKey(StopKey)) + " ");
    EXPECT_EQ(text, "") << "a hot key reaches no window, so it is not recorded";
}

TEST_F(CaptureDecisions, TheCaptureWindowReceivesWhenNamed) {
    table->SetU8(HookAt::CaptureWindowOn, 1);
    recorder = Editor;
    Type("A");
    Press('X', {Ctrl, Alt, Shift});
    EXPECT_EQ(text, "a");
    EXPECT_EQ(posts, "4:" + std::to_string(Editor) + ":7 ");
}

TEST_F(CaptureDecisions, GapsBecomeDelays) {
    Start([](SettingsBlock& s) { s.CaptureTime = true; });
    const std::pair<std::uint32_t, const char*> cases[] = {
        {50, "a"}, {250, "<DELAY:00.25>a"}, {150000, "<DELAY:99.99>a"}, {12340, "<DELAY:12.34>a"}};
    Type("A");
    for (auto [gap, expected] : cases) {
        text.clear();
        now += gap - 20;  // the release and the next press each take 10 ms
        Type("A");
        EXPECT_EQ(text, expected) << gap;
    }
    // A fresh start has no gap before its first event.
    table->SetU8(HookAt::CaptureStarted, 1);
    now += 5000;
    text.clear();
    Type("A");
    EXPECT_EQ(text, "a");
    EXPECT_EQ(table->U8(HookAt::CaptureStarted), 0);
}

TEST_F(CaptureDecisions, ClicksAreWrittenWhereTheyHappen) {
    const PointerPlace at{.x = 300,
                          .y = 200,
                          .windowLeft = 100,
                          .windowTop = 50,
                          .windowWidth = 640,
                          .windowHeight = 480};
    struct Case {
        int relativeTo;
        bool clicksOnly, windowSize;
        const char* text;
    };
    const Case cases[] = {
        {1, true, false, "<MMS:00300,00200><LCLK><MMS:00310,00200><LCLK>"},
        {2, true, false, "<MMW:00200,00150><LCLK><MMW:00210,00150><LCLK>"},
        {2, true, true,
         "<WSIZE:0640,0480\"CURRENT\"><WPOS:0100,0050\"CURRENT\"><MMW:00200,00150><LCLK>"
         "<MMW:00210,00150><LCLK>"},
        {3, true, false, "<MMP:00000,00000><LCLK><MMP:00010,00000><LCLK>"},
        {1, false, false,
         "<MMS:00300,00200><LDN><MMS:00300,00200><LUP><MMS:00310,00200><LDN><MMS:00310,00200>"
         "<LUP>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SettingsBlock settings;
        settings.CaptureMouse = true;
        settings.CaptureTime = false;
        settings.RelativeTo = c.relativeTo;
        settings.CaptureClicksOnly = c.clicksOnly;
        settings.CaptureWindowSize = c.windowSize;
        SetCaptureSection(*table, settings, CapturedMacro, StopKey);
        text.clear();
        Click(1, at);
        PointerPlace next = at;
        next.x += 10;
        Click(1, next);
        EXPECT_EQ(text, c.text);
    }
}

// A fake of the system's conversion as Microsoft states it: it converts a
// point only with a window the point is on (here 1.5 times scaled), and fails
// with any other, such as the hook thread's own message-only window.
TEST(WindowScreenSpace, APointIsConvertedWithTheWindowUnderItOrKept) {
    struct Desk final : WindowScreenSpace {
        std::uintptr_t under = 0;   // the window under every point; 0: none
        std::uintptr_t scaled = 7;  // the one window the point is on
        bool fails = false;         // the conversion fails all the same
      protected:
        std::uintptr_t WindowUnder(std::int32_t, std::int32_t) const override { return under; }
        bool Convert(std::uintptr_t window, std::int32_t& x, std::int32_t& y) const override {
            const std::int32_t physicalX = x;
            x = -1;  // what a failed conversion may leave behind
            if (window != scaled || fails)
                return false;
            x = physicalX * 2 / 3;
            y = y * 2 / 3;
            return true;
        }
    };
    struct Case {
        const char* what;
        std::uintptr_t under;
        bool fails;
        std::int32_t x, y;
    };
    const Case cases[] = {
        {"the window under the point", 7, false, 1000, 600},
        {"no window under the point", 0, false, 1500, 900},
        {"another window than the one the point is on", 3, false, 1500, 900},
        {"a failed conversion", 7, true, 1500, 900},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Desk desk;
        desk.under = c.under;
        desk.fails = c.fails;
        const PointerPlace at = PlaceOfHookPoint(1500, 900, desk);
        EXPECT_EQ(at.x, c.x);
        EXPECT_EQ(at.y, c.y);
    }
}

TEST_F(CaptureDecisions, AClickOnAScaledMonitorIsRecordedWhereTheProgramPlaysIt) {
    // Windows scales the monitor by 1.5 for the program: the hook's point is
    // physical, the window's frame (as the program reads it) logical. The
    // player plays "<MMS:x,y>" at pixel (x, y) of its own, logical, screen.
    struct ScaledByOneAndAHalf final : ScreenSpace {
        void FromPhysical(std::int32_t& x, std::int32_t& y) const override {
            x = x * 2 / 3;
            y = y * 2 / 3;
        }
    } space;
    PointerPlace at = PlaceOfHookPoint(1500, 900, space);
    at.windowLeft = 100;
    at.windowTop = 50;
    at.windowWidth = 640;
    at.windowHeight = 480;
    const std::pair<int, const char*> cases[] = {{1, "<MMS:01000,00600><LCLK>"},
                                                 {2, "<MMW:00900,00550><LCLK>"}};
    for (auto [relativeTo, expected] : cases) {
        SettingsBlock settings;
        settings.CaptureMouse = true;
        settings.CaptureTime = false;
        settings.RelativeTo = relativeTo;
        settings.CaptureClicksOnly = true;
        settings.CaptureWindowSize = false;
        SetCaptureSection(*table, settings, CapturedMacro, StopKey);
        text.clear();
        Click(1, at);
        EXPECT_EQ(text, expected);
    }
}

TEST_F(CaptureDecisions, WholeMovesAreThrottled) {
    Start([](SettingsBlock& s) {
        s.CaptureMouse = true;
        s.CaptureClicksOnly = false;
        s.RelativeTo = 1;
    });
    for (int step = 0; step < 10; ++step) {
        now += 10;
        Collect(decider.OnPointerMoved({false, now, {.x = step, .y = 0}}, table->Bytes));
    }
    EXPECT_EQ(text, "<MMS:00000,00000><MMS:00005,00000>");
}

// The captured text read back as a script: each named key, each held
// modifier and each character, in order, is the input that was pressed.
std::string ReadBack(std::string_view script, const KeyLayout& layout) {
    std::string events;
    bool shift = false;
    for (std::size_t at = 0; at < script.size();) {
        const std::optional<TokenMatch> match = MatchToken(script, at, TokenUse::Player);
        if (!match || match->Form->Code != CommandCode::Text) {
            // A character under a held Shift types what its key types shifted.
            auto c = static_cast<std::uint8_t>(script[at++]);
            for (std::size_t vk = 0; shift && vk < layout.plain.size(); ++vk) {
                if (layout.plain[vk] == c) {
                    c = layout.shifted[vk];
                    break;
                }
            }
            events += static_cast<char>(c);
            shift = false;
            continue;
        }
        const std::uint8_t vk = match->Form->Variant;
        if (vk == Shift)
            shift = true;
        else
            events += "{" + std::to_string(vk) + "}";
        at += match->Length;
    }
    return events;
}

TEST_F(CaptureDecisions, TheTextPlaysBackWhatWasTyped) {
    Press('H', {Shift});
    Type("I");
    Press(Comma, {Shift});
    Type("ENTER");
    Press(Comma, {Shift});
    Press(Enter);
    EXPECT_EQ(ReadBack(text, decider.layout), "Hi<enter<{13}");
}

}  // namespace
}  // namespace orv
