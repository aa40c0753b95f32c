#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <vector>

#include "common/script/catalogue.h"
#include "editor/commands/keystroke_text.h"
#include "editor/commands/win32/date_time_dialog.h"
#include "editor/commands/win32/flow_dialogs.h"
#include "editor/commands/win32/symbol_search_dialogs.h"
#include "editor/commands/win32/text_dialog.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/form_testing.h"

namespace orv::editor {
namespace {

using orv::testing::ModalDriver;
using testing::MouseAt;
using testing::PressKey;
using testing::TypeText;

// Puts text on the real clipboard, as another program would.
void PutOnClipboard(const std::string& text, HWND owner) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

std::string ClipboardText(HWND owner) {
    std::string text;
    if (!OpenClipboard(owner))
        return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// The key button that inserts the token.
TButton& ButtonOf(TModText& form, std::string_view token) {
    for (int i = 0; i < KeyButtonCount; ++i)
        if (KeyButtons[i].Token == token)
            return form.Keys.KeyButtonControls[i];
    throw std::invalid_argument(std::string(token));
}

// A menu item chosen as the user would: its command sent to the form.
void Choose(TForm& form, const TMenuItem& item) {
    SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(item.Command(), 0), 0);
}

class KeystrokeDialogsTest : public ::testing::Test {
  protected:
    ModalDriver driver;
    orv::testing::ScriptedMessageBoxes boxes;
    SettingsBlock settings;
    CommandContext context{settings};
};

// Every way to insert a token (key button, Keys and FKeys menus, the
// "Miscellaneous" list with "ok") puts it at the caret set mid-text and the
// caret after it; "ok" with nothing chosen changes nothing.
TEST_F(KeystrokeDialogsTest, EveryKeyAndListEntryInsertsItsTokenAtTheCaret) {
    TModText d(context);
    d.NewFormat.SetText("abcdef");
    driver.Expect<TModText>([](TModText& f) {
        KeystrokeEditor& keys = f.Keys;
        auto expectInsertedBy = [&](std::string_view token, const std::function<void()>& act) {
            f.NewFormat.SetText("abcdef");
            f.NewFormat.SetSelection(2, 2);
            act();
            EXPECT_EQ(f.NewFormat.Text(), "ab" + std::string(token) + "cdef");
            EXPECT_EQ(f.NewFormat.SelStart(), 2 + static_cast<int>(token.size())) << token;
            EXPECT_TRUE(f.NewFormat.Focused()) << token;
        };
        ASSERT_EQ(keys.KeyItems.size(), KeyButtons.size());
        for (int i = 0; i < KeyButtonCount; ++i) {
            expectInsertedBy(KeyButtons[i].Token, [&] { keys.KeyButtonControls[i].Click(); });
            expectInsertedBy(KeyButtons[i].Token, [&] { Choose(f, keys.KeyItems[i]); });
        }
        EXPECT_EQ(keys.KeysMenu.Items().size(), 18u);
        EXPECT_EQ(keys.FKeysMenu.Items().size(), 12u);
        ASSERT_EQ(keys.MiscBox.Count(), MiscEntryCount);
        EXPECT_EQ(keys.MiscBox.ItemIndex(), -1);
        // The list drops down 19 rows of its 42.
        SendMessageA(keys.MiscBox.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
        COMBOBOXINFO combo{};
        combo.cbSize = sizeof combo;
        ASSERT_TRUE(GetComboBoxInfo(keys.MiscBox.Handle(), &combo));
        RECT list{};
        GetClientRect(combo.hwndList, &list);
        LRESULT row = SendMessageA(keys.MiscBox.Handle(), CB_GETITEMHEIGHT, 0, 0);
        SendMessageA(keys.MiscBox.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
        ASSERT_GT(row, 0);
        EXPECT_EQ(list.bottom / row, 19);
        f.NewFormat.SetText("abcdef");
        keys.OkButton.Click();
        EXPECT_EQ(f.NewFormat.Text(), "abcdef");
        for (int i = 0; i < MiscEntryCount; ++i) {
            EXPECT_EQ(keys.MiscBox.Item(i), MiscBoxEntries[i].Name);
            expectInsertedBy(MiscBoxEntries[i].Token, [&] {
                keys.MiscBox.SetItemIndex(i);
                keys.OkButton.Click();
            });
        }
        f.UpdateButton.Click();
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_TRUE(d.Confirmed());
    EXPECT_EQ(d.Updated, 1);
    EXPECT_EQ(d.TextBuffer, "ab<NUMLOCK>cdef");
    EXPECT_EQ(d.ComposedCode(), CommandCode::Text);
}

TEST_F(KeystrokeDialogsTest, TheLimitRefusesAnInsertAndCutsTheUpdate) {
    TModText d(context);
    d.NewFormat.SetText(std::string(4995, 'x') + "\t");
    driver.Expect<TModText>([this](TModText& f) {
        f.NewFormat.SetSelection(0, 0);
        boxes.Expect("Text exceeds maximum length.  Text not added.", MsgResult::Ok, "Error");
        ButtonOf(f, "<F10>").Click();  // 5,001 would be too many
        EXPECT_EQ(f.NewFormat.Text().size(), 4996u);
        ButtonOf(f, "<F1>").Click();  // exactly 5,000 ...
        EXPECT_EQ(f.NewFormat.Text().size(), 5000u);
        boxes.Expect(
            "The size of the macro exceeds the 5,000 character limit.  The macro will be "
            "truncated to 5,000 characters.",
            MsgResult::Ok, "Error");
        Choose(f, f.FileUpdate);  // ... but the Tab's token would be cut in two
    });
    EXPECT_EQ(d.ShowModal(), IDOK);
    EXPECT_EQ(d.TextBuffer, "<F1>" + std::string(4995, 'x'));
}

TEST_F(KeystrokeDialogsTest, EscapeInTheMemoClosesWithoutUpdateAskingOnlyAfterTyping) {
    TModText d(context);
    d.NewFormat.SetText("keep");
    driver.Expect<TModText>([](TModText& f) { PressKey(f, VK_ESCAPE); });
    EXPECT_EQ(d.ShowModal(), IDCANCEL);
    boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::No, "Warning");
    boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
    driver.Expect<TModText>([](TModText& f) {
        EXPECT_TRUE(f.NewFormat.Focused());
        TypeText(f, "more");
        PressKey(f, VK_ESCAPE);
        ASSERT_TRUE(f.IsOpen()) << "No keeps what was typed";
        EXPECT_NE(f.NewFormat.Text().find("more"), std::string::npos);
        PressKey(f, VK_ESCAPE);
    });
    EXPECT_EQ(d.ShowModal(), IDCANCEL);
    EXPECT_FALSE(d.Confirmed());
    EXPECT_EQ(d.Updated, 0);
    EXPECT_EQ(d.TextBuffer, "");
}

TEST_F(KeystrokeDialogsTest, ClipboardKeysActOnTheFocusedEditAndPasteOnce) {
    TModText d(context);
    driver.Expect<TModText>([this](TModText& f) {
        PutOnClipboard("XY", f.Handle());
        f.NewFormat.SetText("ab");
        f.NewFormat.SetSelection(1, 0);
        PressKey(f, 'V', CtrlDown);
        EXPECT_EQ(f.NewFormat.Text(), "aXYb");
        f.NewFormat.SetSelection(0, 2);
        PressKey(f, 'X', CtrlDown);
        EXPECT_EQ(f.NewFormat.Text(), "Yb");
        EXPECT_EQ(ClipboardText(f.Handle()), "aX");
        f.NewFormat.SetSelection(0, 1);
        Choose(f, f.Keys.MenuDelete);
        EXPECT_EQ(f.NewFormat.Text(), "b");
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
        f.CancelButton.Click();
    });
    EXPECT_EQ(d.ShowModal(), IDCANCEL);
}

TEST_F(KeystrokeDialogsTest, FindFindAgainAndReplaceByTheirKeys) {
    TModText d(context);
    d.NewFormat.SetText("abcABCabc");
    auto answer = [](const char* find, const char* replace, bool findOnly) {
        return [=](TDoSearch& s) {
            EXPECT_EQ(s.Caption(), findOnly ? "Find" : "Search and Replace");
            EXPECT_EQ(s.Replace.Enabled(), !findOnly);
            TypeText(s, find);
            s.Replace.SetText(replace);
            PressKey(s, VK_RETURN);
        };
    };
    driver.Expect<TModText>([&](TModText& f) {
        PressKey(f, 'F', CtrlDown);
        EXPECT_EQ(f.NewFormat.SelStart(), 0);
        EXPECT_EQ(f.NewFormat.SelLength(), 3);
        PressKey(f, VK_F3);
        EXPECT_EQ(f.NewFormat.SelStart(), 3);
        PressKey(f, VK_F3);
        EXPECT_EQ(f.NewFormat.SelStart(), 6);
        boxes.Expect("\"ABC\"was not found.", MsgResult::Ok, "Warning");
        PressKey(f, VK_F3);
        PressKey(f, VK_F3);  // from the start again
        EXPECT_EQ(f.NewFormat.SelStart(), 0);

        boxes.Expect("\"b\"was replaced 3 times.", MsgResult::Ok, "Replaced");
        PressKey(f, 'S', CtrlDown);
        EXPECT_EQ(f.NewFormat.Text(), "a--cA--Ca--c");
        boxes.Expect("\"q\"was not found.", MsgResult::Ok, "Warning");
        PressKey(f, 'S', CtrlDown);
        EXPECT_EQ(f.NewFormat.Text(), "a--cA--Ca--c");
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
        f.CancelButton.Click();
    });
    driver.Expect<TDoSearch>(answer("ABC", "", true));
    driver.Expect<TDoSearch>(answer("b", "--", false));
    driver.Expect<TDoSearch>(answer("q", "z", false));
    d.ShowModal();
}

TEST_F(KeystrokeDialogsTest, SearchWithoutAFindTextIsNotConfirmed) {
    TDoSearch search;
    driver.Expect<TDoSearch>([](TDoSearch& s) {
        s.Replace.SetText("x");
        s.Buttons.OkButton.Click();
    });
    search.ShowModal();
    EXPECT_EQ(search.Confirmed, 0);
}

TEST_F(KeystrokeDialogsTest, SymbolsComeFromTheGridOrAnAltKeypadSequence) {
    TDoSpecial symbols(context);
    driver.Expect<TDoSpecial>([](TDoSpecial& f) {
        EXPECT_TRUE(IsWindowVisible(f.AltPadSeq.Handle()));
        // Every cell fits: no scroll bars take room from the last ones.
        auto style = GetWindowLongPtrA(f.SymbolGrid.Handle(), GWL_STYLE);
        EXPECT_FALSE(style & (WS_VSCROLL | WS_HSCROLL));
        GridRect cell = f.SymbolGrid.CellRect(15, 7);
        ASSERT_FALSE(cell.Empty());
        int x = (cell.Left + cell.Right) / 2, y = (cell.Top + cell.Bottom) / 2;
        MouseAt(f.SymbolGrid, WM_LBUTTONDOWN, x, y, LeftButtonDown);
        MouseAt(f.SymbolGrid, WM_LBUTTONUP, x, y);
        MouseAt(f.SymbolGrid, WM_LBUTTONDBLCLK, x, y, LeftButtonDown);
    });
    EXPECT_EQ(symbols.ShowModal(), IDOK);
    EXPECT_EQ(symbols.CommandText, std::string(1, static_cast<char>(255)));

    // The keypad's token closes both dialogs.
    driver.Expect<TDoSpecial>([](TDoSpecial& f) { f.AltPadSeq.Click(); });
    driver.Expect<TDoDelay>([](TDoDelay& k) {
        TypeText(k, "65");
        PressKey(k, VK_RETURN);
    });
    EXPECT_EQ(symbols.ShowModal(), IDOK);
    EXPECT_EQ(symbols.CommandText, "<ALT:065>");

    symbols.HideAltPad = 1;
    driver.Expect<TDoSpecial>([](TDoSpecial& f) {
        EXPECT_FALSE(IsWindowVisible(f.AltPadSeq.Handle()));
        f.SymbolGrid.MoveCurrent(0, 0);
        PressKey(f, VK_DOWN);
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(symbols.ShowModal(), IDOK);
    EXPECT_EQ(symbols.CommandText, std::string(1, static_cast<char>(129)));
}

TEST_F(KeystrokeDialogsTest, SymbolsButtonInsertsTheChosenCharacter) {
    TModText d(context);
    driver.Expect<TModText>([this](TModText& f) {
        f.NewFormat.SetText("ab");
        f.NewFormat.SetSelection(1, 0);
        f.Keys.Symbols.Click();
        EXPECT_EQ(f.NewFormat.Text(),
                  "a\x80"
                  "b");
        boxes.Expect(std::string(DiscardChangesQuestion), MsgResult::Yes, "Warning");
        f.CancelButton.Click();
    });
    driver.Expect<TDoSpecial>([](TDoSpecial& s) {
        EXPECT_TRUE(IsWindowVisible(s.AltPadSeq.Handle()));
        s.Buttons.OkButton.Click();
    });
    d.ShowModal();
}

class DateOrTimeTest : public KeystrokeDialogsTest {
  protected:
    std::string Shown(TDateOrTime& d, const std::function<void(TDateOrTime&)>& step) {
        driver.Expect<TDateOrTime>(step);
        d.ShowModal();
        return d.CommandText;
    }
};

TEST_F(DateOrTimeTest, ANewCommandStartsFromTheSettingsAndAnOkStoresTheChoice) {
    settings.LastDateFormat = 7;
    settings.SuppressZerosInDate = true;
    TDateOrTime d(context);
    d.FreshInsert = 1;
    std::string text = Shown(d, [](TDateOrTime& f) {
        EXPECT_EQ(f.Caption(), "Dates");
        EXPECT_EQ(f.TheFormat.Count(), DateFormatCount);
        EXPECT_EQ(f.TheFormat.ItemIndex(), 7);
        EXPECT_TRUE(f.Suppress.Checked());
        EXPECT_TRUE(f.FutureRadio.Checked());
        EXPECT_EQ(f.DaysEdit.Text(), "0");
        f.TheFormat.SetItemIndex(3);
        f.Suppress.Click();
        f.DaysEdit.SetText("5");
        f.Buttons.OkButton.Click();
    });
    EXPECT_EQ(text, "<" + std::string(DateFormatTable[3].Name) + "{YF005}>");
    EXPECT_EQ(d.IsDate, 1);
    EXPECT_EQ(d.FormatIndex, 4);
    EXPECT_EQ(d.ShowZeros, 1);
    EXPECT_EQ(d.Days, 5);
    EXPECT_EQ(settings.LastDateFormat, 3);
    EXPECT_FALSE(settings.SuppressZerosInDate);
}

TEST_F(DateOrTimeTest, RefusedDaysAndCancelLeaveTheSettingsAlone) {
    settings.LastDateFormat = 99;  // hand-edited
    TDateOrTime d(context);
    d.FreshInsert = 1;
    std::string text = Shown(d, [this](TDateOrTime& f) {
        EXPECT_EQ(f.TheFormat.ItemIndex(), 0);
        f.TheFormat.SetItemIndex(2);
        f.DaysEdit.SetText("-5");
        boxes.Expect("Invalid number of days specified.  Please correct.", MsgResult::Ok, "Error");
        f.Buttons.OkButton.Click();
        EXPECT_TRUE(f.IsOpen());
        EXPECT_TRUE(f.DaysEdit.Focused());
        f.Buttons.CancelButton.Click();
    });
    EXPECT_EQ(text, "");
    EXPECT_EQ(settings.LastDateFormat, 99);
}

TEST_F(DateOrTimeTest, AnEditedTimeSelectsItsOwnRow) {
    TDateOrTime d(context);
    d.FreshInsert = 0;
    d.LoadInput(InputFromRecord<DateTimeInput>(CommandCode::Time, DateTimeRec{0, 26, 0, 1, 0}));
    std::string text = Shown(d, [](TDateOrTime& f) {
        EXPECT_EQ(f.Caption(), "Times");
        EXPECT_EQ(f.TheFormat.Count(), TimeFormatCount);
        EXPECT_EQ(f.TheFormat.ItemIndex(), 25);
        EXPECT_FALSE(IsWindowVisible(f.DaysEdit.Handle()));
        EXPECT_FALSE(f.DaysEdit.Enabled());
        orv::testing::RecordedHelp help;
        f.Buttons.HelpButton.Click();
        EXPECT_EQ(help.Keywords, std::vector<std::string>{"Time Format"});
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(text, "<" + std::string(TimeFormatTable[25].Name) + "{N}>");
    EXPECT_EQ(d.IsDate, 0);
    EXPECT_EQ(settings.LastTimeFormat, 25);
    EXPECT_TRUE(settings.SuppressZerosInTime);
}

}  // namespace
}  // namespace orv::editor
