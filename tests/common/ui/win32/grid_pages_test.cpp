#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/ui/win32/draw_grid.h"
#include "common/ui/win32/form.h"
#include "common/ui/win32/page_control.h"
#include "common/win32/system_routines.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/form_picture.h"
#include "tests/support/ui/form_testing.h"
#include "tests/support/win32/wait_for.h"

namespace orv {
namespace {

using orv::testing::WriteFormPicture;
using testing::ModalDriver;
using testing::PressKey;
using testing::PressMnemonic;
using testing::TypeText;
using testing::WaitFor;
using Cell = std::pair<int, int>;

// A grid of the macro list's kind on the first of three pages (the third
// with a hidden tab), and a button whose mnemonic a typed letter must not
// reach.
class TGridPagesForm : public TForm {
  public:
    TGridPagesForm() : TForm("TGridPagesForm", "Grid and pages", 460, 300) {
        Grid.SetOptions(GridOption::MacroList);
        Grid.SetColCount(6);
        Grid.SetRowCount(40);
        Grid.OnDrawCell = [this](int col, int row, HDC dc, const RECT& rect, unsigned) {
            drawn.insert({col, row});
            std::string text = std::to_string(col) + "," + std::to_string(row);
            RECT r = rect;
            DrawTextA(dc, text.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        };
        Grid.OnColumnSized = [this](int col, int width) {
            sized.push_back({col, width, Grid.ColWidths(col)});
        };
        Add.OnClick = [this] { ++adds; };
        Pages.OnChange = [this] { ++changes; };
        Extra.SetTabVisible(false);
        Done.ModalResult = IDCANCEL;
    }

    TAPageControl Pages{*this, nullptr, {8, 8, 444, 250}};
    TTabSheet GridPage{Pages, "&Grid"};
    TMyDrawGrid Grid{*this, &GridPage, {0, 0, 436, 218}};
    TTabSheet Quick{Pages, "&Quick"};
    TLabel QuickText{*this, &Quick, {8, 8, 300, 16}, "Wizard buttons go here."};
    TTabSheet Extra{Pages, "&Xtra"};
    TButton Add{*this, nullptr, {8, 266, 75, 25}, "&Add"};
    TButton Done{*this, nullptr, {377, 266, 75, 25}, "Close", ButtonRole::Cancel};

    std::set<Cell> drawn;
    std::vector<std::vector<int>> sized;
    int adds = 0;
    int changes = 0;
};

class GridPagesTest : public ::testing::Test {
  protected:
    ModalDriver driver;
    TGridPagesForm form;
};

TEST_F(GridPagesTest, LettersTypedInTheGridPressNoButtonButAltDoes) {
    driver.Expect<TGridPagesForm>([](TGridPagesForm& f) {
        f.Grid.SetFocus();
        TypeText(f, "a");
        EXPECT_EQ(f.adds, 0);
        PressMnemonic(f, 'a');
        EXPECT_EQ(f.adds, 1);
        f.Grid.SetFocus();
        PressKey(f, VK_DOWN);  // arrows are the grid's too
        EXPECT_EQ(f.Grid.Row(), 2);
        f.Done.Click();
    });
    form.ShowModal();
}

TEST_F(GridPagesTest, AltLetterSelectsTheFirstVisibleTabWithThatAccelerator) {
    driver.Expect<TGridPagesForm>([](TGridPagesForm& f) {
        f.Grid.SetFocus();
        PressMnemonic(f, 'q');
        EXPECT_EQ(f.Pages.ActivePage(), &f.Quick);
        EXPECT_EQ(f.changes, 1);
        EXPECT_EQ(SendMessageA(f.Pages.Handle(), TCM_GETCURSEL, 0, 0), 1);
        EXPECT_FALSE(IsWindowVisible(f.Grid.Handle()));
        EXPECT_TRUE(IsWindowVisible(f.QuickText.Handle()));
        PressMnemonic(f, 'x');  // its tab is hidden
        EXPECT_EQ(f.Pages.ActivePage(), &f.Quick);
        EXPECT_EQ(f.changes, 1);
        f.Extra.SetTabVisible(true);
        PressMnemonic(f, 'x');
        EXPECT_EQ(f.Pages.ActivePage(), &f.Extra);
        EXPECT_EQ(f.changes, 2);
        f.Done.Click();
    });
    form.ShowModal();
}

TEST_F(GridPagesTest, DraggingAColumnBorderWithTheMouseSizesTheColumn) {
    driver.Expect<TGridPagesForm>([](TGridPagesForm& f) {
        // Column 3 starts at 195 and its border lies at 259, in the fixed row.
        POINT border{259, 10}, release{195 + 80, 12};
        ClientToScreen(f.Grid.Handle(), &border);
        ClientToScreen(f.Grid.Handle(), &release);
        auto button = [](DWORD flags) {
            INPUT input{};
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = flags;
            SendInput(1, &input, sizeof input);
        };
        SetCursorPos(border.x, border.y);
        button(MOUSEEVENTF_LEFTDOWN);
        EXPECT_TRUE(WaitFor([&] { return f.Grid.Sizing(); }));
        SetCursorPos(release.x, release.y);
        button(MOUSEEVENTF_LEFTUP);
        EXPECT_TRUE(WaitFor([&] { return !f.sized.empty(); }));
        EXPECT_EQ(f.sized, (std::vector<std::vector<int>>{{3, 80, 80}}));
        f.Done.Click();
    });
    form.ShowModal();
}

TEST_F(GridPagesTest, OnlyCellsInSightAreDrawn) {
    driver.Expect<TGridPagesForm>([](TGridPagesForm& f) {
        auto inSight = [&f] {
            std::set<Cell> cells;
            for (int row = 0; row <= f.Grid.LastVisibleRow(); ++row)
                for (int col = 0; col <= f.Grid.LastVisibleCol(); ++col)
                    if (row < f.Grid.FixedRows() || row >= f.Grid.TopRow())
                        cells.insert({col, row});
            return cells;
        };
        auto redraw = [&f] {
            f.drawn.clear();
            RedrawWindow(f.Grid.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        };
        redraw();
        ASSERT_LT(f.Grid.LastVisibleRow(), 20);
        EXPECT_EQ(f.drawn, inSight());
        SendMessageA(f.Grid.Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
        EXPECT_GT(f.Grid.TopRow(), 1);
        redraw();
        EXPECT_EQ(f.drawn, inSight());
        EXPECT_EQ(f.drawn.count({0, 1}), 0u);  // scrolled out
        f.Done.Click();
    });
    form.ShowModal();
}

TEST_F(GridPagesTest, AGridErrorInAHandlerIsReportedAndTheFormGoesOn) {
    testing::ScriptedMessageBoxes boxes;
    boxes.Expect(GridError::IndexOutOfRange, MsgResult::Ok, "Error");
    form.Grid.OnSelectCell = [this](int, int, bool&) { form.Grid.SetRowHeights(99, 5); };
    driver.Expect<TGridPagesForm>([](TGridPagesForm& f) {
        f.Grid.SetFocus();
        PressKey(f, VK_DOWN);
        EXPECT_EQ(f.Grid.Row(), 1);
        EXPECT_TRUE(f.IsOpen());
        f.Done.Click();
    });
    form.ShowModal();
}

TEST(FormPictures, GridAndPages) {
    const char* wanted = std::getenv("ORVANE_FORM_PICTURES");
    std::string folder = wanted && *wanted ? wanted : ProgramDir() + "\\form-pictures";
    CreateDirectoryA(folder.c_str(), nullptr);
    TGridPagesForm form;
    form.Grid.SetColWidths(2, 120);
    EXPECT_TRUE(WriteFormPicture(form, folder + "\\" + form.Name() + ".bmp"));
}

}  // namespace
}  // namespace orv
