#include "tests/common/ui/win32/demo_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "common/ui/win32/display.h"
#include "common/win32/message_pump.h"
#include "common/win32/system_routines.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/form_picture.h"
#include "tests/support/ui/form_testing.h"

namespace orv {
namespace {

using orv::testing::WriteFormPicture;

// A timer procedure is a stdcall function on 32-bit Windows: no lambda.
void CALLBACK EndLoopWithRefusedCode(HWND, UINT, UINT_PTR, DWORD) {
    PostQuitMessage(99);
}

using testing::ModalDriver;
using testing::MouseAt;
using testing::PressKey;
using testing::PressMnemonic;
using testing::Pump;
using testing::PumpUntil;
using testing::RecordedSecondWindow;
using testing::TDemoForm;
using testing::TypeText;

class DemoFormTest : public ::testing::Test {
  protected:
    RecordedSecondWindow second;
    TDemoForm form{second};
};

// The centre of a list's line, in the list's client pixels.
POINT LineCentre(const TListBox& list, int line) {
    RECT r{};
    SendMessageA(list.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(line),
                 reinterpret_cast<LPARAM>(&r));
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST_F(DemoFormTest, QuitDuringAModalChildCancelsItAndThenEndsTheLoop) {
    RecordedSecondWindow childSecond;
    TDemoForm child(childSecond);
    int childResult = -1;
    bool childClosedHotKey = false;
    // Opened from inside the program's loop, the child ends the program.
    form.Timer.OnTimer = [&] {
        form.Timer.SetEnabled(false);
        childResult = child.ShowModal(form.Handle());
        childClosedHotKey = !child.HotKey.On();
    };
    child.Timer.OnTimer = [&] {
        child.Timer.SetEnabled(false);
        PostQuitMessage(10);
    };
    child.Timer.SetEnabled(true);
    form.Timer.SetEnabled(true);
    form.Show();
    // Should the loop never end, this ends it with a code the test refuses.
    UINT_PTR guard = SetTimer(nullptr, 0, 10000, EndLoopWithRefusedCode);
    EXPECT_EQ(Application::Run(), 10);
    KillTimer(nullptr, guard);
    EXPECT_EQ(childResult, IDCANCEL);
    EXPECT_TRUE(childClosedHotKey);
    EXPECT_EQ(child.Handle(), nullptr);
    EXPECT_TRUE(form.IsOpen());
    form.Close();
    EXPECT_EQ(form.Handle(), nullptr);
}

TEST_F(DemoFormTest, MenusAndAcceleratorsWorkOnAModalForm) {
    ModalDriver driver;
    driver.Expect<TDemoForm>([](TDemoForm& f) {
        HMENU bar = GetMenu(f.Handle());
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(GetSubMenu(bar, 0), f.FileMenu.Handle());

        SendMessageA(f.Handle(), WM_COMMAND, MAKEWPARAM(f.OpenItem.Command(), 0), 0);
        EXPECT_EQ(f.Opened, 1);
        f.OpenItem.SetEnabled(false);
        SendMessageA(f.Handle(), WM_COMMAND, MAKEWPARAM(f.OpenItem.Command(), 0), 0);
        EXPECT_EQ(f.Opened, 1);
        EXPECT_TRUE(GetMenuState(f.FileMenu.Handle(), 0, MF_BYPOSITION) & MF_GRAYED);

        HMENU file = f.FileMenu.Handle();
        f.RecentItem.SetVisible(false);
        EXPECT_EQ(GetMenuItemCount(file), 3);
        EXPECT_EQ(GetMenuItemID(file, 2), static_cast<UINT>(f.ExitItem.Command()));
        f.RecentItem.SetChecked(true);  // while hidden
        f.RecentItem.SetVisible(true);
        EXPECT_EQ(GetMenuItemID(file, 1), static_cast<UINT>(f.RecentItem.Command()));
        EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_CHECKED);
        EXPECT_TRUE(GetMenuState(file, 2, MF_BYPOSITION) & MF_SEPARATOR);

        // Items made at run time become a submenu of their item.
        std::string chosen;
        f.RecentItem.AddItem("one.orn", [&] { chosen = "one"; });
        TMenuItem& two = f.RecentItem.AddItem("two.orn", [&] { chosen = "two"; });
        EXPECT_EQ(GetMenuItemCount(f.RecentItem.Handle()), 2);
        SendMessageA(f.Handle(), WM_COMMAND, MAKEWPARAM(two.Command(), 0), 0);
        EXPECT_EQ(chosen, "two");
        f.RecentItem.ClearAddedItems();
        EXPECT_EQ(GetMenuItemCount(f.RecentItem.Handle()), 0);

        PressKey(f, 'F', CtrlDown);
        EXPECT_EQ(f.Found, 1);
        PressKey(f, 'F');
        EXPECT_EQ(f.Found, 1);
        f.Close(IDOK);
    });
    EXPECT_EQ(form.ShowModal(), IDOK);
    // The menu outlives the window, for the next show.
    EXPECT_TRUE(IsMenu(form.Menu.Handle()));
}

// Keys for the menu window, posted from inside the menu's own loop.
void CALLBACK ChooseSecondPopupItem(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu))
        return;
    KillTimer(nullptr, timer);
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
        PostMessageA(menu, WM_KEYDOWN, key, 1);
        PostMessageA(menu, WM_KEYUP, key, 0xC0000001);
    }
}

