// The panel handlers that edit lists or reach outside the wizard, pressed in
// the real form: the nested dialog or file dialog is answered by script and
// the answer must land in its control and in what Finish makes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/files.h"
#include "common/ui/win32/pictures.h"
#include "editor/commands/dialup_command.h"
#include "editor/commands/win32/email_dialogs.h"
#include "editor/shell/menu_builder_model.h"
#include "editor/wizard/win32/quick_wiz.h"
#include "tests/editor/wizard/win32/test_wizard_host.h"
#include "tests/editor/wizard/wizard_fixture.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/form_testing.h"
#include "tests/support/ui/scripted_dialogs.h"

namespace orv::testing {
namespace {

class OnePhoneBook final : public PhoneBook {
  public:
    std::vector<std::string> Entries() const override { return {"Office"}; }
    std::optional<DialParams> Params(const std::string& entry) const override {
        if (entry != "Office")
            return std::nullopt;
        return DialParams{"ann", std::string("secret")};
    }
};

// Macro 2 of the test library as the library holds it.
MacroRecord Hello() {
    MacroRecord hello;
    hello.Nickname = "Hello";
    hello.ActivationCode = 65;
    hello.MacroKind = MacroKind::Global;
    return hello;
}

void Press(TControl& control) {
    ASSERT_TRUE(control.Showing() && control.Enabled());
    SendMessageA(control.Handle(), BM_CLICK, 0, 0);
}

class WizardPanelsTest : public ::testing::Test {
  protected:
    WizardPanelsTest() {
        host.Environment.Settings.BypassWizardScreen = true;
        host.Environment.Settings.EMailPath = folder.Path() + "\\ORVEMAIL.TXT";
        std::ofstream(folder.Path() + "\\ORVEMAIL.TXT", std::ios::binary) << "Bob|b@x\r\n";
        platform.DialUp = &phoneBook;
        host.Environment.ReadMacro = [](int number) {
            return number == 2 ? std::optional(Hello()) : std::nullopt;
        };
    }

    // Next until the panel shows, answering what each panel on the way asks:
    // a text in every empty box, the first line of every list (a hot key no
    // macro uses on panel 3).
    void WalkTo(TQuickWiz& w, int panel) {
        for (int guard = 0; w.CurrentPanel() != panel && guard < 16; ++guard) {
            for (const ControlDecl& c : FindPanel(w.CurrentPanel())->Controls) {
                TControl* control = w.Control(c.Name);
                if (!control || !control->Showing() || !control->Enabled())
                    continue;
                if (auto* edit = dynamic_cast<TEdit*>(control); edit && edit->Text().empty())
                    edit->SetText("1");
                auto* list = dynamic_cast<TListBox*>(control);
                if (list && list->MultiSelect() && list->Count() > 0)
                    list->SetSelected(0, true);
                else if (list && list->ItemIndex() < 0 && list->Count() > 0)
                    list->SetItemIndex(c.Name == "P3KeyList" ? 100 : 0);
            }
            w.NextButton.Click();
        }
        ASSERT_EQ(w.CurrentPanel(), panel);
    }

