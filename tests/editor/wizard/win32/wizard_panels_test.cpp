// The panel handlers that edit lists or reach outside the wizard, pressed in
// the real form: the nested dialog, file dialog or box is answered by script
// and the answer must land in its control or in the model.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/files.h"
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

namespace orv::editor::testing {

// These helpers build on the shared ones.
using namespace orv::testing;
namespace {

class OnePhoneBook final : public PhoneBook {
  public:
    std::vector<std::string> Entries() const override { return {"Office"}; }
    std::optional<DialParams> Params(const std::string&) const override {
        return DialParams{"ann", std::string("secret")};
    }
};

MacroRecord Hello() {
    MacroRecord hello;
    hello.Nickname = "Hello";
    hello.MacroKind = MacroKind::Global;
    return hello;
}

using Lines = std::vector<std::string>;

Lines Items(TQuickWiz& w, const char* name) {
    Lines lines;
    auto* list = w.ControlAs<TListBox>(name);
    for (int i = 0; i < list->Count(); ++i) lines.push_back(list->Item(i));
    return lines;
}

void Press(TQuickWiz& w, const char* name) {
    TControl& control = *w.Control(name);
    ASSERT_TRUE(control.Showing() && control.Enabled()) << name;
    SendMessageA(control.Handle(), BM_CLICK, 0, 0);
}

// Next until the panel shows, answering what each panel on the way asks: a
// text in every empty box, the first line of every list (a hot key no macro
// uses on panel 3).
void WalkTo(TQuickWiz& w, int panel) {
    for (int guard = 0; w.CurrentPanel() != panel && guard < 16; ++guard) {
        AnswerShownControls(w, *FindPanel(w.CurrentPanel()));
        w.NextButton.Click();
    }
    ASSERT_EQ(w.CurrentPanel(), panel);
}

TEST(WizardPanels, EachHandlersAnswerLandsInItsControl) {
    ModalDriver driver;
    ScriptedMessageBoxes boxes;
    ScriptedFileDialogs files;
    ScriptedFolderDialogs folders;
    ScratchFolder folder{"wizard_panels"};
    const std::string icons = folder.Path() + "\\Icons", chosenIcon = folder.Path() + "\\S.ICO";
    std::ofstream(chosenIcon) << "icon";
    std::ofstream(folder.Path() + "\\ORVEMAIL.TXT", std::ios::binary) << "Bob|b@x\r\n";
    TestWizardHost host{TestEnv(folder.Path())};
    host.Environment.Settings.BypassWizardScreen = true;
    host.Environment.Settings.EMailPath = folder.Path() + "\\ORVEMAIL.TXT";
    host.Environment.ReadMacro = [](int n) {
        return n == 2 ? std::optional(Hello()) : std::nullopt;
    };
    OnePhoneBook phoneBook;
    WizardPlatform platform;
    platform.DialUp = &phoneBook;

    struct Row {
        const char* Name;
        int Kind, Panel;
        std::function<void(TQuickWiz&)> Act;
    };
    const Row rows[] = {
        {"combined macro", 26, 64,
         [&](TQuickWiz& w) {
             boxes.Expect("No macro selected.  Please select one.", MsgResult::Ok, "Error");
             Press(w, "P64AddButton");
             w.ControlAs<TListBox>("P64AvailBox")->SetItemIndex(1);
             Press(w, "P64InsertAfter");
             EXPECT_EQ(Items(w, "P64NewBox"), (Lines{"Notes"}));
             EXPECT_TRUE(w.Control("P64DoDelete")->Enabled());
         }},
        {"dial-up logon", 12, 28,
         [&](TQuickWiz& w) {
             Press(w, "P28Retrieve");
             EXPECT_EQ(w.Control("P28UserName")->Text() + w.Control("P28Password")->Text(),
                       "annsecret");
             w.ControlAs<TListBox>("P28PhoneList")->SetItemIndex(-1);
             boxes.Expect(std::string(NoEntryMessage), MsgResult::Ok, "Error");
             Press(w, "P28Retrieve");
         }},
        {"recipient list", 29, 76,
         [&](TQuickWiz& w) {
             w.ControlAs<TListBox>("P76AddressBox")->SetSelected(0, true);
             driver.Expect<TMyAddress>([&](TMyAddress& editor) {
                 driver.Expect<TDoAnAddress>([](TDoAnAddress& one) {
                     one.EMailName.SetText("Ann");
                     one.EMailAddress.SetText("a@x");
                     one.Buttons.OkButton.Click();
                 });
                 editor.AddButton.Click();
                 editor.OkButton.Click();
             });
             Press(w, "P76Modify");
             EXPECT_EQ(Items(w, "P76AddressBox"), (Lines{"Ann|a@x", "Bob|b@x"}));
             // The recipient chosen before is still chosen.
             EXPECT_TRUE(w.ControlAs<TListBox>("P76AddressBox")->Selected(1));
         }},
        {"attachments", 29, 77,
         [&](TQuickWiz& w) {
             static_cast<TCheckable*>(w.Control("P77ChooseAttach"))->Click();
             files.ExpectOpen("C:\\A.TXT");
             Press(w, "P77AddAttach");
             EXPECT_EQ(Items(w, "P77AttachBox"), (Lines{"C:\\A.TXT"}));
             Press(w, "P77DeleteAttach");
             boxes.Expect("No line selected.  Please select one.", MsgResult::Ok, "Error");
             Press(w, "P77DeleteAttach");
         }},
        {"browse by the earlier choice", 11, 49,
         [&](TQuickWiz& w) {
             folders.ExpectFolder("C:\\WORK");
             Press(w, "P49Browse");
             EXPECT_EQ(w.Control("P49Path")->Text(), "C:\\WORK");
             w.BackButton.Click();
             static_cast<TCheckable*>(w.Control("P48CopyFile"))->Click();
             w.NextButton.Click();
             files.ExpectOpen("C:\\T.TXT");
             Press(w, "P49Browse");
             EXPECT_EQ(w.Control("P49Path")->Text(), "C:\\T.TXT");
         }},
        {"network drive browsed from the network", 8, 6,
         [&](TQuickWiz& w) {
             folders.ExpectFolder("\\\\SERVER\\SHARE");
             Press(w, "P6Browse");
             EXPECT_EQ(w.Control("P6ProgPath")->Text(), "\\\\SERVER\\SHARE");
             EXPECT_EQ(folders.NetworkBrowses, 1);
         }},
        {"sound tests", 17, 43,
         [&](TQuickWiz& w) {
             for (const char* group : {"P43Audio", "P43MIDI"}) {
                 static_cast<TCheckable*>(w.Control(group))->Click();
                 w.NextButton.Click();
                 boxes.Expect(platform.MixerReport(), MsgResult::Ok, "Audio Device");
                 Press(w, w.CurrentPanel() == 44 ? "P44Test" : "P45Test");
                 w.BackButton.Click();
             }
         }},
        {"menu quick info", 25, 50,
         [&](TQuickWiz& w) {
             boxes.Expect(MenuQuickInfoText(Hello()), MsgResult::Ok, "Quick Info");
             MouseAt(*w.Control("P50Macros"), WM_LBUTTONDOWN, 5, 5);
             MouseAt(*w.Control("P50Macros"), WM_LBUTTONUP, 5, 5);
         }},
        {"icon copied once, then used where it lies", 25, 10,
         [&](TQuickWiz& w) {
             files.ExpectOpen(chosenIcon);
             Press(w, "P10MySpeed");
             EXPECT_EQ(ReadWholeFile(icons + "\\S.ICO"), "icon");
             std::ofstream(icons + "\\S.ICO") << "kept";
             files.ExpectOpen(folder.Path() + "\\ICONS\\s.ico");
             Press(w, "P10MySpeed");
             files.ExpectOpen(folder.Path() + "\\SEA.BMP");
             boxes.Expect("Invalid file type selected.", MsgResult::Ok, "Error");
             Press(w, "P10MySpeed");
             EXPECT_EQ(ReadWholeFile(icons + "\\S.ICO"), "kept");
             EXPECT_EQ(w.Answers().MacroIcon, "S.ICO");
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TQuickWiz wiz(host, platform, host.Commands, row.Kind);
        driver.Expect<TQuickWiz>([&](TQuickWiz& w) {
            WalkTo(w, row.Panel);
            if (!::testing::Test::HasFatalFailure())
                row.Act(w);
            w.Close();
        });
        wiz.ShowModal();
    }
}

}  // namespace
}  // namespace orv::editor::testing