TEST_F(DemoFormTest, APopupMenuItemIsChosenByKeys) {
    ModalDriver driver;
    driver.Expect<TDemoForm>([](TDemoForm& f) {
        UINT_PTR timer = SetTimer(nullptr, 0, 20, ChooseSecondPopupItem);
        RECT r{};
        GetWindowRect(f.Lines.Handle(), &r);
        f.ListMenu.Popup(r.left + 10, r.top + 10);
        KillTimer(nullptr, timer);
        EXPECT_EQ(f.Copied, 1);
        f.Close(IDOK);
    });
    form.ShowModal();
}

TEST_F(DemoFormTest, OnlyAltWithALetterPressesAButton) {
    ModalDriver driver;
    driver.Expect<TDemoForm>([](TDemoForm& f) {
        f.Lines.SetFocus();  // a control that wants characters
        TypeText(f, "a");
        f.CloseButton.SetFocus();  // and one that does not
        TypeText(f, "a");
        EXPECT_EQ(f.Added, 0);
        EXPECT_TRUE(f.IsOpen());
        PressMnemonic(f, 'a');
        EXPECT_EQ(f.Added, 1);
        f.Close(IDOK);
    });
    form.ShowModal();
}

TEST_F(DemoFormTest, ControlEventsComeFromTheirWindowsAndFailuresStayInside) {
    std::vector<std::string> events;
    form.Name.OnKeyDown = [&](WORD& key, ShiftState) {
        if (key == VK_DOWN)
            throw std::runtime_error("broken key handler");
    };
    form.Name.OnKeyPress = [&](char& key) {
        if (key == 'x')
            key = 0;
        else if (key == 'u')
            key = 'U';
    };
    form.Lines.OnMouseDown = [&](MouseButton b, ShiftState, int, int y) {
        events.push_back((b == MouseButton::Right ? "right " : "left ") + std::to_string(y));
    };
    form.Lines.OnDblClick = [&] { events.push_back("double"); };
    testing::ScriptedMessageBoxes boxes;
    boxes.Expect("broken key handler", MsgResult::Ok, "Error");
    ModalDriver driver;
    driver.Expect<TDemoForm>([&](TDemoForm& f) {
        f.Lines.SetFocus();
        f.Name.OnEnter = [&] { events.push_back("enter"); };
        f.Name.OnExit = [&] { events.push_back("exit"); };
        f.Name.SetFocus();
        TypeText(f, "axu");
        EXPECT_EQ(f.Name.Text(), "aU");
        PressKey(f, VK_DOWN);
        EXPECT_TRUE(f.IsOpen());
        f.Lines.SetFocus();
        MouseAt(f.Lines, WM_RBUTTONDOWN, 5, 7);
        MouseAt(f.Lines, WM_LBUTTONDBLCLK, 5, 7);
        f.Close(IDOK);
    });
    form.ShowModal();
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "exit", "right 7", "double"}));
}

