// The direct script text editor: command buttons inserting at the caret, the
// limit, the text box, the icon, leaving without update, and export.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/files.h"
#include "editor/commands/win32/date_time_dialog.h"
#include "editor/commands/win32/file_dialogs.h"
#include "editor/commands/win32/flow_dialogs.h"
#include "editor/commands/win32/mouse_dialogs.h"
#include "editor/commands/win32/system_dialogs.h"
#include "editor/commands/win32/wait_dialog.h"
#include "editor/commands/win32/window_dialogs.h"
#include "editor/script/win32/direct_editor.h"
#include "editor/script/win32/text_insert_dialog.h"
#include "tests/editor/script/win32/script_editor_fixture.h"

namespace orv {
namespace {

using testing::ModalDriver;
using testing::PressKey;
using testing::ScriptedFileDialogs;

const char* const TooLong = "Text exceeds maximum length.  Text not added.";

class DirectEditorTest : public testing::ScriptEditorTest {
  protected:
    // Shows the editor on the existing macro with that script; step drives
    // it and must close it; nested expects the forms it opens.
    int Run(const std::string& script, std::function<void(TModHotKeys&)> step,
            const std::function<void()>& nested = {}) {
        macro.SetScriptText(script);
        TModHotKeys form(host);
        form.IsExisting = 1;
        form.ActKind = ActKind;
        driver.Expect<TModHotKeys>(std::move(step));
        if (nested)
            nested();
        int result = form.ShowModal();
        saved = form.Saved;
        return result;
    }

    static TButton& Button(TModHotKeys& f, std::string_view caption) {
        for (TButton& b : f.CommandButtons)
            if (b.Text() == caption)
                return b;
        ADD_FAILURE() << caption;
        return f.CommandButtons.front();
    }

    std::uint8_t saved = 0;
};

struct ButtonRow {
    const char* Caption;
    std::string Inserted;  // what the dialog's defaults, confirmed, put in
    std::function<void(ModalDriver&)> Dialog;
};

template <class D>
ButtonRow Row(const char* caption, std::string inserted, std::function<void(D&)> fill = {}) {
    return {caption, std::move(inserted), [fill](ModalDriver& driver) {
                driver.Expect<D>([fill](D& f) {
                    if (fill)
                        fill(f);
                    f.Buttons.OkButton.Click();
                });
            }};
}

TEST_F(DirectEditorTest, EveryCommandButtonInsertsItsCommandAtTheCaret) {
    const ButtonRow rows[] = {
        Row<TDoDelay2>("DELAY", "<DELAY:02.50>", [](TDoDelay2& f) { f.Seconds.SetText("2.5"); }),
        Row<TDoRemark>("REMARK", "<REM:note>", [](TDoRemark& f) { f.Comments.SetText("note"); }),
        Row<TDoClipboard>("CLIPBOARD", "<CLIPC>"),
        Row<TDoKeyUpDown>("KEY UP/ DN", "<CTLD>"),
        Row<TDoTBox>("TEXT BOX", "<TBOX:<HEAD:Hi>there>",
                     [](TDoTBox& f) {
                         f.Header.SetText("Hi");
                         f.Contents.SetText("there");
                     }),
        // A box without a heading is still a box.
        Row<TDoTBox>("TEXT BOX", "<TBOX:<HEAD:>text>",
                     [](TDoTBox& f) { f.Contents.SetText("text"); }),
    };
    for (const ButtonRow& row : rows) {
        Run(
            "AB",
            [&](TModHotKeys& f) {
                f.NewFormat.SetSelection(1, 0);
                Button(f, row.Caption).Click();
                EXPECT_EQ(f.NewFormat.Text(), "A" + row.Inserted + "B") << row.Caption;
                EXPECT_EQ(f.NewFormat.SelStart(), static_cast<int>(1 + row.Inserted.size()));
                f.UpdateButton.Click();
            },
            [&] { row.Dialog(driver); });
        EXPECT_EQ(macro.ScriptText(), "A" + row.Inserted + "B") << row.Caption;
    }
}

TEST_F(DirectEditorTest, ACommandThatDoesNotFitIsRefused) {
    boxes.Expect(TooLong, MsgResult::Ok, "Error");
    Run(
        std::string(4995, 'x'),
        [&](TModHotKeys& f) {
            Button(f, "REMARK").Click();
            EXPECT_EQ(f.NewFormat.Text().size(), 4995u);
            f.CancelButton.Click();
        },
        [&] {
            driver.Expect<TDoRemark>([](TDoRemark& f) {
                f.Comments.SetText("too long");
                f.Buttons.OkButton.Click();
            });
        });
}

TEST_F(DirectEditorTest, LoadTextOffersNoScriptEditor) {
    Run(
        "AB",
        [&](TModHotKeys& f) {
            Button(f, "LOAD TEXT").Click();
            EXPECT_EQ(f.NewFormat.Text(), "AB");
            f.CancelButton.Click();
        },
        [&] {
            driver.Expect<TDoTextInsert>([](TDoTextInsert& f) {
                EXPECT_FALSE(f.ScriptButton.Visible());
                PressKey(f, VK_ESCAPE);
            });
        });
}

TEST_F(DirectEditorTest, LeavingWithoutUpdateKeepsTheRecord) {
    for (bool escape : {false, true}) {
        Run("keep", [&](TModHotKeys& f) {
            f.NewFormat.SetText("changed");
            f.NickName.SetText("other");
            if (escape)
                PressKey(f, VK_ESCAPE);
            else
                f.CancelButton.Click();
        });
        EXPECT_EQ(saved, 0);
        EXPECT_EQ(macro.ScriptText(), "keep");
        EXPECT_EQ(macro.Nickname.str(), "TYPING");
    }
}

TEST_F(DirectEditorTest, AMissingIconIsSavedAsTheProgramsOwn) {
    macro.IconName = "GONE.ICO";
    Run("x", [&](TModHotKeys& f) {
        EXPECT_EQ(f.IconName(), "MAIN");
        f.UpdateButton.Click();
    });
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(macro.IconName.str(), "MAIN");
    EXPECT_EQ(table.MacroCount(), 3);  // an existing macro is not counted again
}

TEST_F(DirectEditorTest, ExportToAReadOnlyFileIsReportedAndKeepsIt) {
    ScriptedFileDialogs files;
    std::string path = MakeFile("locked.txt", "old contents");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    files.ExpectSave(path);
    boxes.Expect("The file \"" + path + "\" could not be written.", MsgResult::Ok, "Error");
    Run("new text", [&](TModHotKeys& f) {
        f.ExportClick();
        f.CancelButton.Click();
    });
    EXPECT_EQ(ReadWholeFile(path), "old contents");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

    files.ExpectOpen(MakeFile("in.txt", "typed\x1A"));
    Run("x", [&](TModHotKeys& f) {
        f.ImportClick();
        EXPECT_EQ(f.NewFormat.Text(), "typed");
        f.CancelButton.Click();
    });
}

}  // namespace
}  // namespace orv
