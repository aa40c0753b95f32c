// The quick wizard form under Wine: a kind walked by keys, every kind's
// default road with its panels' declared controls, and the lists the panels
// load from the system.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "common/hotkeys.h"
#include "common/program_messages.h"
#include "common/ui/win32/draw_grid.h"
#include "common/ui/win32/shell_service.h"
#include "common/script/catalogue.h"
#include "common/win32/system_routines.h"
#include "editor/commands/win32/date_time_dialog.h"
#include "editor/commands/win32/device_dialogs.h"
#include "editor/commands/win32/dialup_dialog.h"
#include "editor/commands/win32/email_dialogs.h"
#include "editor/commands/win32/flow_dialogs.h"
#include "editor/commands/win32/media_dialogs.h"
#include "editor/commands/win32/network_dialog.h"
#include "editor/commands/win32/sound_web_dialogs.h"
#include "editor/commands/win32/symbol_search_dialogs.h"
#include "editor/commands/win32/system_dialogs.h"
#include "editor/script/win32/text_insert_dialog.h"
#include "editor/wizard/win32/quick_wiz.h"
#include "editor/wizard/wizard_kinds.h"
#include "editor/wizard/wizard_navigator.h"
#include "tests/editor/wizard/win32/test_wizard_host.h"
#include "tests/editor/wizard/wizard_fixture.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/form_picture.h"
#include "tests/support/ui/form_testing.h"
#include "tests/support/ui/hot_key_box_clicks.h"

