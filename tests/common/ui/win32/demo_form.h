// A form with a piece of everything the forms layer offers beyond plain
// dialogs, in the shape the programs' main windows and dialogs take: a menu,
// a pop-up menu, accelerators, a timer, owner-drawn lists, a hot-key box, a
// lazy panel, picture buttons and drag and drop.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "common/ui/win32/canvas.h"
#include "common/ui/win32/form.h"
#include "common/ui/win32/hot_key_entry.h"
#include "common/ui/win32/menus.h"
#include "common/ui/win32/pictures.h"

namespace orv::testing {

// Keeps what the hot-key box asked of the hook library.
struct RecordedSecondWindow final : SecondWindow {
    void SetSecondWindow(HWND window, bool on) override { Calls.emplace_back(window, on); }
    std::vector<std::pair<HWND, bool>> Calls;
};

class TDemoForm : public TForm {
  public:
    explicit TDemoForm(SecondWindow& second)
        : TForm("TDemoForm", "Demo", 360, 240), HotKey{*this, nullptr, {8, 214, 120, 21}, second} {
        OpenItem.OnClick = [this] { ++Opened; };
        CopyItem.OnClick = [this] { ++Copied; };
        Keys.Add('F', CtrlDown, [this] { ++Found; });
        AddButton.OnClick = [this] { ++Added; };
        CloseButton.ModalResult = IDCANCEL;
        Lines.SetClickToggles(true);
        Lines.SetOwnerDraw(16);
        Lines.OnDrawItem = [this](TCanvas& canvas, int index, const RECT& r, bool selected) {
            DrawnLines.push_back(index);
            canvas.FillSystem(r, selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
            canvas.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            canvas.DrawIcon16(r.left + 1, r.top, Icon);
            canvas.WriteFitted(r.left + 20, r.top + 1, r.right - r.left - 22, Lines.Item(index));
        };
        Macros.AutoDrag = true;
        Categories.OnDragDrop = [this](const DropPoint& drop) { Drops.push_back(drop); };
        for (const char* line : {"alpha", "beta", "gamma", "a line too long for its list"})
            Lines.AddItem(line);
        for (const char* macro : {"Greeting", "Signature"}) Macros.AddItem(macro);
        for (const char* category : {"All", "Mail", "Text", "Games", "Tools"})
            Categories.AddItem(category);
        Lazy.SetVisible(false);
    }

    TMainMenu Menu{*this};
    TMenuItem FileMenu{Menu, "&File"};
    TMenuItem OpenItem{FileMenu, "&Open"};
    TMenuItem RecentItem{FileMenu, "&Recent"};
    TMenuItem FileSeparator{FileMenu, "-"};
    TMenuItem ExitItem{FileMenu, "E&xit"};
    TPopupMenu ListMenu{*this};
    TMenuItem CutItem{ListMenu, "Cu&t"};
    TMenuItem CopyItem{ListMenu, "&Copy"};
    TAccelerators Keys{*this};
    TTimer Timer{*this, 10};

    TEdit Name{*this, nullptr, {8, 8, 120, 21}};
    TPanel Lazy{*this, nullptr, {8, 34, 120, 50}, true};
    TEdit LazyEdit{*this, &Lazy, {0, 0, 120, 21}};
    TCheckBox LazyCheck{*this, &Lazy, {0, 26, 120, 18}, "&Lazy"};
    TListBox Lines{*this, nullptr, {136, 8, 100, 90}};
    TListBox Macros{*this, nullptr, {8, 90, 120, 60}};
    TListBox Categories{*this, nullptr, {136, 104, 100, 100}};
    HICON Icon = LoadIconA(nullptr, IDI_INFORMATION);
    TSpeedButton Speed{*this, nullptr, {244, 8, 24, 24}, {nullptr, Icon}, "Run the macro"};
    TImage Image{*this, nullptr, {272, 8, 32, 32}, {nullptr, Icon}};
    TGlyphButton Glyph{*this, nullptr, {244, 48, 100, 25}, "&Glyph", {nullptr, Icon}};
    TButton AddButton{*this, nullptr, {244, 150, 100, 25}, "&Add"};
    TButton CloseButton{*this, nullptr, {244, 180, 100, 25}, "Close", ButtonRole::Cancel};
    THotKeyEntry HotKey;

    int Opened = 0;
    int Copied = 0;
    int Found = 0;
    int Added = 0;
    std::vector<int> DrawnLines;
    std::vector<DropPoint> Drops;
};

}  // namespace orv::testing
