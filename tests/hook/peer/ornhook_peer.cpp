// The other process of the hook library tests:
//   ornhook_peer put <window> <macro>  hands over section 6 and one macro entry
//   ornhook_peer count                 exits with the master table's macro count
//   ornhook_peer stay <ms>             runs that long: a process that comes and goes
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "hook/client/hook_client.h"

int main(int argc, char** argv) {
    orv::OrnHookLibrary hooks;
    auto table = std::make_unique<orv::HookTable>();
    if (argc == 4 && std::strcmp(argv[1], "put") == 0) {
        int macro = std::atoi(argv[3]);
        table->SetU32(orv::HookAt::SecondWindow, static_cast<std::uint32_t>(std::atoi(argv[2])));
        table->SetU8(orv::HookAt::SecondWindowOn, 1);
        table->SetEntry(macro, {4, "from the peer"});
        hooks.HandOver(orv::HookSection::Window2, *table);
        hooks.HandOver(orv::HookSection::Item, *table, macro);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "stay") == 0) {
        Sleep(static_cast<DWORD>(std::atoi(argv[2])));
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "count") == 0) {
        hooks.GetGlob(*table);
        return table->MacroCount();
    }
    return 255;
}
