#include "hook/win32/master_table.h"

#include <windows.h>

#include "common/hook_table.h"
#include "common/win32/kernel_objects.h"

namespace orv {

std::uint8_t* MasterTable() {
    static std::uint8_t* const view = []() -> std::uint8_t* {
        HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                            HookTable::Size, KernelName::MasterTable);
        if (!mapping)
            return nullptr;
        void* v = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, HookTable::Size);
        if (!v)
            CloseHandle(mapping);
        return static_cast<std::uint8_t*>(v);
    }();
    return view;
}

Bytes MasterTableImage() {
    std::uint8_t* view = MasterTable();
    return view ? Bytes(view, HookTable::Size) : Bytes();
}

}  // namespace orv
