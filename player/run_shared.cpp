#include "player/run_shared.h"

namespace orv::player {

std::optional<std::string> RunShared::MacroScript(std::string_view nickname) const {
    for (int i = 1; i <= table_.EntryCount(); ++i) {
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
    table_.SetMacroPlaying(inUse);
    HandOverInUse();
}

void RunShared::SetMacroInUseHoldingTyping() {
    table_.SetMacroPlayingHoldingTyping();
    HandOverInUse();
}

void RunShared::EndTypingHold() {
    if (table_.U8(HookAt::MacroPlaying) != HookAt::PlayingHoldsTyping)
        return;
    table_.SetU8(HookAt::MacroPlaying, 1);
    HandOverInUse();
}

void RunShared::HandOverInUse() {
    hooks_.HandOver(HookSection::InUse, table_);
    notices_.Post(NoticeCode::SectionChanged, static_cast<int>(HookSection::InUse));
}

}  // namespace orv::player
