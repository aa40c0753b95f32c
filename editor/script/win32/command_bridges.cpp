#include "editor/script/win32/command_bridges.h"

#include <memory>
#include <type_traits>
#include <utility>

#include "common/script/display.h"
#include "editor/commands/encryption.h"
#include "editor/commands/keystroke_text.h"
#include "editor/commands/win32/date_time_dialog.h"
#include "editor/commands/win32/file_dialogs.h"
#include "editor/commands/win32/flow_dialogs.h"
#include "editor/commands/win32/mouse_dialogs.h"
#include "editor/commands/win32/system_dialogs.h"
#include "editor/commands/win32/text_dialog.h"
#include "editor/commands/win32/wait_dialog.h"
#include "editor/commands/win32/window_dialogs.h"

namespace orv {
namespace {

template <class Dialog>
std::unique_ptr<Dialog> MakeDialog(CommandContext& context) {
    if constexpr (std::is_constructible_v<Dialog, CommandContext&>)
        return std::make_unique<Dialog>(context);
    else
        return std::make_unique<Dialog>();
}

// The date dialog's fresh show takes the last format from the settings and
// keeps the date or time choice; the others show what they were given.
template <class Dialog>
constexpr bool FreshShowKeepsChoice = std::is_same_v<Dialog, TDateOrTime>;

template <class Dialog, class Input>
std::optional<CommandLine> OpenDialog(TForm& owner, CommandContext& context, CommandCode code,
                                      const CommandLine* editing) {
    std::unique_ptr<Dialog> dialog = MakeDialog<Dialog>(context);
    if (editing) {
        dialog->LoadInput(InputFromRecord<Input>(editing->Code, editing->Record));
        dialog->FreshInsert = 0;
    } else {
        dialog->LoadInput(Preselect<Input>(code));
        dialog->FreshInsert = FreshShowKeepsChoice<Dialog> ? 1 : 0;
    }
    dialog->ShowModal(owner.Handle());
    if (!dialog->Confirmed())
        return std::nullopt;
    CommandCode made = dialog->ComposedCode();
    const CommandRecord& record = dialog->ComposedRecord();
    return CommandLine{DisplayLine(made, record), made, record};
}

// One row per family whose dialog is there.
const std::pair<Bridge, DialogBridgeFn> DialogBridges[] = {
    {Bridge::MyText, OpenDialog<TModText, TextInput>},
    {Bridge::MyDate, OpenDialog<TDateOrTime, DateTimeInput>},
    {Bridge::MyDelay, OpenDialog<TDoDelay2, DelayInput>},
    {Bridge::MyPause, OpenDialog<TDoPausePos, PauseInput>},
    {Bridge::MyRepeat, OpenDialog<TDoRepeat, RepeatInput>},
    {Bridge::MySpeed2, OpenDialog<TDoSpeed, SpeedInput>},
    {Bridge::MyActive, OpenDialog<TDoActive, ActiveInput>},
    {Bridge::MySwap, OpenDialog<TDoSwap, SwapInput>},
    {Bridge::MySizeIt, OpenDialog<TDoSizeIt, SizeItInput>},
    {Bridge::MyCommand, OpenDialog<TDoSystemCommand, SystemCommandInput>},
    {Bridge::MyMouseStuff, OpenDialog<TDoMouse, MouseInput>},
    {Bridge::MyRemark, OpenDialog<TDoRemark, RemarkInput>},
    {Bridge::MyClip, OpenDialog<TDoClipboard, ClipboardInput>},
    {Bridge::MyKeyUp, OpenDialog<TDoKeyUpDown, KeyUpDownInput>},
    {Bridge::MyDosStuff, OpenDialog<TDoDOSFiles, DOSFilesInput>},
    {Bridge::MyConnect, OpenDialog<TDoNick, NickInput>},
    {Bridge::MyTextWindow, OpenDialog<TDoTBox, TBoxInput>},
    {Bridge::MyExplore, OpenDialog<TDoExplore, ExploreInput>},
    {Bridge::MyDeskTop, OpenDialog<TDoRecycle, RecycleInput>},
    {Bridge::MyReboot, OpenDialog<TDoReboot, RebootInput>},
    {Bridge::MySys, OpenDialog<TDoSysControls, SysControlsInput>},
    {Bridge::MyWaitWin, OpenDialog<TDoWaitWin, WaitInput>},
    {Bridge::MyEncrypt, OpenDialog<TDoEncrypt, EncryptInput>},
};

}  // namespace

DialogBridgeFn DialogBridge(Bridge bridge) {
    for (const auto& [serves, run] : DialogBridges)
        if (serves == bridge)
            return run;
    return nullptr;
}

}  // namespace orv
