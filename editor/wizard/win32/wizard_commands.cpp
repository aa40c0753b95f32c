#include "editor/wizard/win32/wizard_commands.h"

#include <vector>

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

using Maker = std::function<std::unique_ptr<TCommandDialog>(CommandContext&)>;

template <class D>
Maker Plain() {
    return [](CommandContext&) { return std::make_unique<D>(); };
}

template <class D>
Maker WithContext() {
    return [](CommandContext& context) { return std::make_unique<D>(context); };
}

Maker DateOrTime(bool time) {
    return [time](CommandContext& context) {
        auto dialog = std::make_unique<TDateOrTime>(context);
        dialog->IsTime = time ? 1 : 0;
        dialog->IsDate = time ? 0 : 1;
        return dialog;
    };
}

const std::vector<WizardCommandRow>& Rows() {
    static const std::vector<WizardCommandRow> rows = {
        {54, "P54Text", WithContext<TModText>()},
        {54, "P54Mouse", Plain<TDoMouse>()},
        {54, "P54Date", DateOrTime(false)},
        {54, "P54Time", DateOrTime(true)},
        {54, "P54Clip", Plain<TDoClipboard>()},
        {54, "P54Alt", Plain<TDoKeyUpDown>()},
        {54, "P54Rem", Plain<TDoRemark>()},
        {54, "P54File", nullptr},
        {54, "P54Encrypt", Plain<TDoEncrypt>()},
        {55, "P55Network", nullptr},
        {55, "P55Dialup", nullptr},
        {55, "P55Audio", nullptr},
        {55, "P55Speaker", nullptr},
        {55, "P55Printer", nullptr},
        {55, "P55Screen", nullptr},
        {55, "P55Size", Plain<TDoSizeIt>()},
        {55, "P55Max", Plain<TDoSystemCommand>()},
        {55, "P55Desktop", WithContext<TDoRecycle>()},
        {55, "P55Reboot", Plain<TDoReboot>()},
        {55, "P55Saver", Plain<TDoSysControls>()},
        {56, "P56Activate", Plain<TDoActive>()},
        {56, "P56Web", nullptr},
        {56, "P56FTP", nullptr},
        {56, "P56Files", Plain<TDoDOSFiles>()},
        {56, "P56Sound", nullptr},
        {56, "P56Video", nullptr},
        {56, "P56Folder", Plain<TDoExplore>()},
        {56, "P56EMail", nullptr},
        {57, "P57Play", WithContext<TDoNick>()},
        {57, "P57Pause", Plain<TDoPausePos>()},
        {57, "P57Repeat", Plain<TDoRepeat>()},
        {57, "P57Load", Plain<TDoSwap>()},
        {57, "P57Wait", WithContext<TDoWaitWin>()},
        {57, "P57Speed", Plain<TDoSpeed>()},
        {57, "P57Delay", Plain<TDoDelay2>()},
        {57, "P57Box", Plain<TDoTBox>()},
    };
    return rows;
}

}  // namespace

std::span<const WizardCommandRow> WizardCommandRows() {
    return Rows();
}

const WizardCommandRow* ChosenCommandRow(const WizardAnswers& answers) {
    static constexpr std::pair<const char*, int> Groups[] = {
        {"P53Text", 54}, {"P53System", 55}, {"P53Program", 56}, {"P53Macro", 57}};
    int panel = 0;
    for (auto [radio, number] : Groups) {
        if (answers.Checked(radio))
            panel = number;
    }
    for (const WizardCommandRow& row : Rows()) {
        if (row.Panel == panel && answers.Checked(std::string(row.Radio)))
            return &row;
    }
    return nullptr;
}

void DisableMissingCommands(WizardAnswers& answers) {
    for (const WizardCommandRow& row : Rows()) {
        std::string radio(row.Radio);
        if (row.Make)
            continue;
        answers.Enable(radio, false);
        if (!answers.Checked(radio))
            continue;
        // The panel's default has no dialog: the first that has one instead.
        for (const WizardCommandRow& other : Rows()) {
            if (other.Panel == row.Panel && other.Make) {
                answers.Check(std::string(other.Radio));
                break;
            }
        }
    }
}

}  // namespace orv
