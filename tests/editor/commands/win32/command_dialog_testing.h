// What the tests of the command dialogs share: a driver for the modal forms,
// scripted message boxes, typing into a box, a refusal, and editing a line.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "common/script/reader.h"
#include "editor/commands/win32/command_dialog.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/form_testing.h"

namespace orv::editor::testing {

// These helpers build on the shared ones.
using namespace orv::testing;

class CommandDialogTest : public ::testing::Test {
  protected:
    ModalDriver driver;
    ScriptedMessageBoxes boxes;

    // Types into the edit box as the user would, replacing what it held.
    static void Enter(TForm& form, TEdit& edit, std::string_view text) {
        edit.SetFocus();
        edit.SetText("");
        TypeText(form, text);
    }

    // OK with a refused value: the message, the focus back on the box, the
    // dialog still open with no command; then Escape closes it, cancelled.
    template <class D>
    void ExpectRefusalThenEscape(D& d, TControl& box, const std::string& message) {
        boxes.Expect(message, MsgResult::Ok, "Error");
        PressKey(d, VK_RETURN);
        EXPECT_TRUE(d.IsOpen());
        EXPECT_TRUE(box.Focused());
        EXPECT_EQ(d.CommandText, "");
        PressKey(d, VK_ESCAPE);
        EXPECT_FALSE(d.IsOpen());
    }

    // Editing a line as the bridges will: the dialog shows the line's input,
    // and OK with nothing changed gives the same command and line back.
    template <class D, class Input>
    void ExpectEditKeepsTheLine(D& d, const std::string& text) {
        SCOPED_TRACE(text);
        std::vector<CommandLine> lines = ReadScript(text);
        ASSERT_EQ(lines.size(), 1u);
        d.FreshInsert = 0;
        d.LoadInput(InputFromRecord<Input>(lines[0].Code, lines[0].Record));
        driver.Expect<D>([](D& f) { f.Buttons.OkButton.Click(); });
        EXPECT_EQ(d.ShowModal(), IDOK);
        EXPECT_TRUE(d.Confirmed());
        EXPECT_EQ(d.CommandText, text);
        EXPECT_EQ(d.ComposedCode(), lines[0].Code);
        EXPECT_EQ(d.ComposedRecord(), lines[0].Record);
    }

    // Escape closes the dialog with no command.
    template <class D>
    void ExpectEscapeCancels(D& d) {
        driver.Expect<D>([](D& f) { PressKey(f, VK_ESCAPE); });
        EXPECT_EQ(d.ShowModal(), IDCANCEL);
        EXPECT_EQ(d.CommandText, "");
        EXPECT_FALSE(d.Confirmed());
    }
};

}  // namespace orv::editor::testing
