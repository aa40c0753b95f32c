// The block of state both programs share with the hook library: each program
// keeps its own image, changes fields in it and hands whole sections over; the
// library keeps the master image, which the programs copy back section by
// section. The layout is a shared-memory format.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "common/bytes.h"

namespace orv {

// Byte offsets of the fields the programs use.
namespace HookAt {
constexpr std::size_t PlayerWindow = 0;
constexpr std::size_t LibraryFlag4 = 4;
constexpr std::size_t CodeUsed = 17;  // 721 flags, one per hot-key code
constexpr std::size_t CaptureRunning = 738;
constexpr std::size_t CaptureMacro = 739;
constexpr std::size_t CaptureReset = 741;
constexpr std::size_t DoubleAlt = 742;
constexpr std::size_t MouseHook = 745;
constexpr std::size_t KeyboardHook = 749;
constexpr std::size_t SecondWindow = 753;
constexpr std::size_t SecondWindowOn = 757;
constexpr std::size_t CaptureWindow = 758;
constexpr std::size_t CaptureWindowOn = 762;
constexpr std::size_t StopMouse = 763;
constexpr std::size_t StopKey = 765;
constexpr std::size_t StopCtrl = 767;  // then Alt, Shift, Win
constexpr std::size_t SecondStopGiven = 772;
constexpr std::size_t RecordWindowSize = 782;
constexpr std::size_t MacroPlaying = 783;
// 783 while a Cueword's text is typed: in use, and the user's keys wait.
constexpr std::uint8_t PlayingHoldsTyping = 2;
constexpr std::size_t CaptureKeys = 785;
constexpr std::size_t CaptureMouse = 786;
constexpr std::size_t CaptureClicksOnly = 787;
constexpr std::size_t RelativeTo = 788;
constexpr std::size_t CaptureTime = 789;
constexpr std::size_t CaptureStarted = 798;
constexpr std::size_t RecordWindowSizeCopy = 799;
constexpr std::size_t OwnScratch812 = 812;
constexpr std::size_t Kinds = 816;           // 500 x int16
constexpr std::size_t ScopeTexts = 1816;     // 500 x string[20]
constexpr std::size_t EnabledFlags = 12316;  // 500 x u8
constexpr std::size_t Activations = 12816;   // 500 x u16
constexpr std::size_t ScopeMatches = 13816;  // 500 x u8
constexpr std::size_t MacroCount = 14316;
constexpr std::size_t Init14320 = 14320;
constexpr std::size_t WindowsNT = 14321;
constexpr std::size_t CuewordsExist = 14322;
constexpr std::size_t ForegroundProgram = 14323;  // string[250]
constexpr std::size_t ProgramCount = 14574;
constexpr std::size_t MouseSwapped = 14578;
constexpr std::size_t IdleMacroExists = 14579;
constexpr std::size_t IdleFired = 14580;
constexpr std::size_t WaitClick = 14581;  // then key, text, processed
constexpr std::size_t IdleSeconds = 14585;
constexpr std::size_t Programs = 14589;  // 200 x string[25]
}  // namespace HookAt

constexpr std::size_t HookScopeTextCapacity = 20;
constexpr std::size_t HookProgramNameCapacity = 25;
constexpr int HookProgramSlots = 200;

// Section numbers, each handed over by its own export of the library.
enum class HookSection : int {
    Capture = 0,
    CaptureOn = 1,
    InUse = 2,
    KeyHook = 3,
    MouseHook = 4,
    Window = 5,
    Window2 = 6,
    Item = 7,
    NumKeys = 8,
    Prog = 9,
    Progs = 10,
    Init = 11,
    Idle = 12,
    Waits = 13,
    Keys = 14,
};
constexpr int HookSectionCount = 15;

// Room for this many macros in the per-macro tables (as many as a library holds).
constexpr int HookMacroEntries = 500;

// One macro's entry in the per-macro tables: what the hook library and the
// player's dispatch know of it.
struct MacroEntry {
    std::int16_t Kind = 0;
    std::string ScopeText;  // at most 20 characters are kept
    bool Enabled = false;
    std::uint16_t Activation = 0;
    std::uint8_t ScopeMatch = 0;
    bool operator==(const MacroEntry&) const = default;
};

// The hook table's wait bytes, in their order from HookAt::WaitClick.
enum class WaitByte : std::uint8_t { Click, Key, Text, InputProcessed };

struct HookTable {
    static constexpr std::size_t Size = 19789;
    std::array<std::uint8_t, Size> Bytes{};

    // Any field by its offset, for the code that lays out a whole section.
    std::uint8_t U8(std::size_t at) const { return Bytes[at]; }
    std::uint16_t U16(std::size_t at) const { return GetU16(Bytes, at); }
    std::uint32_t U32(std::size_t at) const { return GetU32(Bytes, at); }
    void SetU8(std::size_t at, std::uint8_t v) { Bytes[at] = v; }
    void SetU16(std::size_t at, std::uint16_t v) { PutU16(Bytes, at, v); }
    void SetU32(std::size_t at, std::uint32_t v) { PutU32(Bytes, at, v); }

