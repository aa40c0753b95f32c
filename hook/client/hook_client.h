// The programs' side of the hook library's table: hand-overs and copy-back
// through ORNHOOK.dll's exports.
#pragma once

#include "common/hook_library.h"

namespace orv {

class OrnHookLibrary final : public HookLibrary {
  public:
    void HandOver(HookSection section, const HookTable& table, int item = 0) override;
    void GetGlob(HookTable& into) override;
};

}  // namespace orv
