// The hook library. The master HookTable lives in the named mapping every
// process of the system shares; each hand-over copies exactly the fields of
// its section into it. The hooks themselves run on the input thread.
#include "hook/ornhook.h"

#include <cstring>

#include "common/hook_table.h"
#include "hook/win32/input_thread.h"
#include "hook/win32/master_table.h"

namespace {

using orv::HookSection;
using orv::HookTable;

std::int32_t HandOver(const std::uint8_t* table, HookSection section, int item = 0) {
    std::uint8_t* master = orv::MasterTable();
    if (!master || !table)
        return 0;
    orv::CopySection(orv::ConstBytes(table, HookTable::Size), orv::Bytes(master, HookTable::Size),
                     section, item);
    return 1;
}

}  // namespace

extern "C" {

std::int32_t __stdcall OrnHookKeyboard() {
    return orv::InstallHook(orv::HookRole::Keyboard);
}
std::int32_t __stdcall OrnHookMouse() {
    return orv::InstallHook(orv::HookRole::Mouse);
}
std::int32_t __stdcall OrnHookCBT() {
    return orv::InstallHook(orv::HookRole::Watcher);
}
std::int32_t __stdcall OrnHookSwap() {
    return orv::InstallHook(orv::HookRole::Swap);
}
std::int32_t __stdcall OrnUnHook(std::int32_t hook) {
    return orv::RemoveHook(hook) ? 1 : 0;
}

std::int32_t __stdcall OrnUpCapture(const std::uint8_t* t) {
    return HandOver(t, HookSection::Capture);
}
std::int32_t __stdcall OrnUpCaptureOn(const std::uint8_t* t) {
    return HandOver(t, HookSection::CaptureOn);
}
std::int32_t __stdcall OrnUpInUse(const std::uint8_t* t) {
    const std::int32_t done = HandOver(t, HookSection::InUse);
    orv::InUseHandedOver();
    return done;
}
std::int32_t __stdcall OrnUpKeyHook(const std::uint8_t* t) {
    return HandOver(t, HookSection::KeyHook);
}
std::int32_t __stdcall OrnUpMouseHook(const std::uint8_t* t) {
    return HandOver(t, HookSection::MouseHook);
}
std::int32_t __stdcall OrnUpWindow(const std::uint8_t* t) {
    return HandOver(t, HookSection::Window);
}
std::int32_t __stdcall OrnUpWindow2(const std::uint8_t* t) {
    return HandOver(t, HookSection::Window2);
}
std::int32_t __stdcall OrnUpNumKeys(const std::uint8_t* t) {
    return HandOver(t, HookSection::NumKeys);
}
std::int32_t __stdcall OrnUpProg(const std::uint8_t* t) {
    return HandOver(t, HookSection::Prog);
}
std::int32_t __stdcall OrnUpProgs(const std::uint8_t* t) {
    return HandOver(t, HookSection::Progs);
}
std::int32_t __stdcall OrnUpInit(const std::uint8_t* t) {
    return HandOver(t, HookSection::Init);
}
std::int32_t __stdcall OrnUpIdle(const std::uint8_t* t) {
    return HandOver(t, HookSection::Idle);
}
std::int32_t __stdcall OrnUpWaits(const std::uint8_t* t) {
    return HandOver(t, HookSection::Waits);
}
std::int32_t __stdcall OrnUpKeys(const std::uint8_t* t) {
    return HandOver(t, HookSection::Keys);
}
std::int32_t __stdcall OrnUpItem(const std::uint8_t* t, std::int32_t item) {
    return HandOver(t, HookSection::Item, item & 0xFFFF);
}

std::int32_t __stdcall OrnGetGlob(std::uint8_t* const* buffer) {
    if (!buffer || !*buffer)
        return 0;
    const std::uint8_t* master = orv::MasterTable();
    // Without the shared table there is nothing to report: all zero.
    if (master)
        std::memcpy(*buffer, master, HookTable::Size);
    else
        std::memset(*buffer, 0, HookTable::Size);
    return master ? 1 : 0;
}
}
