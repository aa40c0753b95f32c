#include "player/win32/schedule_link.h"

#include "player/win32/do_wave.h"

#include <algorithm>

namespace orv::player {
namespace {

constexpr UINT_PTR MyTimerId = 20;
constexpr UINT_PTR Timer2Id = 21;
constexpr UINT Timer2Ms = 5000;

}  // namespace

ScheduleLink::ScheduleLink(const SettingsBlock& settings, HookTable& table, HookLibrary& hooks,
                           const MacroLibrary& library, RunDispatch& dispatch, PlayerDesk& desk)
    : PlayWave(player::DoWave),
      settings_(settings),
      table_(table),
      hooks_(hooks),
      library_(library),
      dispatch_(dispatch),
      desk_(desk),
      scheduler_(settings, table, *this) {}

void ScheduleLink::Start(HWND owner, bool startupRequest, std::string startupNickname) {
    owner_ = owner;
    // Read once: the editor's scheduler options change the alarm, not the tick.
    tickMs_ = std::max<UINT>(settings_.TimerSeconds, 1) * 1000;
    startupRequest_ = startupRequest;
    startupNickname_ = std::move(startupNickname);
    CheckAndSetTime();
    SetTimer(owner_, Timer2Id, Timer2Ms, nullptr);
}

void ScheduleLink::CheckAndSetTime() {
    scheduler_.CheckAndSetTime();
    if (!owner_)
        return;
    if (scheduler_.HasRows())
        SetTimer(owner_, MyTimerId, tickMs_, nullptr);
    else
        KillTimer(owner_, MyTimerId);
}

bool ScheduleLink::OnTimer(WPARAM id) {
    if (id == MyTimerId) {
        scheduler_.CheckOutTimerMacros();
        return true;
    }
    if (id == Timer2Id) {
        KillTimer(owner_, Timer2Id);
        scheduler_.DoStartUpMacros(startupRequest_, startupNickname_);
        return true;
    }
    return false;
}

void ScheduleLink::Stop() {
    if (!owner_)
        return;
    KillTimer(owner_, MyTimerId);
    KillTimer(owner_, Timer2Id);
}

bool ScheduleLink::ReadMacroRecord(int n, MacroRecord& out) {
    return library_.ReadMacroRecord(n, out);
}

bool ScheduleLink::MayStartRun() {
    return dispatch_.CanStartRun(RunRequest::Unattended);
}

bool ScheduleLink::ActivateIt(std::string_view titlePart) {
    return desk_.ActivateWindow(titlePart);
}

bool ScheduleLink::ActivateProg(std::string_view name) {
    return desk_.ActivateProgram(name);
}

void ScheduleLink::DoWave(const std::string& file, bool wait) {
    PlayWave(file, wait);
}

void ScheduleLink::RunUnattended(int n, const MacroRecord& record) {
    dispatch_.Play(n, record, record.ScriptText(), RunOrigin::Unattended);
}

void ScheduleLink::NoMacroNamed(std::string_view nickname) {
    desk_.Notice(RefusalMessage::NoticeCaption, RefusalMessage::NoMacroNamed(nickname));
}

void ScheduleLink::RefreshIdle() {
    RefreshFromHookLibrary(hooks_, table_, static_cast<int>(HookSection::Idle));
}

void ScheduleLink::PushIdle() {
    hooks_.HandOver(HookSection::Idle, table_);
}

}  // namespace orv::player
