// How much the hot-key path adds: the time from starting xdotool on a hot key
// to the first character of its macro in the target, against the same for a
// plain key typed straight into the target. Both include starting xdotool,
// so the difference of the medians is the player's share; a keyboard hook of
// the bench's own and the player's in-use byte show where that share goes:
// from the hook to the run's start (the hot key's message to the player, and
// its wait for the modifiers to go up), and from there to the first character.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

#include "common/hook_table.h"
#include "common/macro_record.h"
#include "common/win32/kernel_objects.h"
#include "tests/e2e/e2e_driver.h"

namespace {

using namespace orv::e2e;

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// When a hook saw the user's last key go down and last modifier go up; set on
// the bench's hook thread.
std::atomic<double> KeySeen{-1}, ModifierReleased{-1};

bool IsModifier(DWORD vk) {
    return vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU || vk == VK_LWIN || vk == VK_RWIN ||
           (vk >= VK_LSHIFT && vk <= VK_RMENU);
}

LRESULT CALLBACK SeeKeys(int code, WPARAM wParam, LPARAM lParam) {
    const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (code == HC_ACTION && !(k->flags & LLKHF_INJECTED)) {
        const bool up = (k->flags & LLKHF_UP) != 0;
        if (up && IsModifier(k->vkCode))
            ModifierReleased = Now();
        else if (!up && !IsModifier(k->vkCode))
            KeySeen = Now();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The player's in-use byte, read in place.
class InUseByte {
  public:
    InUseByte() {
        mapping_ = OpenFileMappingA(FILE_MAP_READ, FALSE, orv::KernelName::MasterTable);
        if (mapping_)
            view_ = static_cast<const volatile std::uint8_t*>(
                MapViewOfFile(mapping_, FILE_MAP_READ, 0, 0, orv::HookTable::Size));
    }
    ~InUseByte() {
        if (view_)
            UnmapViewOfFile(const_cast<std::uint8_t*>(view_));
        if (mapping_)
            CloseHandle(mapping_);
    }
    InUseByte(const InUseByte&) = delete;
    InUseByte& operator=(const InUseByte&) = delete;
    bool Set() const { return view_ && view_[orv::HookAt::MacroPlaying] != 0; }

  private:
    HANDLE mapping_ = nullptr;
    const volatile std::uint8_t* view_ = nullptr;
};

// Milliseconds from starting xdotool: the hook saw the key, the modifiers
// went up, the run started, the target holds something (-1: never, or not
// within two seconds).
struct Times {
    double key = -1, released = -1, run = -1, text = -1;
};

Times Measure(Target& target, const InUseByte& inUse, const std::string& keys) {
    target.Clear();
    KeySeen = ModifierReleased = -1;
    Times t;
    const double start = Now();
    if (!Xdotool(keys))
        return t;
    while (target.Text().empty()) {
        if (t.run < 0 && inUse.Set())
            t.run = Now() - start;
        if (Now() - start > 2000)
            return t;
    }
    t.text = Now() - start;
    t.key = KeySeen >= 0 ? KeySeen - start : -1;
    t.released = ModifierReleased >= 0 ? ModifierReleased - start : -1;
    return t;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

double Minimum(const std::vector<double>& v) {
    return v.empty() ? -1 : *std::min_element(v.begin(), v.end());
}

// The median of one time, or of after - before, over the rounds that saw it.
double MedianOf(const std::vector<Times>& rounds, double Times::*at,
                double Times::*before = nullptr) {
    std::vector<double> values;
    for (const Times& t : rounds)
        if (t.*at >= 0 && (!before || t.*before >= 0))
            values.push_back(t.*at - (before ? t.*before : 0));
    return Median(values);
}

}  // namespace

int main() {
    const std::string library =
        WriteLibrary("hotkey_bench.ORN", {Macro("Bench", 16, orv::MacroKind::Global, "h")});
    Player player;
    Target target;
    if (!player.Start(library) || !target.Start("Bench Pad") || !target.Keys("")) {
        std::fprintf(stderr, "the player or the target did not come up\n");
        return 1;
    }
    const KeyboardWatch watch(SeeKeys);
    const InUseByte inUse;
    constexpr int Rounds = 40;
    std::vector<Times> plainRounds, hotKeyRounds;
    std::vector<double> plain, hotKey;
    for (int k = 0; k < Rounds; ++k) {
        const Times p = Measure(target, inUse, "key --delay 0 x");
        const Times h = Measure(target, inUse, "key --delay 0 ctrl+q");
        // The next hot key only once the run has been given back.
        const double start = Now();
        while (inUse.Set() && Now() - start < 2000) Sleep(1);
        if (p.text >= 0) {
            plain.push_back(p.text);
            plainRounds.push_back(p);
        }
        if (h.text >= 0) {
            hotKey.push_back(h.text);
            hotKeyRounds.push_back(h);
        }
    }
    std::printf(
        "rounds %d: plain key median %.1f ms (min %.1f), hot key median %.1f ms (min %.1f)\n",
        Rounds, Median(plain), Minimum(plain), Median(hotKey), Minimum(hotKey));
    std::printf(
        "the hot-key path adds %.1f ms at the median, %.2f times a plain key (%zu and %zu "
        "samples)\n",
        Median(hotKey) - Median(plain), Median(hotKey) / Median(plain), plain.size(),
        hotKey.size());
    std::printf("plain key: xdotool to the hook %.1f ms, hook to the target %.1f ms\n",
                MedianOf(plainRounds, &Times::key),
                MedianOf(plainRounds, &Times::text, &Times::key));
    std::printf(
        "hot key: xdotool to the hook %.1f ms; hook to the modifiers' release %.1f ms; "
        "hook to the run's start %.1f ms (hot key to the player and the modifier wait), "
        "%.1f ms of it after the release; run's start to the target %.1f ms\n",
        MedianOf(hotKeyRounds, &Times::key), MedianOf(hotKeyRounds, &Times::released, &Times::key),
        MedianOf(hotKeyRounds, &Times::run, &Times::key),
        MedianOf(hotKeyRounds, &Times::run, &Times::released),
        MedianOf(hotKeyRounds, &Times::text, &Times::run));
    player.Stop();
    return 0;
}