    ModalDriver driver;
    ScriptedMessageBoxes boxes;
    ScriptedFileDialogs files;
    ScriptedFolderDialogs folders;
    ScratchFolder folder{"wizard_panels"};
    TestWizardHost host{TestEnv(folder.Path())};
    OnePhoneBook phoneBook;
    WizardPlatform platform;
};

TEST_F(WizardPanelsTest, EachHandlersAnswerLandsInItsControl) {
    using Wiz = TQuickWiz;
    auto list = [](Wiz& w, const char* name) { return w.ControlAs<TListBox>(name); };
    auto items = [&](Wiz& w, const char* name) {
        std::vector<std::string> lines;
        for (int i = 0; i < list(w, name)->Count(); ++i) lines.push_back(list(w, name)->Item(i));
        return lines;
    };
    struct Row {
        const char* Name;
        int Kind;
        int Panel;
        std::function<void(Wiz&)> Act;
    };
    const Row rows[] = {
        {"combined macro", 26, 64,
         [&](Wiz& w) {
             EXPECT_FALSE(w.Control("P64DoDelete")->Enabled());
             boxes.Expect("No macro selected.  Please select one.", MsgResult::Ok, "Error");
             Press(*w.Control("P64AddButton"));
             EXPECT_TRUE(w.Control("P64AvailBox")->Focused());
             list(w, "P64AvailBox")->SetItemIndex(0);
             Press(*w.Control("P64AddButton"));
             list(w, "P64AvailBox")->SetItemIndex(1);
             Press(*w.Control("P64InsertBefore"));
             EXPECT_EQ(items(w, "P64NewBox"), (std::vector<std::string>{"Notes", "Hello"}));
             EXPECT_EQ(list(w, "P64NewBox")->ItemIndex(), 0);
             EXPECT_FALSE(w.Control("P64DoUp")->Enabled());
             Press(*w.Control("P64DoDown"));
             EXPECT_EQ(items(w, "P64NewBox"), (std::vector<std::string>{"Hello", "Notes"}));
             EXPECT_TRUE(w.Control("P64DoUp")->Enabled());
             EXPECT_FALSE(w.Control("P64DoDown")->Enabled());
         }},
        {"dial-up logon", 12, 28,
         [&](Wiz& w) {
             Press(*w.Control("P28Retrieve"));
             EXPECT_EQ(w.Control("P28UserName")->Text(), "ann");
             EXPECT_EQ(w.Control("P28Password")->Text(), "secret");
             list(w, "P28PhoneList")->SetItemIndex(-1);
             boxes.Expect(std::string(NoEntryMessage), MsgResult::Ok, "Error");
             Press(*w.Control("P28Retrieve"));
             EXPECT_TRUE(w.Control("P28PhoneList")->Focused());
         }},
        {"recipient list", 29, 76,
         [&](Wiz& w) {
             list(w, "P76AddressBox")->SetSelected(0, true);
             driver.Expect<TMyAddress>([&](TMyAddress& editor) {
                 driver.Expect<TDoAnAddress>([](TDoAnAddress& one) {
                     one.EMailName.SetText("Ann");
                     one.EMailAddress.SetText("a@x");
                     one.Buttons.OkButton.Click();
                 });
                 editor.AddButton.Click();
                 editor.OkButton.Click();
             });
             Press(*w.Control("P76Modify"));
             EXPECT_EQ(items(w, "P76AddressBox"), (std::vector<std::string>{"Ann|a@x", "Bob|b@x"}));
             EXPECT_FALSE(list(w, "P76AddressBox")->Selected(0));
             EXPECT_TRUE(list(w, "P76AddressBox")->Selected(1));
         }},
        {"attachments", 29, 77,
         [&](Wiz& w) {
             static_cast<TCheckable*>(w.Control("P77ChooseAttach"))->Click();
             files.ExpectOpen("C:\\A.TXT");
             Press(*w.Control("P77AddAttach"));
             EXPECT_EQ(items(w, "P77AttachBox"), (std::vector<std::string>{"C:\\A.TXT"}));
             Press(*w.Control("P77DeleteAttach"));
             EXPECT_TRUE(items(w, "P77AttachBox").empty());
             boxes.Expect("No line selected.  Please select one.", MsgResult::Ok, "Error");
             Press(*w.Control("P77DeleteAttach"));
         }},
        {"browse by the earlier choice", 11, 49,
         [&](Wiz& w) {
             folders.ExpectFolder("C:\\WORK");
             Press(*w.Control("P49Browse"));
             EXPECT_EQ(w.Control("P49Path")->Text(), "C:\\WORK");
             w.BackButton.Click();
             static_cast<TCheckable*>(w.Control("P48CopyFile"))->Click();
             w.NextButton.Click();
             files.ExpectOpen("C:\\T.TXT");
             Press(*w.Control("P49Browse"));
             EXPECT_EQ(w.Control("P49Path")->Text(), "C:\\T.TXT");
         }},
        {"menu quick info", 25, 50,
         [&](Wiz& w) {
             boxes.Expect(MenuQuickInfoText(Hello()), MsgResult::Ok, "Quick Info");
             MouseAt(*w.Control("P50Macros"), WM_LBUTTONDOWN, 5, 5);
             MouseAt(*w.Control("P50Macros"), WM_LBUTTONUP, 5, 5);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TQuickWiz wiz(host, platform, host.Commands, row.Kind);
        driver.Expect<TQuickWiz>([&](TQuickWiz& w) {
            WalkTo(w, row.Panel);
            row.Act(w);
            w.Close();
        });
        wiz.ShowModal();
    }
}

TEST_F(WizardPanelsTest, TheChosenIconIsCopiedOnceIntoTheIconsFolderAndMadeTheMacros) {
    const std::string icons = folder.Path() + "\\Icons";
    std::filesystem::create_directory(folder.Path() + "\\in");
    const std::string chosen = folder.Path() + "\\in\\SMILE.ICO";
    std::ofstream(chosen) << "icon";
    TQuickWiz wiz(host, platform, host.Commands, 25);
    driver.Expect<TQuickWiz>([&](TQuickWiz& w) {
        WalkTo(w, 10);
        EXPECT_EQ(w.Control("P10IconLabel")->Text().rfind("If you have chosen", 0), 0u);
        auto& icon = *w.Control("P10MySpeed");
        files.ExpectOpen(chosen);
        Press(icon);
        EXPECT_EQ(ReadWholeFile(icons + "\\SMILE.ICO"), "icon");
        // The folder's own icon, named in other letters, is used where it is.
        std::ofstream(icons + "\\SMILE.ICO") << "kept";
        files.ExpectOpen(folder.Path() + "\\ICONS\\smile.ico");
        Press(icon);
        files.ExpectOpen(folder.Path() + "\\in\\SEA.BMP");
        boxes.Expect("Invalid file type selected.", MsgResult::Ok, "Error");
        Press(icon);
        EXPECT_EQ(w.Answers().MacroIcon, "SMILE.ICO");
        w.Control("P10Nick")->SetText("Menu");
        w.NextButton.Click();
    });
    wiz.ShowModal();
    EXPECT_EQ(ReadWholeFile(icons + "\\SMILE.ICO"), "kept");
    auto* made = std::get_if<MacroOutcome>(&*wiz.Outcome);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Record.IconName.str(), "SMILE.ICO");
}

}  // namespace
}  // namespace orv::testing
