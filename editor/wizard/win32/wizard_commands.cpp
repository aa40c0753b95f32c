#include "editor/wizard/win32/wizard_commands.h"

#include <string_view>

#include "common/script/catalogue.h"
#include "editor/script/win32/command_bridges.h"

namespace orv::editor {
namespace {

using C = CommandCode;

struct WizardCommandRow {
    int Panel = 0;
    std::string_view Radio;
    // The command whose dialog opens; its choice is the dialog's preset.
    CommandCode Code = CommandCode::None;
};

constexpr WizardCommandRow Rows[] = {
    {54, "P54Text", C::Text},
    {54, "P54Mouse", C::MouseMove},
    {54, "P54Date", C::Date},
    {54, "P54Time", C::Time},
    {54, "P54Clip", C::ClipboardCopy},
    {54, "P54Alt", C::ControlKey},
    {54, "P54Rem", C::Remark},
    {54, "P54File", C::LoadTextFile},
    {54, "P54Encrypt", C::EncryptedText},
    {55, "P55Network", C::NetworkConnect},
    {55, "P55Dialup", C::DialUpNetworking},
    {55, "P55Audio", C::CdPlay},
    {55, "P55Speaker", C::AudioVolume},
    {55, "P55Printer", C::DefaultPrinter},
    {55, "P55Screen", C::DefaultDisplaySize},
    {55, "P55Size", C::WindowResize},
    {55, "P55Max", C::WindowMaximize},
    {55, "P55Desktop", C::DeskTopCascade},
    {55, "P55Reboot", C::Reboot},
    {55, "P55Saver", C::ScreenSaver},
    {56, "P56Activate", C::WindowActivate},
    {56, "P56Web", C::WebSite},
    {56, "P56FTP", C::WebFtp},
    {56, "P56Files", C::ChangeDirectory},
    {56, "P56Sound", C::SoundBeep},
    {56, "P56Video", C::VideoClipPlay},
    {56, "P56Folder", C::OpenFolderInExplorer},
    {56, "P56EMail", C::EMailSend},
    {57, "P57Play", C::MacroRun},
    {57, "P57Pause", C::Pause},
    {57, "P57Repeat", C::RepeatStart},
    {57, "P57Load", C::LoadNewMacroFile},
    {57, "P57Wait", C::WaitForWindowTitle},
    {57, "P57Speed", C::KeystrokeSpeed},
    {57, "P57Delay", C::Delay},
    {57, "P57Box", C::WindowOfText},
};

bool Opens(const WizardCommandRow& row, const CommandContext& commands) {
    return row.Code != C::DialUpNetworking || commands.RasLoaded;
}

// The row of the radio checked on the panel that panel 53's group chose.
const WizardCommandRow* ChosenCommandRow(const WizardAnswers& answers) {
    static constexpr std::pair<const char*, int> Groups[] = {
        {"P53Text", 54}, {"P53System", 55}, {"P53Program", 56}, {"P53Macro", 57}};
    int panel = 0;
    for (auto [radio, number] : Groups) {
        if (answers.Checked(radio))
            panel = number;
    }
    for (const WizardCommandRow& row : Rows) {
        if (row.Panel == panel && answers.Checked(std::string(row.Radio)))
            return &row;
    }
    return nullptr;
}

}  // namespace

void DisableMissingCommands(WizardAnswers& answers, const CommandContext& commands) {
    for (const WizardCommandRow& row : Rows) {
        std::string radio(row.Radio);
        if (Opens(row, commands))
            continue;
        answers.Enable(radio, false);
        if (!answers.Checked(radio))
            continue;
        // The panel's default cannot open: the first that can instead.
        for (const WizardCommandRow& other : Rows) {
            if (other.Panel == row.Panel && Opens(other, commands)) {
                answers.Check(std::string(other.Radio));
                break;
            }
        }
    }
}

std::string ChooseCommandText(TForm& owner, CommandContext& commands,
                              const WizardAnswers& answers) {
    const WizardCommandRow* row = ChosenCommandRow(answers);
    if (!row)
        return {};
    return NewCommandText(owner, commands, row->Code).value_or("");
}

}  // namespace orv::editor