TEST_F(DemoFormTest, ControlsTakeTheirOwnFontAndColours) {
    form.Name.SetFont({static_cast<std::int32_t>(RGB(200, 0, 0)), "Arial", 14, FontStyle::Bold});
    form.Name.SetColor(RGB(0, 0, 120));
    ModalDriver driver;
    driver.Expect<TDemoForm>([](TDemoForm& f) {
        auto font = [](const TControl& c) { return SendMessageA(c.Handle(), WM_GETFONT, 0, 0); };
        EXPECT_NE(font(f.Name), font(f.CloseButton));
        HDC dc = GetDC(f.Name.Handle());
        LRESULT brush = SendMessageA(f.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(f.Name.Handle()));
        EXPECT_NE(brush, 0);
        EXPECT_EQ(GetTextColor(dc), RGB(200, 0, 0));
        EXPECT_EQ(GetBkColor(dc), RGB(0, 0, 120));
        ReleaseDC(f.Name.Handle(), dc);
        f.Close(IDOK);
    });
    form.ShowModal();
}

TEST_F(DemoFormTest, ListsAreDrawnByTheFormToggleByClickAndEditInPlace) {
    form.Lines.SetSelected(0, true);
    ModalDriver driver;
    driver.Expect<TDemoForm>([](TDemoForm& f) {
        RedrawWindow(f.Lines.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_FALSE(f.DrawnLines.empty());
        RECT line{};
        SendMessageA(f.Lines.Handle(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&line));
        EXPECT_EQ(line.bottom - line.top, Scaled(16));

        POINT third = LineCentre(f.Lines, 2);
        EXPECT_EQ(f.Lines.ItemAtPoint(third.x, third.y), 2);
        EXPECT_EQ(f.Lines.ItemAtPoint(third.x, 85), -1);  // below the last line
        for (bool expected : {true, false}) {
            MouseAt(f.Lines, WM_LBUTTONDOWN, third.x, third.y, LeftButtonDown);
            MouseAt(f.Lines, WM_LBUTTONUP, third.x, third.y);
            EXPECT_EQ(f.Lines.Selected(2), expected);
            EXPECT_TRUE(f.Lines.Selected(0));  // the other lines keep theirs
        }

        EXPECT_EQ(f.Lines.AddItem("added", 7), 4);
        f.Lines.ReplaceItem(0, "ALPHA");
        f.Lines.DeleteItem(2);  // "gamma"
        EXPECT_TRUE(f.Lines.Selected(0));
        EXPECT_EQ(f.Lines.IndexOf("Added"), 3);
        EXPECT_EQ(f.Lines.IndexOf("gamma"), -1);
        EXPECT_EQ(SendMessageA(f.Lines.Handle(), LB_GETITEMDATA, 3, 0), 7);
        f.Close(IDOK);
    });
    form.ShowModal();
    ASSERT_EQ(form.Lines.Count(), 4);
    EXPECT_EQ(form.Lines.Item(0), "ALPHA");
    EXPECT_EQ(form.Lines.Item(2), "a line too long for its list");
    EXPECT_EQ(form.Lines.Object(3), 7);
    EXPECT_TRUE(form.Lines.Selected(0));
}

TEST_F(DemoFormTest, TheHotKeyBoxTakesKeysOnlyWhileItHasTheFocus) {
    std::vector<int> codes;
    form.HotKey.OnHotKey = [&](int code) { codes.push_back(code); };
    ModalDriver driver;
    driver.Expect<TDemoForm>([&](TDemoForm& f) {
        EXPECT_TRUE(second.Calls.empty());
        f.HotKey.SetFocus();
        ASSERT_EQ(second.Calls.size(), 1u);
        EXPECT_EQ(second.Calls[0], std::make_pair(f.Handle(), true));
        SendMessageA(f.Handle(), ProgramMessage::SecondWindowKey, 5, 0);
        EXPECT_EQ(codes, std::vector<int>{5});
        PressKey(f, VK_TAB);
        ASSERT_EQ(second.Calls.size(), 2u);
        EXPECT_EQ(second.Calls[1], std::make_pair(f.Handle(), false));
        // Off: the form's own message.
        SendMessageA(f.Handle(), ProgramMessage::SecondWindowKey, 6, 0);
        EXPECT_EQ(codes, std::vector<int>{5});
        f.HotKey.SetFocus();
        PressKey(f, VK_ESCAPE);
        EXPECT_FALSE(f.IsOpen());
    });
    EXPECT_EQ(form.ShowModal(), IDCANCEL);
    ASSERT_EQ(second.Calls.size(), 4u);
    EXPECT_FALSE(second.Calls[3].second);
}

TEST_F(DemoFormTest, ADragStartsPastItsThresholdAndDropsOnTheLineUnderTheMouse) {
    ModalDriver driver;
    driver.Expect<TDemoForm>([](TDemoForm& f) {
        // The point over the fourth category, in the source list's pixels.
        POINT target = LineCentre(f.Categories, 3);
        MapWindowPoints(f.Categories.Handle(), f.Macros.Handle(), &target, 1);

        MouseAt(f.Macros, WM_LBUTTONDOWN, 10, 5, LeftButtonDown);
        MouseAt(f.Macros, WM_MOUSEMOVE, 24, 5, LeftButtonDown);
        EXPECT_FALSE(f.Macros.Dragging());
        MouseAt(f.Macros, WM_LBUTTONUP, 24, 5);
        EXPECT_TRUE(f.Drops.empty());

        MouseAt(f.Macros, WM_LBUTTONDOWN, 10, 5, LeftButtonDown);
        MouseAt(f.Macros, WM_MOUSEMOVE, 10, 21, LeftButtonDown);
        EXPECT_TRUE(f.Macros.Dragging());
        MouseAt(f.Macros, WM_MOUSEMOVE, target.x, target.y, LeftButtonDown);
        MouseAt(f.Macros, WM_LBUTTONUP, target.x, target.y);
        EXPECT_FALSE(f.Macros.Dragging());
        ASSERT_EQ(f.Drops.size(), 1u);
        EXPECT_EQ(f.Drops[0].Source, &f.Macros);
        EXPECT_EQ(f.Drops[0].Item, 3);
        f.Close(IDOK);
    });
    form.ShowModal();
}

TEST_F(DemoFormTest, ALazyPanelGetsItsWindowsAtItsFirstShowInTabOrder) {
    form.LazyEdit.SetText("preset");
    form.LazyCheck.SetChecked(true);
    ModalDriver driver;
    driver.Expect<TDemoForm>([](TDemoForm& f) {
        EXPECT_EQ(f.LazyEdit.Handle(), nullptr);
        EXPECT_EQ(f.LazyCheck.Handle(), nullptr);
        f.Lazy.SetVisible(true);
        ASSERT_NE(f.LazyEdit.Handle(), nullptr);
        EXPECT_EQ(f.LazyEdit.Text(), "preset");
        EXPECT_EQ(SendMessageA(f.LazyCheck.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
        f.Name.SetFocus();
        PressKey(f, VK_TAB);
        EXPECT_TRUE(f.LazyEdit.Focused());
        PressKey(f, VK_TAB);
        EXPECT_TRUE(f.LazyCheck.Focused());
        PressKey(f, VK_TAB);
        EXPECT_TRUE(f.Lines.Focused());
        f.Close(IDOK);
    });
    form.ShowModal();
    EXPECT_EQ(form.LazyEdit.Text(), "preset");
    EXPECT_TRUE(form.LazyCheck.Checked());
}

// A modeless form with a sizing frame, served by the program's loop and by
// the wait pump alike.
class TToolForm : public TForm {
  public:
    TToolForm() : TForm("TToolForm", "Tool", 200, 100) {
        BorderStyle = FormBorder::Sizeable;
        KeyPreview = true;
        MinClientWidth = 150;
        MinClientHeight = 80;
    }
    TEdit First{*this, nullptr, {8, 8, 100, 21}};
    TEdit Second{*this, nullptr, {8, 34, 100, 21}};
    TMemo Notes{*this, nullptr, {8, 60, 180, 36}};

    std::vector<std::string> Events;
    UINT Registered = RegisterWindowMessageA("OrvaneDemoMessage");

  protected:
    void FormResize() override { Events.push_back("resize " + std::to_string(ClientWidth())); }
    void FormActivate() override { Events.push_back("activate"); }
    void FormDestroy() override { Events.push_back("destroy"); }
    void FormClose() override { Events.push_back("close"); }
    void FormKeyDown(WORD& key, ShiftState) override {
        if (key == VK_F5) {
            Events.push_back("F5");
            key = 0;
        }
    }
    bool FormMessage(UINT message, WPARAM w, LPARAM, LRESULT& result) override {
        if (message != Registered)
            return false;
        result = static_cast<LRESULT>(w) * 2;
        return true;
    }
};

TEST(ModelessFormTest, ShowsHidesAndIsServedByEveryLoop) {
    TToolForm tool;
    tool.Position = FormPosition::Designed;
    tool.Left = 40;
    tool.Top = 30;
    tool.SetCaption(std::string(300, 'c'));
    tool.Notes.SetLines({"one", "two"});
    tool.Notes.SetSelection(5, 3);
    {
        // The observer sees it through whatever loop runs: here the wait pump.
        ModalDriver driver;
        bool seen = false;
        driver.Expect<TToolForm>([&](TToolForm& f) {
            seen = true;
            f.Close();
        });
        tool.Show();
        EXPECT_TRUE(PumpUntil([&] { return seen; }));
        EXPECT_FALSE(tool.IsOpen());  // the driver closes what it was shown
    }
    EXPECT_EQ(tool.Events.back(), "destroy");
    tool.Events.clear();

    tool.Show();
    ASSERT_NE(tool.Handle(), nullptr);
    EXPECT_TRUE(IsWindowVisible(tool.Handle()));
    EXPECT_FALSE(tool.IsModal());
    EXPECT_EQ(tool.Caption().size(), 300u);
    RECT r{};
    GetWindowRect(tool.Handle(), &r);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 30);
    EXPECT_TRUE(GetWindowLongPtrA(tool.Handle(), GWL_STYLE) & WS_THICKFRAME);
    EXPECT_EQ(tool.Notes.SelStart(), 5);  // "two", selected before the show
    EXPECT_EQ(tool.Notes.SelLength(), 3);
    EXPECT_EQ(tool.Notes.Lines(), (std::vector<std::string>{"one", "two"}));

    // Tab and key preview through the wait pump, as through any loop.
    tool.First.SetFocus();
    PostMessageA(tool.First.Handle(), WM_KEYDOWN, VK_TAB, 1);
    PostMessageA(tool.First.Handle(), WM_KEYDOWN, VK_F5, 1);
    PumpPendingMessages();
    EXPECT_TRUE(tool.Second.Focused());
    EXPECT_EQ(SendMessageA(tool.Handle(), tool.Registered, 21, 0), 42);

    // Sizing stops at the minimum size.
    SetWindowPos(tool.Handle(), nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER);
    RECT client{};
    GetClientRect(tool.Handle(), &client);
    EXPECT_EQ(client.right, 150);
    EXPECT_EQ(client.bottom, 80);
    EXPECT_EQ(tool.ClientWidth(), 150);

    tool.SetWindowState(WindowState::Maximized);
    EXPECT_EQ(tool.State(), WindowState::Maximized);
    tool.SetWindowState(WindowState::Normal);
    tool.SetStayOnTop(true);
    EXPECT_TRUE(GetWindowLongPtrA(tool.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    tool.Hide();
    EXPECT_FALSE(IsWindowVisible(tool.Handle()));
    EXPECT_TRUE(tool.IsOpen());
    tool.Show();
    EXPECT_TRUE(IsWindowVisible(tool.Handle()));
    SendMessageA(tool.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(tool.Handle(), nullptr);
    EXPECT_EQ(tool.ModalResult(), IDCANCEL);

    ASSERT_GE(tool.Events.size(), 4u);
    EXPECT_NE(std::find(tool.Events.begin(), tool.Events.end(), "F5"), tool.Events.end());
    EXPECT_NE(std::find(tool.Events.begin(), tool.Events.end(), "activate"), tool.Events.end());
    EXPECT_NE(std::find(tool.Events.begin(), tool.Events.end(), "resize 150"), tool.Events.end());
    EXPECT_EQ(tool.Events[tool.Events.size() - 2], "close");
    EXPECT_EQ(tool.Events.back(), "destroy");
}

TEST(ModelessFormTest, ARestoredWindowIsKeptOnTheScreen) {
    TToolForm tool;
    const DisplayMetrics& d = Display();
    tool.SetRestoredGeometry({d.ScreenWidth - 50, -20, 300, 200});
    tool.Show();
    RECT r{};
    GetWindowRect(tool.Handle(), &r);
    EXPECT_EQ(r.left, d.ScreenWidth - 300);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right - r.left, 300);
    EXPECT_EQ(tool.Geometry(), (ScreenRect{d.ScreenWidth - 300, 0, 300, 200}));
    tool.Close();
}

TEST(ModelessFormTest, EveryBorderStyleKeepsTheClientSizeBelowItsMenu) {
    const std::pair<FormBorder, DWORD> styles[] = {
        {FormBorder::Dialog, DS_MODALFRAME},
        {FormBorder::Sizeable, WS_THICKFRAME | WS_MAXIMIZEBOX},
        {FormBorder::ToolWindow, WS_THICKFRAME},
    };
    for (auto [border, style] : styles) {
        RecordedSecondWindow second;
        TDemoForm demo(second);
        demo.BorderStyle = border;
        demo.Show();
        RECT client{};
        GetClientRect(demo.Handle(), &client);
        EXPECT_EQ(client.right, 360);
        EXPECT_EQ(client.bottom, 240);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(demo.Handle(), GWL_STYLE)) & style, style);
        EXPECT_EQ((GetWindowLongPtrA(demo.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0,
                  border == FormBorder::ToolWindow);
        demo.Close();
    }
}

TEST(FormPictures, DemoFormInEachBorderStyle) {
    const char* wanted = std::getenv("ORVANE_FORM_PICTURES");
    std::string folder = wanted && *wanted ? wanted : ProgramDir() + "\\form-pictures";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::pair<FormBorder, const char*> styles[] = {
        {FormBorder::Dialog, "Dialog"},
        {FormBorder::Sizeable, "Sizeable"},
        {FormBorder::ToolWindow, "ToolWindow"},
    };
    for (auto [style, name] : styles) {
        RecordedSecondWindow second;
        TDemoForm demo(second);
        demo.BorderStyle = style;
        demo.Lazy.SetVisible(true);
        std::string path = folder + "\\TDemoForm." + name + ".bmp";
        EXPECT_TRUE(WriteFormPicture(demo, path)) << path;
    }
}

}  // namespace
}  // namespace orv
