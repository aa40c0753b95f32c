// Typing speed under Wine: 5,000 characters into a multi-line edit control at
// the fastest keystroke speed, played by the interpreter and by a bare loop
// of the same input calls, in one run. Prints both rates; fails when the
// interpreter reaches less than 0.9 of the bare loop or a character is lost.
#include <windows.h>

#include <cstdio>
#include <string>

#include "common/injected_input.h"
#include "common/win32/message_pump.h"
#include "player/interpreter.h"
#include "player/win32/win32_player_host.h"
#include "tests/player/win32/typing_window.h"
#include "tests/support/win32/wait_for.h"

namespace {

constexpr int CharacterCount = 5000;
constexpr int Rounds = 2;

std::string SampleText() {
    // Short lines: an edit control re-wraps its whole paragraph on every
    // character, which would measure the control instead of the typing.
    const std::string words = "the quick brown fox jumps over 13 lazy dogs, ALL AT ONCE!\r\n";
    std::string text;
    while (text.size() < CharacterCount) text += words;
    text.resize(CharacterCount - 2);
    text += "\r\n";
    return text;
}

double Seconds() {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Key(BYTE vk, bool up) {
    keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, 0)), up ? KEYEVENTF_KEYUP : 0,
                orv::InjectedInputTag);
}

// The same key events the interpreter sends for these characters, and the
// same message pump after each one, without anything else.
void BareLoop(const std::string& text) {
    for (char c : text) {
        if (c == '\n')
            continue;  // typed with its carriage return as one Enter
        const SHORT key = VkKeyScanA(c);
        const bool shift = HIBYTE(key) & 1;
        if (shift)
            Key(VK_SHIFT, false);
        Key(LOBYTE(key), false);
        Key(LOBYTE(key), true);
        if (shift)
            Key(VK_SHIFT, true);
        orv::PumpPendingMessages();
    }
}

// Characters per second until the control holds the whole text; 0 when a
// character is lost.
template <typename Typing>
double Measure(orv::player::testing::TypingWindow& target, const std::string& text, Typing typing) {
    target.Clear();
    if (!target.Focus())
        return 0;
    const double start = Seconds();
    typing();
    if (!orv::testing::WaitFor([&] { return target.Text().size() >= text.size(); }, 120000))
        return 0;
    const double elapsed = Seconds() - start;
    if (target.Text() != text)
        return 0;
    return text.size() / elapsed;
}

}  // namespace

int main() {
    const std::string text = SampleText();
    orv::player::testing::TypingWindow target;
    orv::player::Win32PlayerHost host;
    orv::player::RunState state;
    orv::player::Interpreter interpreter(host, state);

    double bare = 0, played = 0;
    for (int round = 0; round < Rounds; ++round) {
        const double b = Measure(target, text, [&] { BareLoop(text); });
        const double p = Measure(
            target, text, [&] { interpreter.RunMacro(text, orv::player::RunOrigin::Unattended); });
        std::printf("round %d: bare loop %.0f chars/s, interpreter %.0f chars/s\n", round + 1, b,
                    p);
        if (b == 0 || p == 0) {
            std::printf("characters were lost\n");
            return 1;
        }
        bare = std::max(bare, b);
        played = std::max(played, p);
    }
    const double ratio = played / bare;
    std::printf("best: bare loop %.0f chars/s, interpreter %.0f chars/s, ratio %.2f\n", bare,
                played, ratio);
    return ratio >= 0.9 ? 0 : 1;
}
