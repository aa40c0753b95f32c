#include "editor/script/win32/command_bridges.h"

#include <memory>
#include <type_traits>
#include <utility>

#include "common/script/compose.h"
#include "common/script/display.h"
#include "editor/commands/encryption.h"
#include "editor/commands/keystroke_text.h"
#include "editor/commands/win32/date_time_dialog.h"
#include "editor/commands/win32/device_dialogs.h"
#include "editor/commands/win32/dialup_dialog.h"
#include "editor/commands/win32/email_dialogs.h"
#include "editor/commands/win32/file_dialogs.h"
#include "editor/commands/win32/flow_dialogs.h"
#include "editor/commands/win32/media_dialogs.h"
#include "editor/commands/win32/mouse_dialogs.h"
#include "editor/commands/win32/network_dialog.h"
#include "editor/commands/win32/sound_web_dialogs.h"
#include "editor/commands/win32/system_dialogs.h"
#include "editor/commands/win32/text_dialog.h"
#include "editor/commands/win32/wait_dialog.h"
#include "editor/commands/win32/window_dialogs.h"
#include "editor/script/win32/text_insert_dialog.h"

namespace orv::editor {
namespace {

template <class Dialog>
std::unique_ptr<Dialog> MakeDialog(CommandContext& context) {
    if constexpr (std::is_constructible_v<Dialog, CommandContext&>)
        return std::make_unique<Dialog>(context);
    else if constexpr (std::is_constructible_v<Dialog, SettingsBlock&>)
        return std::make_unique<Dialog>(context.Settings);
    else
        return std::make_unique<Dialog>();
}

// The dialogs whose own fresh show starts a new line (the date dialog's last
// format, the web box's scheme, the second free drive, the first phone-book
// entry or display mode, an empty e-mail) and keeps the code's choice; the
// others show the preselection they were given unless asked for their own
// reset.
template <class Dialog>
constexpr bool FreshShowKeepsChoice =
    std::is_same_v<Dialog, TDateOrTime> || std::is_same_v<Dialog, TDoWebStuff> ||
    std::is_same_v<Dialog, TDoNetConn> || std::is_same_v<Dialog, TDoDialup> ||
    std::is_same_v<Dialog, TDoScreen> || std::is_same_v<Dialog, TDoTheEmail>;

// The line being edited into the dialog: every value of its record, or for
// the e-mail dialog its token, which the dialog decodes against the
// recipient list on show.
template <class Dialog, class Input>
void LoadEdited(Dialog& dialog, const CommandLine& line) {
    dialog.LoadInput(InputFromRecord<Input>(line.Code, line.Record));
}

template <>
void LoadEdited<TDoTheEmail, EmailInput>(TDoTheEmail& dialog, const CommandLine& line) {
    if (const auto* email = std::get_if<EmailRec>(&line.Record))
        dialog.CommandText = email->Token;
}

template <class Dialog, class Input>
std::optional<CommandLine> OpenDialog(TForm& owner, CommandContext& context, CommandCode code,
                                      const CommandLine* editing, NewLineStart start) {
    std::unique_ptr<Dialog> dialog = MakeDialog<Dialog>(context);
    if (editing) {
        LoadEdited<Dialog, Input>(*dialog, *editing);
        dialog->FreshInsert = 0;
    } else {
        dialog->LoadInput(Preselect<Input>(code));
        bool fresh = start == NewLineStart::FreshInsert || FreshShowKeepsChoice<Dialog>;
        dialog->FreshInsert = fresh ? 1 : 0;
    }
    dialog->ShowModal(owner.Handle());
    if (!dialog->Confirmed())
        return std::nullopt;
    CommandCode made = dialog->ComposedCode();
    const CommandRecord& record = dialog->ComposedRecord();
    return CommandLine{DisplayLine(made, record), made, record};
}

// One row per family; the text-file family is the script editor's own.
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
    {Bridge::MyBeep, OpenDialog<TDoSound, SoundInput>},
    {Bridge::MyWeb, OpenDialog<TDoWebStuff, WebInput>},
    {Bridge::MyNetwork, OpenDialog<TDoNetConn, NetConnInput>},
    {Bridge::MyDialup, OpenDialog<TDoDialup, DialupInput>},
    {Bridge::MyAVI, OpenDialog<TDoAVI, AviInput>},
    {Bridge::MyCDRom, OpenDialog<TDoCDRom, CdInput>},
    {Bridge::MyVolume, OpenDialog<TDoVolume, VolumeInput>},
    {Bridge::MyPrinter, OpenDialog<TDoDefPrint, DefPrintInput>},
    {Bridge::MyDisplay, OpenDialog<TDoScreen, ScreenInput>},
    {Bridge::MyEMail, OpenDialog<TDoTheEmail, EmailInput>},
};

}  // namespace

DialogBridgeFn DialogBridge(Bridge bridge) {
    for (const auto& [serves, run] : DialogBridges)
        if (serves == bridge)
            return run;
    return nullptr;
}

std::optional<std::string> NewCommandText(TForm& owner, CommandContext& context, CommandCode code,
                                          NewLineStart start) {
    if (code == CommandCode::LoadTextFile) {
        TDoTextInsert dialog;
        dialog.ScriptEditChoice = 0;
        dialog.ShowModal(owner.Handle());
        if (!dialog.Confirmed())
            return std::nullopt;
        return ComposeCommand(dialog.ComposedCode(), dialog.ComposedRecord()).Text;
    }
    std::optional<Bridge> bridge = BridgeFor(code);
    DialogBridgeFn run = bridge ? DialogBridge(*bridge) : nullptr;
    std::optional<CommandLine> line =
        run ? run(owner, context, code, nullptr, start) : std::nullopt;
    if (!line)
        return std::nullopt;
    return ComposeCommand(line->Code, line->Record).Text;
}

}  // namespace orv::editor
