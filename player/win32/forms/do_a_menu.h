// "Choose A Macro": the menu of a pop-up-menu macro or the top-window menu.
// A row is chosen by its key, by a double click, or (in icon mode) by its
// button; Cancel and Escape choose nothing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/ui/win32/pictures.h"
#include "player/menus.h"
#include "player/win32/forms/run_time_dialog.h"

namespace orv::player {

// One entry as the menu shows it.
struct MenuEntry {
    int Macro = 0;
    std::string Name;    // the name column (mode 3) and the button's hint
    std::string Scope;   // the scope column (mode 3)
    std::string Script;  // the text column (mode 1)
    Picture Icon;        // the button's picture (mode 2)
};

class TDoAMenu final : public TRunTimeDialog {
  public:
    // trayX: the click X of a menu tray icon, -1 when opened otherwise.
    TDoAMenu(std::vector<MenuEntry> entries, MenuOptions options, int trayX);

    TLabel Name1Lab{*this, nullptr, {8, 4, 100, 14}, "Name"};
    TLabel Scope1Lab{*this, nullptr, {212, 4, 80, 14}, "Scope"};
    TLabel Name2Lab{*this, nullptr, {312, 4, 100, 14}, "Name"};
    TLabel Scope2Lab{*this, nullptr, {516, 4, 80, 14}, "Scope"};
    TListBox Script{*this, nullptr, {4, 20, 292, 0}};
    TListBox Script2{*this, nullptr, {308, 20, 292, 0}};
    TLabel MessageLabel{*this, nullptr, {4, 0, 210, 16}, "Double Click or Press Number or Letter"};
    TButton AbortButton{*this, nullptr, {220, 0, 75, 19}, "&Cancel", ButtonRole::Cancel};
    std::vector<std::unique_ptr<TSpeedButton>> SpeedButtons;

    // The chosen macro's number; -1 when cancelled.
    int Answer = -1;
    void DoIt(int index);

  protected:
    void FormShow() override;
    void FormKeyPress(char& key) override;

  private:
    void LayOut();
    void PlaceAtTray();
    void DrawRow(TCanvas& canvas, int index, const RECT& rect, bool selected) const;

    std::vector<MenuEntry> entries_;
    MenuOptions options_;
    int trayX_;
};

}  // namespace orv::player
