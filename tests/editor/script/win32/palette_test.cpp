// The command palette on a real script editor: what its buttons add, where,
// what they ask, and which Alt letters reach them.
#include <gtest/gtest.h>

#include "editor/commands/win32/flow_dialogs.h"
#include "editor/commands/win32/mouse_dialogs.h"
#include "editor/script/win32/palette.h"
#include "editor/script/win32/text_insert_dialog.h"
#include "tests/editor/script/win32/script_editor_fixture.h"

namespace orv::editor {
namespace {

using testing::PressKey;

constexpr const char* AddedQuestion = "Macro object successfully added.  Continue with wizard?";

class PaletteTest : public testing::ScriptEditorTest {
  protected:
    PaletteTest() { Palette = OpenPalette; }

    // The remark dialog answers with the text, or is cancelled without one.
    void ExpectRemark(const char* text) {
        driver.Expect<TDoRemark>([text](TDoRemark& d) {
            if (!text) {
                PressKey(d, VK_ESCAPE);
                return;
            }
            d.Comments.SetText(text);
            d.Buttons.OkButton.Click();
        });
    }
};

TEST_F(PaletteTest, TheEditorsHelpButtonAndMenuAndThePalettesAskForTheirKeywords) {
    orv::testing::RecordedHelp help;
    Run("<REM:a>", [&](TDoScripting& f) {
        f.HelpButton.Click();
        f.MenuHelpItem.Click();
        driver.Expect<TDoWizard>([](TDoWizard& w) {
            w.HelpButton.Click();
            w.ExitButton.Click();
        });
        f.WizardButton.Click();
        f.CancelButton.Click();
    });
    EXPECT_EQ(help.Keywords,
              (std::vector<std::string>{"Scripting Editor", "Scripting Editor", "Command Wizard"}));
}

TEST_F(PaletteTest, AddsAtTheEndAsComposedAndAsksWhetherToGoOn) {
    // Inside an open repeat, so an indented line would show it; Insert
    // Method "before" and a selected first line must not move the new ones.
    settings.InsertMethod = 1;
    Run("<REP:0002:000001:000001><REM:a>", [&](TDoScripting& f) {
        EXPECT_TRUE(f.WizardButton.Enabled());
        f.SelectLine(0);
        driver.Expect<TDoWizard>([&](TDoWizard& w) {
            ExpectRemark(nullptr);
            PressKey(w, 'R', AltDown);
            EXPECT_TRUE(w.IsOpen());
            EXPECT_EQ(f.Model().Count(), 2);
            EXPECT_TRUE(boxes.Shown().empty());

            ExpectRemark("b");
            boxes.Expect(AddedQuestion, MsgResult::Yes, "Added");
            PressKey(w, 'R', AltDown);
            EXPECT_TRUE(w.IsOpen());

            ExpectRemark("c");
            boxes.Expect(AddedQuestion, MsgResult::No, "Added");
            PressKey(w, 'R', AltDown);
            EXPECT_FALSE(w.IsOpen());
        });
        PressKey(f, 'Z', AltDown);
        EXPECT_EQ(Texts(f),
                  (std::vector<std::string>{"Repeat Start: 2 Times, Starting at 1 Stepping by 1",
                                            "   Remark: a", "Remark: b", "Remark: c"}));
        EXPECT_EQ(f.Model().Selected(), 0);
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
        f.CancelButton.Click();
    });
}

TEST_F(PaletteTest, AltLettersRunOnlyTheActivePagesButtons) {
    Run("", [&](TDoScripting& f) {
        driver.Expect<TDoWizard>([&](TDoWizard& w) {
            ASSERT_EQ(w.Pages.ActivePage(), &w.TextPage);
            driver.Expect<TDoMouse>([](TDoMouse& d) { PressKey(d, VK_ESCAPE); });
            PressKey(w, 'O', AltDown);
            // Z belongs to the System page: nothing opens here.
            PressKey(w, 'Z', AltDown);
            driver.Expect<TDoTextInsert>([](TDoTextInsert& d) {
                EXPECT_FALSE(IsWindowVisible(d.ScriptButton.Handle()));
                PressKey(d, VK_ESCAPE);
            });
            PressKey(w, 'I', AltDown);
            EXPECT_TRUE(w.IsOpen());
            EXPECT_TRUE(boxes.Shown().empty());
            w.ExitButton.Click();
        });
        f.WizardButton.Click();
        EXPECT_EQ(f.Model().Count(), 0);
        f.CancelButton.Click();
    });
}

}  // namespace
}  // namespace orv::editor