    // The fields the programs act on, by name. Windows and hooks are kept as
    // 32-bit numbers, as the shared layout holds them.
    bool CaptureRunning() const { return Bytes[HookAt::CaptureRunning] != 0; }
    void SetCaptureRunning(bool on) { Bytes[HookAt::CaptureRunning] = on; }
    bool MacroPlaying() const { return Bytes[HookAt::MacroPlaying] != 0; }
    // A run taking the byte keeps a Cueword's hold on the user's keys.
    void SetMacroPlaying(bool on) {
        Bytes[HookAt::MacroPlaying] =
            on ? std::max<std::uint8_t>(Bytes[HookAt::MacroPlaying], 1) : 0;
    }
    void SetMacroPlayingHoldingTyping() {
        Bytes[HookAt::MacroPlaying] = HookAt::PlayingHoldsTyping;
    }
    bool CuewordsExist() const { return Bytes[HookAt::CuewordsExist] != 0; }
    void SetCuewordsExist(bool on) { Bytes[HookAt::CuewordsExist] = on; }
    bool IdleMacroExists() const { return Bytes[HookAt::IdleMacroExists] != 0; }
    void SetIdleMacroExists(bool on) { Bytes[HookAt::IdleMacroExists] = on; }
    bool IdleFired() const { return Bytes[HookAt::IdleFired] != 0; }
    void SetIdleFired(bool on) { Bytes[HookAt::IdleFired] = on; }
    std::uint32_t IdleSeconds() const { return U32(HookAt::IdleSeconds); }
    void SetIdleSeconds(std::uint32_t seconds) { SetU32(HookAt::IdleSeconds, seconds); }
    void SetWindowsNT(bool on) { Bytes[HookAt::WindowsNT] = on; }
    void SetMouseSwapped(bool on) { Bytes[HookAt::MouseSwapped] = on; }
    bool WaitByteSet(WaitByte which) const { return Bytes[WaitByteAt(which)] != 0; }
    void SetWaitByte(WaitByte which, bool on) { Bytes[WaitByteAt(which)] = on; }
    void SetPlayerWindow(std::uint32_t window) { SetU32(HookAt::PlayerWindow, window); }
    // The window that takes the hot keys instead of the player (a hot-key
    // box), while on.
    void SetSecondWindow(std::uint32_t window, bool on) {
        SetU32(HookAt::SecondWindow, window);
        Bytes[HookAt::SecondWindowOn] = on;
    }
    // The window a recording's notices go to instead of the player, while on.
    void SetCaptureWindow(std::uint32_t window, bool on) {
        SetU32(HookAt::CaptureWindow, window);
        Bytes[HookAt::CaptureWindowOn] = on;
    }
    std::uint32_t KeyboardHook() const { return U32(HookAt::KeyboardHook); }
    void SetKeyboardHook(std::uint32_t hook) { SetU32(HookAt::KeyboardHook, hook); }
    std::uint32_t MouseHook() const { return U32(HookAt::MouseHook); }
    void SetMouseHook(std::uint32_t hook) { SetU32(HookAt::MouseHook, hook); }

    // The number of macros N; entries 1..N are valid.
    std::int32_t MacroCount() const { return GetI32(Bytes, HookAt::MacroCount); }
    void SetMacroCount(std::int32_t n) { PutI32(Bytes, HookAt::MacroCount, n); }

    // The entries in use, 1..EntryCount(): the macro count held to the
    // table's room, however the shared count stands.
    int EntryCount() const;
    // Macro i's entry. A number outside 1..500 reads as an empty entry and
    // writes nothing, so no macro number reaches beyond the table.
    MacroEntry Entry(int i) const;
    void SetEntry(int i, const MacroEntry& entry);

  private:
    static std::size_t WaitByteAt(WaitByte which) {
        return HookAt::WaitClick + static_cast<std::size_t>(which);
    }
};

// One field of a section. A text field is a short string copied with at most
// textCapacity characters; a repeated field occurs repeat times, stride apart;
// the per-macro fields (section 7) lie stride apart by macro number.
struct HookField {
    std::uint16_t offset;
    std::uint16_t width;
    std::uint8_t textCapacity = 0;
    std::uint16_t stride = 0;
    std::uint16_t repeat = 1;
};

// The fields of one section, in the order they are copied: the one list the
// hook library and both programs' copy-back use.
std::span<const HookField> SectionFields(HookSection section);

// Copies the fields of section from one image into another; for the per-macro
// section only the entry of macro item (1..500; anything else copies nothing).
void CopySection(ConstBytes from, Bytes to, HookSection section, int item = 0);

// A section number as the messages carry it; false above 14 or below 0.
bool ToHookSection(int number, HookSection& section);

// The combination's code ends the player: an enabled system macro on it
// terminates. Read in place, with no allocation, so the hook library can ask
// it of a key.
bool TerminatesPlayer(ConstBytes table, int code);

}  // namespace orv
