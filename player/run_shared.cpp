#include "player/run_shared.h"

#include <algorithm>

namespace orv {

std::optional<std::string> RunShared::MacroScript(std::string_view nickname) const {
    const int count = std::clamp<int>(table_.MacroCount(), 0, MaxMacros);
    for (int i = 1; i <= count; ++i) {
        if (settings_.Nickname[i].str() != nickname)
            continue;
        MacroRecord record;
        if (!library_.ReadMacroRecord(i, record))
            return std::nullopt;
        return record.ScriptText();
    }
    return std::nullopt;
}

void RunShared::SetMacroInUse(bool inUse) {
    table_.SetU8(HookAt::MacroPlaying, inUse ? 1 : 0);
    hooks_.HandOver(HookSection::InUse, table_);
    notices_.Post(NoticeCode::SectionChanged, static_cast<int>(HookSection::InUse));
}

}  // namespace orv
