// The panels' loaders and their own handlers: what a panel lists the first
// time it shows, the controls its choices show or enable, its Browse
// buttons, the keystroke and running-program pickers, the tests and the
// single command's dialog.
#include <algorithm>
#include <stdexcept>

#include "common/message_boxes.h"
#include "common/script/catalogue.h"
#include "common/string_routines.h"
#include "common/ui/win32/draw_grid.h"
#include "common/ui/win32/folder_dialogs.h"
#include "common/ui/win32/services.h"
#include "common/ui/win32/shell_service.h"
#include "common/ui/win32/sound_service.h"
#include "editor/commands/recipient_list.h"
#include "editor/commands/win32/symbol_search_dialogs.h"
#include "editor/wizard/win32/quick_wiz.h"
#include "editor/wizard/win32/wizard_commands.h"
#include "editor/wizard/wizard_checks.h"
#include "editor/wizard/wizard_kinds.h"
#include "editor/wizard/wizard_lists.h"
#include "editor/wizard/wizard_loaders.h"

namespace orv::editor {
namespace {

std::vector<ListLine> LinesOf(const std::vector<std::string>& texts) {
    std::vector<ListLine> lines;
    for (std::size_t i = 0; i < texts.size(); ++i) lines.push_back({texts[i], static_cast<int>(i)});
    return lines;
}

// Lists declared sorted show their lines in the order of their texts.
std::vector<ListLine> Sorted(std::vector<ListLine> lines) {
    std::stable_sort(lines.begin(), lines.end(), [](const ListLine& a, const ListLine& b) {
        return UpperAscii(a.Text) < UpperAscii(b.Text);
    });
    return lines;
}

template <std::size_t N>
std::vector<ListLine> FormatLines(const std::array<FormatEntry, N>& table) {
    std::vector<ListLine> lines;
    for (const FormatEntry& format : table)
        lines.push_back(
            {std::string(format.Name) + FormatSampleSeparator + std::string(format.Sample)});
    return lines;
}

// A control a choice of its panel shows or enables: on while any of On is
// checked, or any of Off is not.
struct ChoiceRule {
    int Panel;
    enum { Enable, Show } What;
    std::vector<std::string_view> Controls;
    std::vector<std::string_view> On;
    std::vector<std::string_view> Off = {};
};

const std::vector<ChoiceRule>& ChoiceRules() {
    using R = ChoiceRule;
    static const std::vector<ChoiceRule> rules = {
        {3, R::Show, {"OncePanel"}, {"Once"}},
        {3, R::Show, {"HourlyPanel"}, {"Hourly"}},
        {3, R::Show, {"DailyPanel"}, {"Daily"}},
        {3, R::Show, {"WeeklyPanel"}, {"Weekly"}},
        {3, R::Show, {"MonthlyPanel"}, {"Monthly"}},
        {3, R::Show, {"OtherPanel"}, {"Other"}},
        {3, R::Show, {"IdlePanel"}, {"Idle"}},
        {8, R::Enable, {"P8Path", "P8Browse"}, {"P8ProgPath"}},
        {8, R::Enable, {"P8InstallBox"}, {"P8Installed"}},
        {9, R::Enable, {"P9PopupLabel", "P9PopupList"}, {"P9AddYes"}},
        {23, R::Show, {"ScreenPosPanel"}, {"P23Positioned"}},
        {25, R::Enable, {"P25Path", "P25Browse"}, {"P25Folder"}},
        {25, R::Enable, {"P25SpecList"}, {"P25Special"}},
        {26, R::Enable, {"P26ProgPath", "P26Browse"}, {"P26Wave"}},
        {29, R::Enable, {"P29LogName", "P29LogPass"}, {}, {"P29UseDefault"}},
        {31, R::Enable, {"P31FolderLabel", "P31Path", "P31Browse"}, {"P31Yes"}},
        {32, R::Enable, {"P32Path", "P32Browse"}, {"P32ProgPath"}},
        {32, R::Enable, {"P32InstallBox"}, {"P32Installed"}},
        {41, R::Enable, {"P41Minutes"}, {"P41Idle"}},
        {51, R::Enable, {"P51IconSize"}, {"P51Icons"}},
        {59, R::Enable, {"P59AltKey"}, {"P59Yes"}},
        {60, R::Show, {"P60Pan1", "P60Pan2"}, {"P60Yes"}},
        {67,
         R::Enable,
         {"P67ToScreen", "P67ToWindow", "P67ToPosition", "P67ClicksOnly"},
         {"P67DoMouse"}},
        {67,
         R::Enable,
         {"P67ActualSpeed", "P67HalfSpeed", "P67DoubleSpeed", "P67QuadSpeed"},
         {"P67DoTime"}},
        {77,
         R::Show,
         {"P77AttachLabel", "P77AttachBox", "P77AddAttach", "P77DeleteAttach"},
         {"P77ChooseAttach"}},
        {83, R::Show, {"P83TextLabel", "P83Memo"}, {"P83Now"}},
        {83, R::Show, {"P83FileName", "P83Browse"}, {"P83File"}},
        {83, R::Show, {"P83SubjectLabel", "P83Subject"}, {}, {"P83Prompt"}},
    };
    return rules;
}

// A Browse button: the edit it fills and the dialog it opens; a button with
// several rows opens the first whose When radio is checked (or has none).
struct BrowseRow {
    std::string_view Button;
    std::string_view Target;
    enum { File, Folder, NetworkFolder } Dialog;
    std::string_view Filter;
    std::string_view DefaultExt = {};
    std::string_view Title = {};
    std::string_view When = {};
};

constexpr std::string_view WaveFilter = "Wave Files (*.WAV)|*.WAV";
constexpr std::string_view TextFilter = "Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*";
constexpr std::string_view GraphicFilter =
    "Graphic Files (*.BMP, *.JPG, *.WMF)|*.BMP;*.JPG;*.WMF|Bitmap (*.BMP)|*.BMP|"
    "JPeg (*.JPG)|*.JPG|Windows MetaFile (*.WMF)|*.WMF";

const std::vector<BrowseRow>& BrowseRows() {
    using B = BrowseRow;
    static const std::vector<BrowseRow> rows = {
        {"P12Browse", "P12Path", B::File, GraphicFilter, "BMP", "Graphic Files", "P13Graphic"},
        {"P12Browse", "P12Path", B::File, TextFilter},
        {"P23Browse", "P23Bit", B::File, "Bitmap (*.BMP)|*.BMP", "BMP", "Bitmap Files"},
        {"P24Browse", "P24Path", B::File, "Video Clips (*.AVI)|*.AVI"},
        {"P26Browse", "P26ProgPath", B::File, WaveFilter},
        {"Button3", "P46FName", B::File, WaveFilter},
        {"P32Browse", "P32Path", B::File, "Programs (*.EXE)|*.EXE"},
        {"P34Browse", "P34Path", B::File, "All Files (*.*)|*.*"},
        {"P25Browse", "P25Path", B::Folder, {}},
        {"P31Browse", "P31Path", B::Folder, {}},
        {"P49Browse", "P49Path", B::Folder, {}, {}, {}, "P48ChangeDir"},
        {"P49Browse", "P49Path", B::Folder, {}, {}, {}, "P48CreateFolder"},
        {"P49Browse", "P49Path", B::File, "All Files (*.*)|*.*"},
        {"P6Browse", "P6ProgPath", B::NetworkFolder, {}},
        {"P83Browse", "P83FileName", B::File, TextFilter},
    };
    return rows;
}

}  // namespace

void TQuickWiz::Load(int panel) {
    WizardAnswers& a = answers_;
    switch (panel) {
        case 3:
            a.SetLines("P3KeyList", LinesOf(HotKeyListLines(env_)));
            LoadOnceMoment(env_.Now(), a);
            break;
        case 6: {
            a.SetLines("P6DriveBox", LinesOf(platform_.Drives()));
            if (a.Lines("P6DriveBox").size() >= 2)
                a.Choose("P6DriveBox", 1);
            break;
        }
        case 8:
        case 32: {
            std::string box = panel == 8 ? "P8InstallBox" : "P32InstallBox";
            a.SetLines(box, Sorted(platform_.InstalledPrograms()));
            break;
        }
        case 9:
            a.SetLines("P9PopupList", PopupMenuLines(env_));
            break;
        case 10:
            if (Kind == WizardKind::Reminder)
                a.SetText("P10Nick", ReminderNickname(a.Text("P26MyMemo")));
            break;
        case 14: {
            std::vector<std::string> names;
            for (const KeystrokeChoice& k : KeystrokeChoices()) names.emplace_back(k.Name);
            a.SetLines("P14KeyList", LinesOf(names));
            break;
        }
        case 15:
            a.SetLines("P15SettingBox", LinesOf(platform_.Printers()));
            break;
        case 16:
            a.SetLines("P16SettingBox", LinesOf(platform_.DisplayModes()));
            break;
        case 18:
            a.SetLines("P18Format", FormatLines(DateFormatTable));
            break;
        case 19:
            a.SetLines("P19Format", FormatLines(TimeFormatTable));
            break;
        case 25:
            if (env_.Browser4OrLater) {
                std::vector<std::string> folders(SpecialFolders().begin(), SpecialFolders().end());
                a.SetLines("P25SpecList", LinesOf(folders));
            }
            break;
        case 28: {
            a.SetLines("P28PhoneList", LinesOf(platform_.PhoneBook()));
            if (!a.Lines("P28PhoneList").empty())
                a.Choose("P28PhoneList", 0);
            break;
        }
        case 50:
            a.SetLines("P50Macros", MenuMemberLines(env_));
            break;
        case 59:
            LoadCaptureAnswers(env_.Settings, a);
            break;
        case 62:
            a.SetLines("P62ProgList", Sorted(LinesOf(platform_.WindowTitles())));
            break;
        case 64:
            a.SetLines("P64AvailBox", Sorted(CombinableMacroLines(env_)));
            break;
        case 65:
            LoadFirstTimeAnswers(env_.Settings, a);
            break;
        case 76:
        case 81:
        case 82:
            a.SetLines("P" + std::to_string(panel) + "AddressBox",
                       LinesOf(RecipientList::Read(commands_.Settings.EMailPath.str()).Lines));
            break;
        default:
            break;
    }
}

void TQuickWiz::ArrangeChoices(int panel) {
    if (panel == 3) {
        Activation activation = ActivationOf(Kind, answers_);
        SetShown("P3HotKeyPart", activation == Activation::HotKey);
        SetShown("P3CuewordPart", activation == Activation::Cueword);
        SetShown("Sched1Panel", activation == Activation::Timed);
    }
    if (panel == 64)
        EnableCombinedButtons(answers_);
    for (const ChoiceRule& rule : ChoiceRules()) {
        if (rule.Panel != panel)
            continue;
        bool on = std::any_of(rule.On.begin(), rule.On.end(),
                              [&](auto name) { return answers_.Checked(std::string(name)); }) ||
                  std::any_of(rule.Off.begin(), rule.Off.end(),
                              [&](auto name) { return !answers_.Checked(std::string(name)); });
        for (std::string_view name : rule.Controls) {
            std::string control(name);
            if (rule.What == ChoiceRule::Show) {
                SetShown(control, on);
            } else {
                answers_.Enable(control, on);
                if (TControl* c = Control(control))
                    c->SetEnabled(on);
            }
        }
    }
}

void TQuickWiz::SetShown(const std::string& name, bool shown) {
    if (TControl* control = Control(name))
        control->SetVisible(shown);
}

void TQuickWiz::SetChooserShown(const std::string& name, bool shown) {
    TControl& chooser = *Control(name);
    if (chooser.Visible() == shown)
        return;
    if (!shown) {
        chooser.SetVisible(false);
        for (TControl* control : covered_) control->SetVisible(true);
        covered_.clear();
        return;
    }
    auto inChooser = [&](const TControl& control) {
        for (const TControl* p = &control; p; p = p->Parent())
            if (p == &chooser)
                return true;
        return false;
    };
    RECT over{}, place{}, common{};
    GetWindowRect(chooser.Handle(), &over);
    for (const std::unique_ptr<TControl>& control : panels_.at(CurrentPanel()).Controls) {
        if (!control->Handle() || !control->Showing() || inChooser(*control))
            continue;
        GetWindowRect(control->Handle(), &place);
        if (IntersectRect(&common, &place, &over)) {
            control->SetVisible(false);
            covered_.push_back(control.get());
        }
    }
    chooser.SetVisible(true);
    for (const std::unique_ptr<TControl>& control : panels_.at(CurrentPanel()).Controls) {
        if (control->Handle() && inChooser(*control))
            SetWindowPos(control->Handle(), HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TQuickWiz::Bind(const std::string& name, std::function<void()> handler) {
    TControl* control = Control(name);
    if (auto* button = dynamic_cast<TButton*>(control))
        button->OnClick = std::move(handler);
    else if (auto* speed = dynamic_cast<TSpeedButton*>(control))
        speed->OnClick = std::move(handler);
    else if (auto* box = dynamic_cast<TCheckable*>(control))
        box->OnClick = std::move(handler);
    else
        // A handler bound to no button would never run: a programming error.
        throw std::invalid_argument("no wizard button is named \"" + name + "\"");
}

void TQuickWiz::BindHandlers(int panel) {
    // Every choice re-arranges its panel: the model's texts and the
    // controls the choice shows or enables.
    for (const ControlDecl& c : FindPanel(panel)->Controls) {
        if (c.Kind == ControlKind::Radio || c.Kind == ControlKind::CheckBox)
            Bind(c.Name, [this, panel] {
                Pull();
                Arrange(panel);
                Push();
            });
    }
    for (const BrowseRow& row : BrowseRows()) {
        if (Control(std::string(row.Button)))
            Bind(std::string(row.Button), [this, name = std::string(row.Button)] { Browse(name); });
    }
    switch (panel) {
        case 1:
            Bind("P1Bypass", [this] { P1BypassClick(); });
            break;
        case 3:
            ControlAs<TListBox>("P3KeyList")->OnChange = [this] {
                HotKeyPressed(ControlAs<TListBox>("P3KeyList")->ItemIndex());
            };
            break;
        case 8:
            Bind("P8Browse", [this] { ListRunningPrograms(); });
            Bind("P8Ok", [this] { PickRunningProgram(); });
            Bind("P8Cancel", [this] { SetChooserShown("P8ProgPanel", false); });
            Control("P8ProgBox")->OnDblClick = [this] { PickRunningProgram(); };
            break;
        case 14:
            Bind("P14Keystrokes", [this] {
                SetChooserShown("KeystrokePanel", true);
                Control("P14KeyList")->SetFocus();
            });
            Bind("P14Ok", [this] { InsertKeystroke(); });
            Bind("P14Symbols", [this] { InsertSymbol("P14MyMemo"); });
            Bind("P14Cancel", [this] { SetChooserShown("KeystrokePanel", false); });
            Control("P14KeyList")->OnDblClick = [this] { InsertKeystroke(); };
            break;
        case 10:
            ShowMacroIcon();
            Bind("P10MySpeed", [this] { P10MySpeedClick(); });
            break;
        case 28:
            Bind("P28Retrieve", [this] { P28RetrieveClick(); });
            break;
        case 50:
            BindMenuMembers();
            break;
        case 64:
            BindCombinedMacro();
            break;
        case 76:
        case 81:
        case 82:
            Bind("P" + std::to_string(panel) + "Modify", [this] { GetRecipients(); });
            break;
        case 77:
            Bind("P77AddAttach", [this] { AddAttachment(); });
            Bind("P77DeleteAttach", [this] {
                EditAnswers([this] { return RemoveChosenLine(answers_, "P77AttachBox"); });
            });
            break;
        case 12:
        case 26:
            Bind(panel == 12 ? "P12Symbols" : "Button1",
                 [this, panel] { InsertSymbol(panel == 12 ? "P12MyMemo" : "P26MyMemo"); });
            break;
        case 44:
        case 45:
            Bind(panel == 44 ? "P44Test" : "P45Test", [this] { TestMixer(); });
            break;
        case 46:
            Bind("Button4", [this] { PlayWave(); });
            break;
        case 58:
            Bind("P58Choose", [this] { ChooseCommand(); });
            break;
        case 71:
            Bind("P71Launch", [this] { LaunchWebPage(); });
            break;
        default:
            break;
    }
}

void TQuickWiz::Browse(const std::string& button) {
    Pull();
    auto row = std::find_if(BrowseRows().begin(), BrowseRows().end(), [&](const BrowseRow& r) {
        return r.Button == button && (r.When.empty() || answers_.Checked(std::string(r.When)));
    });
    std::optional<std::string> chosen;
    if (row->Dialog == BrowseRow::File) {
        FileDialogOptions options;
        options.Title = row->Title;
        options.Filter = row->Filter;
        options.DefaultExt = row->DefaultExt;
        options.FileMustExist = true;
        chosen = CurrentFileDialogs().Open(Handle(), options);
    } else if (row->Dialog == BrowseRow::Folder) {
        chosen = CurrentFolderDialogs().Browse(Handle(), "Please choose a folder", {});
    } else {
        chosen = CurrentFolderDialogs().BrowseNetwork(Handle(), "Please choose a network drive");
    }
    if (chosen)
        Control(std::string(row->Target))->SetText(*chosen);
}

void TQuickWiz::ListRunningPrograms() {
    Pull();
    answers_.SetLines("P8ProgBox", Sorted(LinesOf(platform_.RunningPrograms())));
    Push();
    SetChooserShown("P8ProgPanel", true);
    Control("P8ProgBox")->SetFocus();
}

void TQuickWiz::PickRunningProgram() {
    Pull();
    std::optional<ListLine> line = answers_.ChosenLine("P8ProgBox");
    if (!line) {
        Refuse({"No program selected.", "P8ProgBox"});
        return;
    }
    Control("P8Path")->SetText(line->Text);
    SetChooserShown("P8ProgPanel", false);
}

void TQuickWiz::InsertKeystroke() {
    int chosen = ControlAs<TListBox>("P14KeyList")->ItemIndex();
    if (chosen < 0) {
        Refuse({"No keystroke selected.", "P14KeyList"});
        return;
    }
    if (InsertIntoMemo("P14MyMemo",
                       std::string(KeystrokeChoices()[static_cast<std::size_t>(chosen)].Token)))
        SetChooserShown("KeystrokePanel", false);
}

void TQuickWiz::InsertSymbol(const std::string& memo) {
    TDoSpecial symbols(commands_);
    symbols.FreshInsert = 1;
    symbols.ShowModal(Handle());
    if (!symbols.CommandText.empty())
        InsertIntoMemo(memo, symbols.CommandText);
}

bool TQuickWiz::InsertIntoMemo(const std::string& name, const std::string& insert) {
    auto* memo = ControlAs<TMemo>(name);
    std::string text = memo->Text();
    if (text.size() + insert.size() >= 5001) {
        Refuse({"Text exceeds maximum length.  Text not added.", name});
        return false;
    }
    int caret = memo->SelStart();
    memo->SetText(text.substr(0, static_cast<std::size_t>(caret)) + insert +
                  text.substr(static_cast<std::size_t>(caret)));
    memo->SetFocus();
    memo->SetSelection(caret + static_cast<int>(insert.size()), 0);
    return true;
}

void TQuickWiz::TestMixer() {
    CurrentMessageBoxes().Show("Audio Device", platform_.MixerReport(), MsgStyle::Ok);
}

void TQuickWiz::PlayWave() {
    std::string file = TrimStr(Control("P46FName")->Text());
    if (file.empty() || GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
        Refuse({"Specified WAV File does not exist.  Please correct.", "P46FName"});
        return;
    }
    CurrentSound().Play(file);
}

void TQuickWiz::LaunchWebPage() {
    std::string url = TrimStr(Control("P71URL")->Text());
    if (url.empty()) {
        Refuse({"No web page has been entered.  Please correct.", "P71URL"});
        return;
    }
    CurrentShell().Open(Handle(), url, {});
}

void TQuickWiz::ChooseCommand() {
    Pull();
    answers_.CommandText = ChooseCommandText(*this, commands_, answers_);
    Control("P58Command")->SetText(answers_.CommandText);
}

}  // namespace orv::editor
