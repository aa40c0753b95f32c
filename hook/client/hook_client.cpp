#include "hook/client/hook_client.h"

#include "hook/ornhook.h"

namespace orv {

void OrnHookLibrary::HandOver(HookSection section, const HookTable& table, int item) {
    using UpCall = std::int32_t(__stdcall*)(const std::uint8_t*);
    // In section order; the per-macro section has its own call.
    static constexpr UpCall Up[HookSectionCount] = {
        OrnUpCapture, OrnUpCaptureOn, OrnUpInUse, OrnUpKeyHook, OrnUpMouseHook,
        OrnUpWindow,  OrnUpWindow2,   nullptr,    OrnUpNumKeys, OrnUpProg,
        OrnUpProgs,   OrnUpInit,      OrnUpIdle,  OrnUpWaits,   OrnUpKeys,
    };
    if (section == HookSection::Item)
        OrnUpItem(table.Bytes.data(), item);
    else
        Up[static_cast<int>(section)](table.Bytes.data());
}

void OrnHookLibrary::GetGlob(HookTable& into) {
    std::uint8_t* buffer = into.Bytes.data();
    OrnGetGlob(&buffer);
}

}  // namespace orv
