#include "editor/shell/player_link.h"

#include "common/hook_table.h"

namespace orv {

namespace {

bool IsMacroOf(std::int32_t number, int macroCount) {
    return number >= 1 && number <= macroCount;
}

}  // namespace

PlayerNotifyAction DecidePlayerNotify(int code, std::int32_t argument, int macroCount) {
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
        case NoticeCode::MacroSaved:
            return IsMacroOf(argument, macroCount) ? A::RereadRecord : A::Ignore;
        case PlayerNoticeCode::MacroDeleted:
            return A::ReloadLibrary;
        default:
            return A::Ignore;
    }
}

void PlayerNotices::Post(int code, int argument) {
    if (playerWindow_ != 0 && port_.IsWindow(playerWindow_))
        port_.Post(playerWindow_, code, argument);
}

}  // namespace orv
