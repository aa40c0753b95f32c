// The window messages the hook library and the two programs post each other:
// one name per number. The numbers are WM_USER (0x400) plus n, written out so
// that portable code needs no system header.
#pragma once

#include <cstdint>

namespace orv::ProgramMessage {

constexpr std::uint32_t User = 0x400;
// To the hot-key box's form: the code of a pressed combination.
constexpr std::uint32_t SecondWindowKey = User + 1;
// To the player: a hot key's code, the Caps Lock bit added while it is on.
constexpr std::uint32_t HotKey = User + 2;
// To the window a recording reports to: one recorded character, then its end.
constexpr std::uint32_t CaptureChar = User + 3;
constexpr std::uint32_t CaptureEnded = User + 4;
constexpr std::uint32_t Abort = User + 5;
constexpr std::uint32_t CuewordChar = User + 6;
constexpr std::uint32_t WindowActivated = User + 7;
constexpr std::uint32_t CapsLock = User + 9;
constexpr std::uint32_t RunByNickname = User + 10;
// Between the programs: a notice (common/notices.h), its code and argument.
constexpr std::uint32_t Notice = User + 11;
constexpr std::uint32_t MacroEnded = User + 12;
constexpr std::uint32_t ProgramsChanged = User + 13;
// To the player while a macro waits: a click, a key, a typed character.
constexpr std::uint32_t ClickSeen = User + 14;
constexpr std::uint32_t KeySeen = User + 15;
constexpr std::uint32_t WaitTextChar = User + 16;
// To the player: the input played before the marker has been processed, and
// the user's input has ended an idle time.
constexpr std::uint32_t InputProcessed = User + 17;
constexpr std::uint32_t IdleOver = User + 18;

}  // namespace orv::ProgramMessage
