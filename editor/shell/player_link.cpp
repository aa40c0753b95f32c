#include "editor/shell/player_link.h"

#include "common/hook_table.h"
#include "common/settings.h"

namespace orv::editor {

PlayerNotifyAction DecidePlayerNotify(int code, std::int32_t argument) {
    using A = PlayerNotifyAction;
    switch (code) {
        case PlayerNoticeCode::RepaintList:
            return A::RepaintList;
        case PlayerNoticeCode::SelectMacro:
            return A::SelectMacro;
        case PlayerNoticeCode::OtherLibrary:
            return A::OtherLibrary;
        case PlayerNoticeCode::MacroGone:
            return A::MacroGone;
        case NoticeCode::SectionChanged:
            return argument >= 0 && argument < HookSectionCount ? A::RefreshSection : A::Ignore;
        case NoticeCode::MacroEntryChanged:
            return argument >= 1 && argument <= HookMacroEntries ? A::RefreshEntry : A::Ignore;
        // The player's own append names the macro before its new count
        // arrives; the reread finds whether the record is there.
        case NoticeCode::MacroSaved:
            return argument >= 1 && argument <= MaxMacros ? A::RereadRecord : A::Ignore;
        case PlayerNoticeCode::MacroDeleted:
            return A::ReloadLibrary;
        default:
            return A::Ignore;
    }
}

std::vector<HeldReloads::Notice> HeldReloads::Release() {
    if (holds_ > 0)
        --holds_;
    if (holds_ > 0)
        return {};
    return std::exchange(waiting_, {});
}

bool HeldReloads::Defer(int code, std::int32_t argument) {
    const bool reload = code == PlayerNoticeCode::OtherLibrary ||
                        code == PlayerNoticeCode::MacroGone ||
                        code == PlayerNoticeCode::MacroDeleted;
    if (!reload || holds_ == 0)
        return false;
    // One reload does for many of the same.
    const Notice notice{code, argument};
    if (waiting_.empty() || waiting_.back() != notice)
        waiting_.push_back(notice);
    return true;
}

void PlayerNotices::Post(int code, int argument) {
    if (playerWindow_ != 0 && port_.IsWindow(playerWindow_))
        port_.Post(playerWindow_, code, argument);
}

}  // namespace orv::editor
