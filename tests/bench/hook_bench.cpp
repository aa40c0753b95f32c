// Times what a hook procedure does per event: the decision over the master
// table (with 500 macros and all 721 codes in use) and the posts it makes.
// A million synthetic key and button events, each timed on its own; then
// Cueword typing and pointer moves with an idle macro waiting:
//   scripts/with-display wine build/win32/bin/hook_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "common/hotkey_encoder.h"
#include "common/win32/window_numbers.h"
#include "hook/client/hook_client.h"
#include "hook/input_decision.h"
#include "hook/win32/master_table.h"
#include "hook/win32/posting.h"
#include "hook/win32/system_key_state.h"

namespace {

using namespace orv;

constexpr int Events = 1000000;
constexpr int DrainEvery = 100;  // the posts never pile up in the queue

HWND MakePlayerWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "OrvHookBenchPlayer";
    RegisterClassA(&wc);
    return CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                         nullptr);
}

// The player's hand-over of a full library, through the library's exports.
void LoadTable(HWND player) {
    auto table = std::make_unique<HookTable>();
    OrnHookLibrary hooks;
    for (int i = 1; i <= 500; ++i) {
        table->SetEntry(
            i, {static_cast<std::int16_t>(1 + i % 3), "Window title " + std::to_string(i), true,
                static_cast<std::uint16_t>(i % HotKeyCount)});
        hooks.HandOver(HookSection::Item, *table, i);
    }
    table->SetMacroCount(500);
    hooks.HandOver(HookSection::NumKeys, *table);
    for (int code = 0; code < HotKeyCount; ++code) table->SetU8(HookAt::CodeUsed + code, 1);
    hooks.HandOver(HookSection::Keys, *table);
    table->SetU32(HookAt::PlayerWindow, WindowNumber(player));
    hooks.HandOver(HookSection::Window, *table);
}

struct Synthetic {
    bool button;
    std::uint16_t vk;
    std::uint8_t mouse;
    bool up;
};

// Presses of random codes: modifiers down, the key or button down and up,
// modifiers up.
std::vector<Synthetic> MakeEvents() {
    std::vector<Synthetic> events;
    events.reserve(Events + 16);
    std::mt19937 random(1999);
    std::uniform_int_distribution<int> codes(0, HotKeyCount - 1);
    while (static_cast<int>(events.size()) < Events) {
        KeyCombination k = PressedCombination(codes(random));
        std::vector<std::uint16_t> held;
        if (k.win)
            held.push_back(VirtualKey::LeftWin);
        if (k.alt)
            held.push_back(VirtualKey::LeftMenu);
        if (k.ctrl)
            held.push_back(VirtualKey::LeftControl);
        if (k.shift)
            held.push_back(VirtualKey::LeftShift);
        for (auto vk : held) events.push_back({false, vk, 0, false});
        events.push_back({k.mouse != 0, k.vk, static_cast<std::uint8_t>(k.mouse), false});
        events.push_back({k.mouse != 0, k.vk, static_cast<std::uint8_t>(k.mouse), true});
        for (auto it = held.rbegin(); it != held.rend(); ++it)
            events.push_back({false, *it, 0, true});
    }
    events.resize(Events);
    return events;
}

void Drain() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

void Report(const char* what, std::vector<double>& micros) {
    if (micros.empty())
        return;
    double total = 0;
    for (double m : micros) total += m;
    std::sort(micros.begin(), micros.end());
    std::printf("%zu %s: median %.3f us, 99th percentile %.3f us, mean %.3f us, worst %.1f us\n",
                micros.size(), what, micros[micros.size() / 2], micros[micros.size() * 99 / 100],
                total / static_cast<double>(micros.size()), micros.back());
}

// Times each event's decision and posts; reports all events and those that post.
template <typename Decide>
void Measure(const char* what, int count, Decide decide) {
    LARGE_INTEGER frequency, before, after;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> micros, postingMicros;
    micros.reserve(count);
    for (int n = 0; n < count; ++n) {
        QueryPerformanceCounter(&before);
        InputDecision d = decide(n);
        PostDecision(d);
        QueryPerformanceCounter(&after);
        micros.push_back(1e6 * static_cast<double>(after.QuadPart - before.QuadPart) /
                         static_cast<double>(frequency.QuadPart));
        if (d.postCount != 0 || d.capture.length != 0)
            postingMicros.push_back(micros.back());
        if (n % DrainEvery == 0)
            Drain();
    }
    Drain();
    Report(what, micros);
    Report((std::string(what) + " that post").c_str(), postingMicros);
}

