#include "common/hook_library.h"

#include <memory>

namespace orv {

void RefreshFromHookLibrary(HookLibrary& library, HookTable& own, int section, int item) {
    HookSection which;
    if (!ToHookSection(section, which))
        return;
    auto master = std::make_unique<HookTable>();
    library.GetGlob(*master);
    CopySection(master->Bytes, own.Bytes, which, item);
    if (which == HookSection::Init)
        own.SetU32(HookAt::OwnScratch812, 0);
}

}  // namespace orv