namespace orv::editor::testing {

// These helpers build on the shared ones.
using namespace orv::testing;
namespace {

std::array<std::uint8_t, MacroRecord::Size> Bytes(const MacroRecord& record) {
    std::array<std::uint8_t, MacroRecord::Size> bytes{};
    record.Encode(bytes);
    return bytes;
}

// A program the Start Menu's shortcuts point at: the test itself.
std::string ThisProgram() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// Each radio of the panel clicked as the user does: the model the form hands
// its answers to names it alone of its question (the panel's radios on the
// same part); then the panel's defaults are clicked back.
void ClickEachRadioOnce(TQuickWiz& w, const PanelDecl& panel) {
    std::vector<TControl*> defaults;
    for (const ControlDecl& c : panel.Controls)
        if (c.Kind == ControlKind::Radio && w.ControlAs<TCheckable>(c.Name)->Checked())
            defaults.push_back(w.Control(c.Name));
    ClickEachRadio(w, [&](TRadioButton& radio) {
        const ControlDecl* clicked = nullptr;
        for (const ControlDecl& c : panel.Controls)
            if (w.Control(c.Name) == &radio)
                clicked = &c;
        ASSERT_NE(clicked, nullptr);
        for (const ControlDecl& c : panel.Controls)
            if (c.Kind == ControlKind::Radio && c.Parent == clicked->Parent) {
                EXPECT_EQ(w.Answers().Checked(c.Name), &c == clicked) << c.Name;
            }
    });
    for (TControl* radio : defaults)
        if (radio->Showing() && radio->Enabled())
            SendMessageA(radio->Handle(), BM_CLICK, 0, 0);
}

class QuickWizTest : public ::testing::Test {
  protected:
    QuickWizTest() {
        // The same program in the user's and everyone's Start Menu, once in
        // a sub-folder; the printers of a machine that has one.
        ComScope com;
        std::filesystem::create_directory(commonMenu.Path() + "\\Tools");
        Win32ShellService shell;
        shell.CreateLink(userMenu.Path() + "\\Wizard Test.lnk", {ThisProgram()});
        shell.CreateLink(commonMenu.Path() + "\\Tools\\Wizard Test.lnk", {ThisProgram()});
        platform.StartMenuFolders = {userMenu.Path(), commonMenu.Path()};
        platform.Printers = [] { return std::vector<std::string>{"Office Printer"}; };
    }
    ModalDriver driver;
    ScriptedMessageBoxes boxes;
    TestWizardHost host{TestEnv()};
    ScratchFolder userMenu{"user_menu"};
    ScratchFolder commonMenu{"common_menu"};
    WizardPlatform platform;
};

TEST_F(QuickWizTest, TheWebKindByKeysMakesTheModelsMacro) {
    const int code = 100;
    TQuickWiz wiz(host, platform, host.Commands, 5);
    driver.Expect<TQuickWiz>([&](TQuickWiz& w) {
        EXPECT_EQ(w.CurrentPanel(), 1);
        EXPECT_FALSE(w.BackButton.Enabled());
        PressKey(w, VK_RETURN);
        EXPECT_EQ(w.CurrentPanel(), 21);
        PressKey(w, VK_RETURN);
        ASSERT_EQ(w.CurrentPanel(), 22);
        boxes.Expect("No web URL has been entered. Please enter one.", MsgResult::Ok, "Error");
        PressKey(w, VK_RETURN);
        EXPECT_EQ(w.CurrentPanel(), 22);
        EXPECT_TRUE(w.Control("P22URL")->Focused());
        TypeText(w, "www.example.com");
        PressKey(w, VK_RETURN);
        EXPECT_EQ(w.CurrentPanel(), 2);
        PressKey(w, VK_RETURN);
        ASSERT_EQ(w.CurrentPanel(), 3);
        EXPECT_TRUE(w.Control("P3HotKeyEntry")->Focused());
        EXPECT_EQ(host.SecondWindow, w.Handle());
        PressMnemonic(w, 'B');
        EXPECT_EQ(w.CurrentPanel(), 2);
        EXPECT_EQ(host.SecondWindow, nullptr);
        PressKey(w, VK_RETURN);
        EXPECT_EQ(host.SecondWindow, w.Handle());
        auto* keys = w.ControlAs<TListBox>("P3KeyList");
        SendMessageA(w.Handle(), ProgramMessage::SecondWindowKey, HotKeyCount, 0);
        EXPECT_EQ(keys->ItemIndex(), -1);
        SendMessageA(w.Handle(), ProgramMessage::SecondWindowKey, code, 0);
        EXPECT_EQ(keys->ItemIndex(), code);
        EXPECT_EQ(w.Control("P3HotKeyEntry")->Text(), KeyName(code));
        PressKey(w, VK_RETURN);
        EXPECT_EQ(w.CurrentPanel(), 7);
        EXPECT_EQ(host.SecondWindow, nullptr);
        PressKey(w, VK_RETURN);
        EXPECT_EQ(w.CurrentPanel(), 9);
        PressKey(w, VK_RETURN);
        ASSERT_EQ(w.CurrentPanel(), 10);
        EXPECT_EQ(w.NextButton.Text(), "&Finish");
        TypeText(w, "Example");
        PressKey(w, VK_RETURN);
    });
    EXPECT_EQ(wiz.ShowModal(), IDOK);
    EXPECT_EQ(host.SecondWindowCalls, (std::vector<bool>{true, false, true, false}));

    WizardAnswers expected = DefaultAnswers();
    expected.SetText("P22URL", "www.example.com");
    expected.Choose("P3KeyList", code);
    expected.SetText("P10Nick", "Example");
    auto* made = std::get_if<MacroOutcome>(&*wiz.Outcome);
    ASSERT_NE(made, nullptr);
    auto model = std::get<MacroOutcome>(FinishUp(5, expected, host.Environment));
    EXPECT_EQ(Bytes(made->Record), Bytes(model.Record));
}

TEST_F(QuickWizTest, CancelLeavesNothingMadeAndTheSecondWindowOff) {
    host.Environment.Settings.BypassWizardScreen = true;
    TQuickWiz wiz(host, platform, host.Commands, 1);
    driver.Expect<TQuickWiz>([&](TQuickWiz& w) {
        EXPECT_EQ(w.CurrentPanel(), 14);
        EXPECT_TRUE(w.BackButton.Enabled());
        w.ControlAs<TEdit>("P14MyMemo")->SetText("Hi");
        w.NextButton.Click();
        w.NextButton.Click();
        ASSERT_EQ(w.CurrentPanel(), 3);
        EXPECT_EQ(host.SecondWindow, w.Handle());
        PressKey(w, VK_ESCAPE);
    });
    EXPECT_EQ(wiz.ShowModal(), IDCANCEL);
    EXPECT_FALSE(wiz.Finished());
    EXPECT_EQ(host.SecondWindow, nullptr);
}

// Boxes a default road meets: the refusals a panel's own entries lift.
class AnyBoxes final : public MessageBoxes {
  public:
    AnyBoxes() : previous_(&CurrentMessageBoxes()) { SetCurrentMessageBoxes(this); }
    ~AnyBoxes() override { SetCurrentMessageBoxes(previous_); }
    int Show(std::string_view, std::string_view text, unsigned) override {
        Shown.emplace_back(text);
        return MsgResult::Yes;
    }
    std::vector<std::string> Shown;

