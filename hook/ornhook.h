// The exports of ORNHOOK.dll as both programs call them: stdcall, 32-bit
// arguments and results, undecorated names.
#pragma once

#include <cstdint>

extern "C" {

// Hook handles, kept by the caller and given back to OrnUnHook.
std::int32_t __stdcall OrnHookKeyboard();
std::int32_t __stdcall OrnHookMouse();
std::int32_t __stdcall OrnHookCBT();
std::int32_t __stdcall OrnHookSwap();
std::int32_t __stdcall OrnUnHook(std::int32_t hook);

// Each hands one section of the caller's HookTable to the master table.
std::int32_t __stdcall OrnUpCapture(const std::uint8_t* table);
std::int32_t __stdcall OrnUpCaptureOn(const std::uint8_t* table);
std::int32_t __stdcall OrnUpInUse(const std::uint8_t* table);
std::int32_t __stdcall OrnUpKeyHook(const std::uint8_t* table);
std::int32_t __stdcall OrnUpMouseHook(const std::uint8_t* table);
std::int32_t __stdcall OrnUpWindow(const std::uint8_t* table);
std::int32_t __stdcall OrnUpWindow2(const std::uint8_t* table);
std::int32_t __stdcall OrnUpNumKeys(const std::uint8_t* table);
std::int32_t __stdcall OrnUpProg(const std::uint8_t* table);
std::int32_t __stdcall OrnUpProgs(const std::uint8_t* table);
std::int32_t __stdcall OrnUpInit(const std::uint8_t* table);
std::int32_t __stdcall OrnUpIdle(const std::uint8_t* table);
std::int32_t __stdcall OrnUpWaits(const std::uint8_t* table);
std::int32_t __stdcall OrnUpKeys(const std::uint8_t* table);
// The entry of one macro (1..500, low 16 bits of item).
std::int32_t __stdcall OrnUpItem(const std::uint8_t* table, std::int32_t item);

// Fills the caller's 19,789-byte buffer, whose address *buffer holds, with
// the whole master table.
std::int32_t __stdcall OrnGetGlob(std::uint8_t* const* buffer);
}