// The letters and the blank of a US keyboard.
void LearnLetters(InputDecider& decider) {
    for (int c = 0; c < 26; ++c) decider.layout.plain['A' + c] = static_cast<std::uint8_t>('a' + c);
    decider.layout.plain[' '] = ' ';
}

// Plain letters and blanks, typed while some macro has a Cueword and no
// plain key is a hot key.
void MeasureCuewordTyping(Bytes master, InputDecider& decider) {
    auto table = std::make_unique<HookTable>();
    table->SetU8(HookAt::CuewordsExist, 1);
    OrnHookLibrary().HandOver(HookSection::Keys, *table);
    LearnLetters(decider);
    std::mt19937 random(2001);
    std::uniform_int_distribution<int> letters(0, 26);
    std::uint16_t vk = 0;
    Measure("Cueword typing events", Events, [&](int n) {
        if (n % 2 == 0) {
            const int l = letters(random);
            vk = static_cast<std::uint16_t>(l == 26 ? ' ' : 'A' + l);
        }
        return decider.OnKey({vk, n % 2 == 1, false}, master, nullptr);
    });
}

// Each hundredth move ends an idle period.
void MeasurePointerMoves(Bytes master, InputDecider& decider) {
    master[HookAt::IdleMacroExists] = 1;
    Measure("pointer moves with an idle macro", Events, [&](int n) {
        if (n % 100 == 0)
            PutI32(master, HookAt::IdleSeconds, 1);
        return decider.OnPointerMoved({}, master);
    });
}

// A recording of keys, clicks and their timing: letters typed and, every
// fiftieth event, a click somewhere on the screen.
void MeasureCapture(Bytes master, InputDecider& decider) {
    LearnLetters(decider);
    master[HookAt::IdleMacroExists] = 0;
    for (std::size_t at : {HookAt::CaptureKeys, HookAt::CaptureMouse, HookAt::CaptureClicksOnly,
                           HookAt::RelativeTo, HookAt::CaptureTime, HookAt::CaptureRunning})
        master[at] = 1;
    std::mt19937 random(2002);
    std::uniform_int_distribution<int> letters(0, 25);
    std::uint16_t vk = 0;
    std::uint32_t time = 0;
    Measure("capture events", Events, [&](int n) {
        time += 40 + n % 200;
        if (n % 50 == 0) {
            const PointerPlace place{.x = n % 1024, .y = n % 768};
            return decider.OnButton({1, false, false, time, place}, master);
        }
        if (n % 2 == 0)
            vk = static_cast<std::uint16_t>('A' + letters(random));
        return decider.OnKey({.vk = vk, .up = n % 2 == 1, .time = time}, master, nullptr);
    });
    master[HookAt::CaptureRunning] = 0;
}

}  // namespace

// With an argument, only the run of that name: "keys", "cuewords", "moves"
// or "capture".
int main(int argc, char** argv) {
    const std::string only = argc > 1 ? argv[1] : "";
    auto wanted = [&](const char* name) { return only.empty() || only == name; };
    HWND player = MakePlayerWindow();
    LoadTable(player);
    const Bytes master = MasterTableImage();
    if (master.empty()) {
        std::fprintf(stderr, "the master table could not be opened\n");
        return 1;
    }
    std::vector<Synthetic> events = MakeEvents();
    InputDecider decider;
    decider.roles = {.hotKeys = true, .mouse = true, .remap = false};
    // Every press of a code in use asks the system, as the hooks do.
    SystemKeyState keyState;
    decider.realKeys = &keyState;

    if (wanted("keys")) {
        Measure("events", Events, [&](int n) {
            const Synthetic& e = events[n];
            return e.button ? decider.OnButton({e.mouse, e.up, false}, master)
                            : decider.OnKey({e.vk, e.up, false}, master, nullptr);
        });
    }
    if (wanted("cuewords"))
        MeasureCuewordTyping(master, decider);
    if (wanted("moves"))
        MeasurePointerMoves(master, decider);
    if (wanted("capture"))
        MeasureCapture(master, decider);
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::printf("timer resolution %.3f us\n", 1e6 / static_cast<double>(frequency.QuadPart));
    return 0;
}
