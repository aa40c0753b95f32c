#include "player/win32/forms/do_a_menu.h"

#include <cmath>

#include "common/ui/win32/canvas.h"

namespace orv::player {
namespace {

constexpr COLORREF Silver = RGB(192, 192, 192);
constexpr COLORREF Grey = RGB(128, 128, 128);

void Line(TCanvas& canvas, int left, int top, int right, int bottom) {
    canvas.Fill(RECT{left, top, right, bottom}, Grey);
}

}  // namespace

TDoAMenu::TDoAMenu(std::vector<MenuEntry> entries, MenuOptions options, int trayX)
    : TRunTimeDialog("TDoAMenu", "Choose A Macro", 300, 100),
      entries_(std::move(entries)),
      options_(options),
      trayX_(trayX) {
    BorderStyle = FormBorder::ToolWindow;
    KeyPreview = true;
    for (TListBox* list : {&Script, &Script2}) {
        list->SetOwnerDraw(MenuRowHeight);
        list->OnDrawItem = [this, list](TCanvas& canvas, int row, const RECT& rect, bool selected) {
            DrawRow(canvas, list == &Script2 ? row + MenuRowsLeft : row, rect, selected);
        };
    }
    Script.OnDblClick = [this] { DoIt(Script.ItemIndex()); };
    Script2.OnDblClick = [this] {
        if (Script2.ItemIndex() >= 0)
            DoIt(Script2.ItemIndex() + MenuRowsLeft);
    };
    AbortButton.OnClick = [this] {
        Answer = -1;
        Close(IDCANCEL);
    };
    if (options_.Mode == MenuMode::Icons) {
        const MenuLayout layout =
            LayOutMenu(options_.Mode, static_cast<int>(entries_.size()), options_.IconSize);
        for (std::size_t k = 0; k < entries_.size(); ++k) {
            const MenuBounds& b = layout.Buttons[k];
            auto button = std::make_unique<TSpeedButton>(*this, nullptr,
                                                         Bounds{b.Left, b.Top, b.Width, b.Height},
                                                         entries_[k].Icon, entries_[k].Name);
            button->OnClick = [this, k] { DoIt(static_cast<int>(k)); };
            SpeedButtons.push_back(std::move(button));
        }
    }
    LayOut();
}

void TDoAMenu::LayOut() {
    const int n = static_cast<int>(entries_.size());
    const MenuLayout layout = LayOutMenu(options_.Mode, n, options_.IconSize);
    const bool lists = options_.Mode != MenuMode::Icons;
    const bool twoLists = lists && layout.Script2Height > 0;
    for (TControl* c :
         std::initializer_list<TControl*>{&Name1Lab, &Scope1Lab, &Script, &MessageLabel})
        c->SetVisible(lists);
    for (TControl* c : std::initializer_list<TControl*>{&Name2Lab, &Scope2Lab, &Script2})
        c->SetVisible(twoLists);
    if (options_.Mode == MenuMode::ScriptText) {
        Scope1Lab.SetVisible(false);
        Scope2Lab.SetVisible(false);
        Name1Lab.SetText("Macro Text");
        Name2Lab.SetText("Macro Text");
    }
    Script.SetBounds({4, 20, 292, layout.ScriptHeight});
    Script2.SetBounds({308, 20, 292, layout.Script2Height});
    for (int k = 0; k < n && lists; ++k)
        (k < MenuRowsLeft ? Script : Script2).AddItem("", entries_[k].Macro);
    // The message takes all the row beside Cancel: one list leaves it little.
    constexpr int AbortWidth = 54;
    MessageLabel.SetBounds({4, layout.AbortTop + 3, layout.ClientWidth - AbortWidth - 12, 16});
    AbortButton.SetBounds({layout.ClientWidth - AbortWidth - 4, layout.AbortTop, AbortWidth, 19});
    SetClientSize(layout.ClientWidth, layout.ClientHeight);
}

// By the whole window, caption and frame included, once it exists: placed
// by its client area the frame would push Cancel below the screen.
void TDoAMenu::PlaceAtTray() {
    if (trayX_ == -1)
        return;
    SetClientSize(ClientWidth(), ClientHeight());
    RECT window{};
    GetWindowRect(Handle(), &window);
    const MenuPlace place =
        PlaceMenu(trayX_, window.right - window.left, window.bottom - window.top,
                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    Position = FormPosition::Designed;
    Left = place.Left;
    Top = place.Top;
}

void TDoAMenu::FormShow() {
    TRunTimeDialog::FormShow();
    PlaceAtTray();
    if (options_.Mode != MenuMode::Icons)
        Script.SetFocus();
}

void TDoAMenu::FormKeyPress(char& key) {
    // Escape is the cancel button's; in icon mode the keys choose nothing.
    if (key == VK_ESCAPE || options_.Mode == MenuMode::Icons)
        return;
    const int index = MenuKeyIndex(key, static_cast<int>(entries_.size()));
    key = 0;
    if (index >= 0)
        DoIt(index);
}

void TDoAMenu::DoIt(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size()))
        return;
    Answer = entries_[index].Macro;
    Close(IDOK);
}

// The row's key in a silver column, then its texts; grey lines part the
// columns and underline the row.
void TDoAMenu::DrawRow(TCanvas& canvas, int index, const RECT& rect, bool selected) const {
    if (index < 0 || index >= static_cast<int>(entries_.size()))
        return;
    const MenuEntry& entry = entries_[index];
    const int width = rect.right - rect.left;
    const int u = width / 7;
    const int h = static_cast<int>(std::lround(u / 2.0));
    canvas.FillSystem(rect, selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    canvas.Fill(RECT{rect.left, rect.top, rect.left + h, rect.bottom}, Silver);
    canvas.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    canvas.WriteText(rect.left + 2, rect.top + 1, MenuRowLabel(index));
    canvas.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    if (options_.Mode == MenuMode::ScriptText) {
        canvas.WriteFitted(rect.left + h + 2, rect.top + 1, width - h - 4,
                           std::string_view(entry.Script).substr(0, 255));
    } else {
        canvas.WriteFitted(rect.left + h + 2, rect.top + 1, u * 9 / 2, entry.Name);
        canvas.WriteFitted(rect.left + 5 * u + 2, rect.top + 1, width - 5 * u - 4, entry.Scope);
        Line(canvas, rect.left + 5 * u, rect.top, rect.left + 5 * u + 1, rect.bottom);
    }
    Line(canvas, rect.left + h, rect.top, rect.left + h + 1, rect.bottom);
    Line(canvas, rect.left, rect.bottom - 1, rect.right, rect.bottom);
}

}  // namespace orv::player