  private:
    MessageBoxes* previous_;
};

// Fills what the shown panel asks for: a number in every empty box, the
// first line of every list without a choice, a command for panel 58.
TEST_F(QuickWizTest, EveryKindsDefaultRoadShowsItsPanelsDeclaredControls) {
    host.Environment.ShortFile = [](const std::string& p) { return std::optional(p); };
    host.Environment.FolderExists = [](const std::string&) { return true; };
    for (const KindDecl& kind : Kinds()) {
        if (kind.Number == 18 || kind.Number == 27 || kind.Number == 26)
            continue;  // their roads need a recording, a dialog or a built list
        // Without a dial-up phone book the dial-up road stops at its entry.
        const bool noPhoneBook = kind.Number == 12;
        SCOPED_TRACE(kind.Number);
        AnyBoxes anyBoxes;
        std::set<int> shown;
        TQuickWiz wiz(host, platform, host.Commands, kind.Number);
        driver.Expect<TQuickWiz>([&](TQuickWiz& w) {
            for (int guard = 0; w.IsOpen() && guard < 20; ++guard) {
                const PanelDecl& panel = *FindPanel(w.CurrentPanel());
                shown.insert(panel.Number);
                for (const ControlDecl& c : panel.Controls) {
                    if (c.Name.empty())
                        continue;
                    TControl* control = w.Control(c.Name);
                    if (!control) {
                        ADD_FAILURE() << c.Name;
                        continue;
                    }
                    // A sub-panel without a caption only groups its controls;
                    // the parts a choice hides get windows when they first show.
                    bool windowed = c.Kind != ControlKind::SubPanel || !c.Caption.empty();
                    if (!windowed || control->Showing()) {
                        EXPECT_EQ(control->Handle() != nullptr, windowed) << c.Name;
                    }
                    bool captioned = c.Kind == ControlKind::Radio ||
                                     c.Kind == ControlKind::CheckBox ||
                                     c.Kind == ControlKind::Button;
                    if (captioned) {
                        EXPECT_FALSE(control->Text().empty() && !c.Caption.empty()) << c.Name;
                    }
                    if (auto* edit = dynamic_cast<TEdit*>(control)) {
                        EXPECT_EQ(edit->MaxLength(), c.MaxLength) << c.Name;
                    }
                }
                ClickEachRadioOnce(w, panel);
                AnswerShownControls(w, panel);
                w.NextButton.Click();
                if (!anyBoxes.Shown.empty())
                    break;
            }
            if (w.IsOpen())
                w.Close();
        });
        wiz.ShowModal();
        if (noPhoneBook) {
            EXPECT_EQ(wiz.CurrentPanel(), 28);
            EXPECT_EQ(anyBoxes.Shown,
                      std::vector<std::string>{
                          "A phone book entry has not been selected. Please select one."});
            continue;
        }
        EXPECT_TRUE(wiz.Finished()) << "stopped on " << wiz.CurrentPanel() << ": "
                                    << (anyBoxes.Shown.empty() ? "" : anyBoxes.Shown.back());
        for (const PanelDecl& panel : Panels()) {
            if (!shown.count(panel.Number)) {
                EXPECT_FALSE(wiz.PanelBuilt(panel.Number)) << panel.Number;
            }
        }
    }
}

// Made with the mouse: the choices clicked on their radios, Next clicked,
// and the text boxes answered as on every road.
TEST_F(QuickWizTest, ACuewordAnEjectAndAnIconMenuAreMadeByClicks) {
    host.Environment.ShortFile = [](const std::string& p) { return std::optional(p); };
    struct Row {
        int Kind;
        std::vector<const char*> Clicked;
        std::function<void(const MacroRecord&)> Check;
    };
    const Row rows[] = {
        {5,
         {"P2Cueword"},
         [](const MacroRecord& r) { EXPECT_EQ(r.ActivationCode, ActivationCode::Cueword); }},
        {15,
         {"P42Eject"},
         [](const MacroRecord& r) {
             EXPECT_NE(r.ScriptText().find("<CDEJECT>"), std::string::npos);
         }},
        {25,
         {"P51Icons"},
         [](const MacroRecord& r) { EXPECT_EQ(r.CuewordText.str().substr(1, 1), "2"); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Kind);
        AnyBoxes anyBoxes;
        TQuickWiz wiz(host, platform, host.Commands, row.Kind);
        driver.Expect<TQuickWiz>([&](TQuickWiz& w) {
            for (int guard = 0; w.IsOpen() && guard < 20 && anyBoxes.Shown.empty(); ++guard) {
                const PanelDecl& panel = *FindPanel(w.CurrentPanel());
                for (const char* name : row.Clicked)
                    if (w.Control(name) && w.Control(name)->Showing())
                        SendMessageA(w.Control(name)->Handle(), BM_CLICK, 0, 0);
                AnswerShownControls(w, panel);
                SendMessageA(w.NextButton.Handle(), BM_CLICK, 0, 0);
            }
            if (w.IsOpen())
                w.Close();
        });
        wiz.ShowModal();
        auto* made = wiz.Outcome ? std::get_if<MacroOutcome>(&*wiz.Outcome) : nullptr;
        ASSERT_NE(made, nullptr) << (anyBoxes.Shown.empty() ? "" : anyBoxes.Shown.back());
        row.Check(made->Record);
    }
}

// The buttons that open a chooser over their panel, and the ones that close it.
constexpr std::pair<const char*, const char*> Choosers[] = {{"P8Browse", "P8Cancel"},
                                                            {"P14Keystrokes", "P14Cancel"}};

// Pictures of the states a user brings the wizard's panels into, each under
// the layout check. A state is pictured once: the same panel with the same
// controls showing, under the same captions.
class WizardPictures {
  public:
    WizardPictures(std::string folder, AnyBoxes& boxes, bool hasPopupMenus)
        : folder_(std::move(folder)), boxes_(boxes), hasPopupMenus_(hasPopupMenus) {}

    // The panel as it opens, after each of its shown radios and boxes is
    // clicked, and with each chooser its states offer open; false when it
    // opened as pictured before, as its choices then were too.
    bool TakeStates(TQuickWiz& w) {
        const PanelDecl& panel = *FindPanel(w.CurrentPanel());
        if (!TakeWithChoosers(w, ""))
            return false;
        std::vector<std::pair<TCheckable*, bool>> start;
        for (TCheckable* box : Choices(w, panel)) start.emplace_back(box, box->Checked());
        for (auto [box, checked] : start) {
            if (!box->Showing() || !box->Enabled() || (IsRadio(box) && checked))
                continue;
            box->Click();
            TakeWithChoosers(w, NameOf(w, box));
        }
        Restore(start);
        return true;
    }

    // Each kind's default road, and the roads one choice away from it.
    void TakeRoads(TQuickWiz& w) {
        do {
            std::string arrived = StateOf(w);
            TakeStates(w);
            if (!branched_.insert(arrived).second)
                continue;
            const PanelDecl& panel = *FindPanel(w.CurrentPanel());
            const std::vector<int> road = ShownPath(w.Kind, w.Answers(), hasPopupMenus_);
            std::vector<std::pair<TCheckable*, bool>> start;
            for (TCheckable* box : Choices(w, panel)) start.emplace_back(box, box->Checked());
            for (auto [box, checked] : start) {
                if ((IsRadio(box) && checked) || !box->Showing() || !box->Enabled())
                    continue;
                box->Click();
                // A radio's road is taken one panel on at least (what it
                // asks may follow the choice), a box's only where it turns;
                // each until it goes on as the default one does.
                auto onward = [&] {
                    int at = w.CurrentPanel();
                    return Onward(road, at) ==
                           Onward(ShownPath(w.Kind, w.Answers(), hasPopupMenus_), at);
                };
                if (!IsRadio(box) && onward()) {
                    Restore(start);
                    continue;
                }
                while (Next(w)) {
                    TakeStates(w);
                    if (onward())
                        break;
                }
                for (int guard = 0; w.CurrentPanel() != panel.Number && guard < 20; ++guard)
                    w.BackButton.Click();
                Restore(start);
            }
        } while (Next(w));
    }

    bool Pictured(int panel) const { return pictured_.count(panel) != 0; }

  private:
    // The panels of the road from this one on; none when it is not on it.
    static std::vector<int> Onward(const std::vector<int>& road, int panel) {
        auto from = std::find(road.begin(), road.end(), panel);
        return from == road.end() ? std::vector<int>{} : std::vector<int>(from, road.end());
    }

    static bool IsRadio(TCheckable* box) { return dynamic_cast<TRadioButton*>(box) != nullptr; }

    static std::vector<TCheckable*> Choices(TQuickWiz& w, const PanelDecl& panel) {
        std::vector<TCheckable*> boxes;
        for (const ControlDecl& c : panel.Controls) {
            if (c.Kind == ControlKind::Radio || c.Kind == ControlKind::CheckBox)
                boxes.push_back(w.ControlAs<TCheckable>(c.Name));
        }
        return boxes;
    }

    static std::string NameOf(TQuickWiz& w, TControl* control) {
        for (const ControlDecl& c : FindPanel(w.CurrentPanel())->Controls) {
            if (w.Control(c.Name) == control)
                return c.Name;
        }
        return "";
    }

    // Back to the panel's first choices: a box clicked back (its handler may
    // reach beyond the panel), radios re-arranged as by a click.
    static void Restore(const std::vector<std::pair<TCheckable*, bool>>& start) {
        for (auto [box, checked] : start) {
            if (!IsRadio(box) && box->Checked() != checked)
                box->Click();
            if (box->Checked() != checked)
                box->SetChecked(checked);
        }
        for (auto [box, checked] : start) {
            if (checked && box->Showing() && box->Enabled() && IsRadio(box)) {
                box->Click();
                return;
            }
        }
    }

    // On to the next panel the way a user answers it; false on the last
    // step, where Next starts a recording, or where the panel refuses.
    bool Next(TQuickWiz& w) {
        int panel = w.CurrentPanel();
        if (w.NextButton.Text() == "&Finish" || panel == 72)
            return false;
        std::size_t boxes = boxes_.Shown.size();
        AnswerShownControls(w, *FindPanel(panel));
        w.NextButton.Click();
        return boxes_.Shown.size() == boxes && w.CurrentPanel() != panel;
    }

    bool TakeWithChoosers(TQuickWiz& w, const std::string& state) {
        if (!Take(w, state))
            return false;
        for (auto [opener, closer] : Choosers) {
            TControl* button = w.Control(opener);
            if (!button || !button->Showing() || !button->Enabled())
                continue;
            SendMessageA(button->Handle(), BM_CLICK, 0, 0);
            Take(w, state.empty() ? opener : state + "-" + opener);
            SendMessageA(w.Control(closer)->Handle(), BM_CLICK, 0, 0);
        }
        return true;
    }

    // The panel, what of it shows and under which captions.
    static std::string StateOf(TQuickWiz& w) {
        const PanelDecl& panel = *FindPanel(w.CurrentPanel());
        std::string state = std::to_string(panel.Number);
        for (const ControlDecl& c : panel.Controls) {
            TControl* control = w.Control(c.Name);
            if (!control)
                continue;
            state += control->Showing() ? '+' : '-';
            if (!dynamic_cast<TEdit*>(control) && !dynamic_cast<TItemsControl*>(control))
                state += control->Text();
        }
        return state;
    }

    // False when the state was pictured before.
    bool Take(TQuickWiz& w, const std::string& state) {
        const PanelDecl& panel = *FindPanel(w.CurrentPanel());
        if (!seen_.insert(StateOf(w)).second)
            return false;
        pictured_.insert(panel.Number);
        std::string name = "TQuickWiz-" + std::to_string(panel.Number);
        if (!state.empty())
            name += "-" + state;
        while (!names_.insert(name).second) name += "-" + std::to_string(w.Kind);
        std::string path = folder_ + "\\" + name + ".bmp";
        EXPECT_TRUE(WriteShownFormPicture(w.Handle(), path)) << path << " of kind " << w.Kind;
        return true;
    }

    std::string folder_;
    AnyBoxes& boxes_;
    bool hasPopupMenus_;
    std::set<std::string> seen_, names_;
    std::set<int> pictured_;
    std::set<std::string> branched_;  // states whose roads one choice away were taken
};

using FormPictures = QuickWizTest;

TEST_F(FormPictures, EveryWizardPanelState) {
    const char* wanted = std::getenv("ORVANE_FORM_PICTURES");
    std::string folder = wanted && *wanted ? wanted : ProgramDir() + "\\form-pictures";
    CreateDirectoryA(folder.c_str(), nullptr);
    host.Environment.ShortFile = [](const std::string& p) { return std::optional(p); };
    host.Environment.FolderExists = [](const std::string&) { return true; };
    AnyBoxes anyBoxes;
    WizardPictures pictures(folder, anyBoxes, host.Environment.HasPopupMenus());
    for (const KindDecl& kind : Kinds()) {
        TQuickWiz wiz(host, platform, host.Commands, kind.Number);
        driver.Expect<TQuickWiz>([&](TQuickWiz& w) {
            pictures.TakeRoads(w);
            w.Close();
        });
        wiz.ShowModal();
    }
    for (const PanelDecl& panel : Panels()) {
        // Only a recording of the sweepstakes form leads past panel 72.
        if (panel.Number != 73) {
            EXPECT_TRUE(pictures.Pictured(panel.Number)) << panel.Number;
        }
    }
}

TEST_F(QuickWizTest, PanelsListTheSystemTheyRunOn) {
    std::vector<std::string> modes = platform.DisplayModes();
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    DWORD count = 0;
    while (EnumDisplaySettingsA(nullptr, count, &mode)) ++count;
    EXPECT_EQ(modes.size(), count);

    std::vector<std::string> drives = platform.Drives();
    EXPECT_EQ(std::count(drives.begin(), drives.end(), "C:"), 0);
    EXPECT_EQ(std::count(drives.begin(), drives.end(), "Z:"), 0);
    EXPECT_EQ(std::count(drives.begin(), drives.end(), "Q:"), 1);

    TQuickWiz wiz(host, platform, host.Commands, 1);
    driver.Expect<TQuickWiz>([&](TQuickWiz& w) {
        std::vector<std::string> titles = platform.WindowTitles();
        EXPECT_NE(std::find(titles.begin(), titles.end(), w.Caption()), titles.end());
        w.Close();
    });
    wiz.ShowModal();
    EXPECT_TRUE(platform.PhoneBook().empty());

    std::vector<ListLine> programs = platform.InstalledPrograms();
    ASSERT_EQ(programs.size(), 1u);
    EXPECT_EQ(programs[0].Text, "Wizard Test.lnk" + ThisProgram());
}

TEST_F(QuickWizTest, KeystrokesAndSymbolsGoInAtTheCaretWithinTheLongestScript) {
    host.Environment.Settings.BypassWizardScreen = true;
    TQuickWiz wiz(host, platform, host.Commands, 1);
    driver.Expect<TQuickWiz>([&](TQuickWiz& w) {
        ASSERT_EQ(w.CurrentPanel(), 14);
        auto* memo = w.ControlAs<TMemo>("P14MyMemo");
        auto* keys = w.ControlAs<TListBox>("P14KeyList");
        auto button = [&](const char* name) { return static_cast<TButton*>(w.Control(name)); };
        memo->SetText("ab");
        memo->SetSelection(1, 0);
        button("P14Keystrokes")->Click();
        EXPECT_TRUE(w.Control("KeystrokePanel")->Showing());
        boxes.Expect("No keystroke selected.", MsgResult::Ok, "Error");
        button("P14Ok")->Click();
        EXPECT_TRUE(keys->Focused());
        keys->SetItemIndex(0);
        button("P14Ok")->Click();
        EXPECT_EQ(memo->Text(), "a<F1>b");
        EXPECT_FALSE(w.Control("KeystrokePanel")->Showing());

        driver.Expect<TDoSpecial>([](TDoSpecial& symbols) {
            symbols.SymbolGrid.MoveCurrent(0, 1);
            symbols.Buttons.OkButton.Click();
        });
        button("P14Symbols")->Click();
        EXPECT_EQ(memo->Text(),
                  "a<F1>\x81"
                  "b");

        memo->SetText(std::string(4997, 'x'));
        memo->SetSelection(0, 0);
        button("P14Keystrokes")->Click();
        boxes.Expect("Text exceeds maximum length.  Text not added.", MsgResult::Ok, "Error");
        button("P14Ok")->Click();
        EXPECT_EQ(memo->Text().size(), 4997u);
        w.Close();
    });
    wiz.ShowModal();
}

// A left click where a list's line shows on the screen, given to the window
// the system finds at that point, as a user's click is; that window.
HWND ClickOnScreen(TListBox& list, int line) {
    SendMessageA(list.Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(line), 0);
    RECT item{};
    SendMessageA(list.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(line),
                 reinterpret_cast<LPARAM>(&item));
    POINT at{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(list.Handle(), &at);
    HWND under = WindowFromPoint(at);
    ScreenToClient(under, &at);
    SendMessageA(under, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageA(under, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    return under;
}

TEST_F(QuickWizTest, AClickOnAnOpenChoosersLineChoosesIt) {
    host.Environment.Settings.BypassWizardScreen = true;
    struct Row {
        std::vector<std::pair<int, const char*>> Choices;  // clicked on the way, on its panel
        int Panel;
        const char *Opener, *List, *Line;  // no line: the first
    };
    const Row rows[] = {
        {{}, 14, "P14Keystrokes", "P14KeyList", "Tab"},
        {{{7, "P7SpecProg"}, {8, "P8ProgPath"}}, 8, "P8Browse", "P8ProgBox", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Opener);
        TQuickWiz wiz(host, platform, host.Commands, 1);
        driver.Expect<TQuickWiz>([&](TQuickWiz& w) {
            auto walkTo = [&](int panel) {
                for (int guard = 0; w.CurrentPanel() != panel && guard < 10; ++guard) {
                    AnswerShownControls(w, *FindPanel(w.CurrentPanel()));
                    w.NextButton.Click();
                }
            };
            for (auto [panel, choice] : row.Choices) {
                walkTo(panel);
                static_cast<TCheckable*>(w.Control(choice))->Click();
            }
            walkTo(row.Panel);
            ASSERT_EQ(w.CurrentPanel(), row.Panel);
            static_cast<TButton*>(w.Control(row.Opener))->Click();
            auto* list = w.ControlAs<TListBox>(row.List);
            int line = 0;
            while (row.Line && line < list->Count() && list->Item(line) != row.Line) ++line;
            ASSERT_LT(line, list->Count());
            EXPECT_EQ(ClickOnScreen(*list, line), list->Handle());
            EXPECT_EQ(list->ItemIndex(), line);
            w.Close();
        });
        wiz.ShowModal();
    }
}

TEST_F(QuickWizTest, TheScopeFollowsTheHotKeyAndShowsOnlyThePartItAsksFor) {
    host.Environment.Settings.BypassWizardScreen = true;
    TQuickWiz wiz(host, platform, host.Commands, 1);
    driver.Expect<TQuickWiz>([&](TQuickWiz& w) {
        auto click = [&](const char* name) { static_cast<TCheckable*>(w.Control(name))->Click(); };
        auto shown = [&](const char* name) { return w.Control(name)->Showing(); };
        w.Control("P14MyMemo")->SetText("Hi");
        w.NextButton.Click();
        w.NextButton.Click();
        ASSERT_EQ(w.CurrentPanel(), 3);
        // A global macro's key, accepted: the macro cannot be global.
        w.ControlAs<TListBox>("P3KeyList")->SetItemIndex(65);
        boxes.Expect(
            "A Global Macro already exists for this Hot Key combination. You will not be "
            "able to make this macro \"Global\".  Do you wish to continue?",
            MsgResult::Yes, "Warning");
        w.NextButton.Click();
        ASSERT_EQ(w.CurrentPanel(), 7);
        EXPECT_FALSE(w.Control("P7Global")->Enabled());
        EXPECT_TRUE(w.ControlAs<TCheckable>("P7SpecWin")->Checked());
        // A free key instead: global again, and the window part alone.
        w.BackButton.Click();
        w.ControlAs<TListBox>("P3KeyList")->SetItemIndex(100);
        // The user's click on a button leaves the box and keeps the key.
        ExpectClicksLeaveTheBox(w, *w.ControlAs<THotKeyEntry>("P3HotKeyEntry"), [&w] {
            return w.Control("P3HotKeyEntry")->Text() + "|" +
                   std::to_string(w.ControlAs<TListBox>("P3KeyList")->ItemIndex());
        });
        w.NextButton.Click();
        ASSERT_EQ(w.CurrentPanel(), 7);
        EXPECT_TRUE(w.Control("P7Global")->Enabled());
        w.NextButton.Click();
        ASSERT_EQ(w.CurrentPanel(), 8);
        EXPECT_TRUE(shown("P8Title") && w.Control("P8Title")->Focused());
        EXPECT_FALSE(shown("P8InstallBox"));
        w.BackButton.Click();
        click("P7SpecProg");
        w.NextButton.Click();
        ASSERT_EQ(w.CurrentPanel(), 8);
        EXPECT_TRUE(shown("P8InstallBox") && w.Control("P8InstallBox")->Focused());
        EXPECT_FALSE(shown("P8Title"));
        click("P8ProgPath");
        w.BackButton.Click();
        w.NextButton.Click();
        EXPECT_TRUE(w.Control("P8Path")->Focused());
        // The user's keys leave the box too; Escape closes the wizard.
        w.BackButton.Click();
        w.BackButton.Click();
        ASSERT_EQ(w.CurrentPanel(), 3);
        ExpectKeysLeaveTheBox(w, *w.ControlAs<THotKeyEntry>("P3HotKeyEntry"), [&w] {
            return w.Control("P3HotKeyEntry")->Text() + "|" +
                   std::to_string(w.ControlAs<TListBox>("P3KeyList")->ItemIndex());
        });
    });
    wiz.ShowModal();
}

TEST_F(QuickWizTest, AnOldShellGraysTheDesktopChoicesAndHidesTheSpecialFolders) {
    host.Environment.Settings.BypassWizardScreen = true;
    host.Commands.Browser4OrLater = false;
    for (WizardKind kind : {WizardKind::ExplorerFolder, WizardKind::DesktopGoodies}) {
        TQuickWiz wiz(host, platform, host.Commands, Number(kind));
        driver.Expect<TQuickWiz>([&](TQuickWiz& w) {
            if (kind == WizardKind::ExplorerFolder) {
                EXPECT_FALSE(w.Control("P25Special")->Showing());
                EXPECT_FALSE(w.Control("P25SpecList")->Showing());
            } else {
                EXPECT_FALSE(w.Control("P47Suspend")->Enabled());
                EXPECT_TRUE(w.Control("P47Vertical")->Enabled());
                EXPECT_TRUE(w.Control("P47Notice")->Showing());
            }
            w.Close();
        });
        wiz.ShowModal();
    }
}

TEST_F(QuickWizTest, OnlyTheCommandsThisMachineHasAreOffered) {
    host.Commands.RasLoaded = false;  // a machine without dial-up networking
    TQuickWiz wiz(host, platform, host.Commands, 27);
    EXPECT_FALSE(wiz.Answers().Enabled("P55Dialup"));
    EXPECT_TRUE(wiz.Answers().Enabled("P55Network"));
    EXPECT_TRUE(wiz.Answers().Checked("P55Network"));
}

// Expects the radio's dialog, checks what it was preset to, fills what it
// needs and confirms it.
using DialogStep = std::function<void(ModalDriver&)>;

template <class D>
DialogStep Confirm(std::function<void(D&)> fill = [](D&) {}) {
    return [fill](ModalDriver& driver) {
        driver.Expect<D>([fill](D& d) {
            fill(d);
            d.Buttons.OkButton.Click();
        });
    };
}

struct ChooseRow {
    const char* Group;  // panel 53's radio
    const char* Radio;
    DialogStep Dialog;
    std::string Command;  // none: Next is refused until one is chosen
};

TEST_F(QuickWizTest, EachCommandRadioOpensItsPresetDialogAndItsCommandLands) {
    ScratchFolder files{"choose"};
    auto makeFile = [&](const std::string& name) {
        std::string path = files.Path() + "\\" + name;
        std::ofstream(path) << "RIFF";
        char buffer[MAX_PATH] = {};
        GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
        return std::string(buffer);
    };
    std::string textFile = makeFile("notes.txt");
    std::string video = makeFile("clip.avi");
    host.Commands.RasLoaded = true;
    host.Environment.Settings.BypassWizardScreen = true;
    const ChooseRow rows[] = {
        {"P53Text", "P54Date",
         Confirm<TDateOrTime>([](TDateOrTime& d) { EXPECT_TRUE(d.DateControls.Showing()); }),
         "<" + std::string(DateFormatTable[0].Name) + "{NF000}>"},
        {"P53Text", "P54Time",
         Confirm<TDateOrTime>([](TDateOrTime& d) { EXPECT_FALSE(d.DateControls.Showing()); }),
         "<" + std::string(TimeFormatTable[0].Name) + "{N}>"},
        {"P53Text", "P54File", Confirm<TDoTextInsert>([&](TDoTextInsert& d) {
             EXPECT_FALSE(d.ScriptButton.Showing());
             d.PathBox.SetText(textFile);
         }),
         "<TFILE:" + textFile + ">"},
        {"P53System", "P55Network", Confirm<TDoNetConn>([](TDoNetConn& d) {
             EXPECT_TRUE(d.DoCon.Checked());
             d.DriveBox.SetItemIndex(d.DriveBox.IndexOf("M:"));
             d.ProgPath.SetText("\\\\srv\\share");
         }),
         "<NWC:<NAME:><PASS:>M:\\\\srv\\share>"},
        {"P53System", "P55Dialup", Confirm<TDoDialup>([](TDoDialup& d) {
             EXPECT_TRUE(d.Dial.Checked());
             d.Hang.Click();
         }),
         "<HANG>"},
        {"P53System", "P55Audio", Confirm<TDoCDRom>(), "<CDPLAY>"},
        {"P53System", "P55Speaker", Confirm<TDoVolume>(), "<AUDOFF>"},
        {"P53System", "P55Printer", Confirm<TDoDefPrint>([](TDoDefPrint& d) {
             d.SettingBox.AddItem("Office Printer");
             d.SettingBox.SetItemIndex(0);
         }),
         "<DEFPRT:Office Printer>"},
        {"P53System", "P55Screen", Confirm<TDoScreen>(), "<SCREEN:000>"},
        {"P53Program", "P56Web", Confirm<TDoWebStuff>([](TDoWebStuff& d) {
             d.ProgPath.SetText(d.ProgPath.Text() + "example.com");
         }),
         "<HTTP:http://example.com>"},
        {"P53Program", "P56FTP", Confirm<TDoWebStuff>([](TDoWebStuff& d) {
             d.ProgPath.SetText(d.ProgPath.Text() + "files");
         }),
         "<FTP:ftp://files>"},
        {"P53Program", "P56Sound",
         Confirm<TDoSound>([](TDoSound& d) { EXPECT_TRUE(d.Beep.Checked()); }), "<BEEP>"},
        {"P53Program", "P56Video", Confirm<TDoAVI>([&](TDoAVI& d) { d.ProgPath.SetText(video); }),
         "<AVII:" + video + ">"},
        {"P53Program", "P56EMail",
         Confirm<TDoTheEmail>([](TDoTheEmail& d) { d.PromptRecip.Click(); }),
         "<EMAIL:RNR2S1\x01\x01"
         "A1>"},
        {"P53Macro", "P57Box", Confirm<TDoTBox>([](TDoTBox& d) {
             d.Header.SetText("Note");
             d.Contents.SetText("Hello");
         }),
         "<TBOX:<HEAD:Note>Hello>"},
        {"P53Macro", "P57Pause",
         [](ModalDriver& driver) { driver.Expect<TDoPausePos>([](TDoPausePos& d) { d.Close(); }); },
         ""},
    };
    for (const ChooseRow& row : rows) {
        SCOPED_TRACE(row.Radio);
        TQuickWiz wiz(host, platform, host.Commands, 27);
        driver.Expect<TQuickWiz>([&](TQuickWiz& w) {
            static_cast<TCheckable*>(w.Control(row.Group))->Click();
            w.NextButton.Click();
            auto* radio = static_cast<TCheckable*>(w.Control(row.Radio));
            ASSERT_TRUE(radio->Enabled());
            radio->Click();
            w.NextButton.Click();
            ASSERT_EQ(w.CurrentPanel(), 58);
            row.Dialog(driver);
            static_cast<TButton*>(w.Control("P58Choose"))->Click();
            EXPECT_EQ(w.Control("P58Command")->Text(), row.Command);
            if (row.Command.empty()) {
                boxes.Expect("A macro command has not been chosen yet.", MsgResult::Ok, "Error");
                w.NextButton.Click();
                EXPECT_TRUE(w.Control("P58Choose")->Focused());
            }
            w.Close();
        });
        wiz.ShowModal();
        EXPECT_EQ(wiz.Answers().CommandText, row.Command);
    }
}

}  // namespace
}  // namespace orv::editor::testing
