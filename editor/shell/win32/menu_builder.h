// "Build Macro Menu": builds a pop-up menu macro, or changes one, in the
// editor's current record: its nickname, the macros it lists and in what
// order, how the menu shows them, its icon and whether it gets a tray icon
// of its own. The caller saves the record.
#pragma once

#include <optional>
#include <string>

#include "common/macro_record.h"
#include "common/ui/win32/form.h"
#include "common/ui/win32/menus.h"
#include "common/ui/win32/pictures.h"
#include "editor/shell/held_list.h"
#include "editor/shell/menu_builder_model.h"
#include "editor/shell/win32/main_window.h"

namespace orv::editor {

inline constexpr const char* MenuMembersMovedMessage =
    "Macros of the menu were changed, moved or removed by another program while you built it, "
    "so they were taken out of it, and the menu was not saved yet.  Check it and choose Ok "
    "again.";

// The column titles over one of the builder's lists, where its lines put
// the columns: the activation at 0, the nickname at 3/7, the scope at 5/7.
struct MenuColumnTitles {
    MenuColumnTitles(TForm& form, Bounds list);
    TLabel Activation, Nick, Scope;
};

struct PopupMenuEdit {
    bool Saved = false;
    // The player must rebuild its tray icons (post 5).
    bool MenuInTray = false;
};

// Shows the builder on record: a new menu (isExisting false, the record's
// activation already chosen) or the menu the record holds. "&Ok" writes the
// menu into record; Cancel and Exit leave it as it was. The macros offered
// are those of the context's library; a menu whose members no longer name
// the macros offered is refused (Saved false).
PopupMenuEdit EditPopupMenu(HWND owner, MacroRecord& record, bool isExisting,
                            bool holdsUnsavedEdits, const EditorContext& context);

class TDoBuildMenu : public TForm {
  public:
    TDoBuildMenu(MacroRecord& record, const EditorContext& context);
    ~TDoBuildMenu() override;

    // Set by the caller before the show; read after it.
    bool IsExisting = false;
    // The record holds edits no file holds yet (the builder is back after a
    // save the file refused): closing without Ok asks even unchanged.
    bool HoldsUnsavedEdits = false;
    bool Saved = false;
    bool MenuInTray = false;

    TMainMenu MainMenu{*this};
    TMenuItem MenuFile{MainMenu, "&File"};
    TMenuItem MenuExit{MenuFile, "E&xit"};

    TLabel KeyCaption{*this, nullptr, {8, 8, 50, 16}, "Hot Key:"};
    TLabel HotKeyLabel{*this, nullptr, {60, 8, 250, 16}};
    TLabel NickLabel{*this, nullptr, {330, 8, 60, 16}, "Nickname"};
    TEdit NickName{*this, nullptr, {394, 5, 250, 21}};

    TLabel AvailableLabel{*this, nullptr, {8, 34, 270, 16}, "Available Macros"};
    MenuColumnTitles AvailableColumns{*this, {8, 70, 270, 230}};
    TListBox OptionBox{*this, nullptr, {8, 70, 270, 230}};
    TButton AddButton{*this, nullptr, {288, 90, 68, 25}, "&Add"};
    TButton InsertBefore{*this, nullptr, {288, 122, 68, 25}, "I&nsert"};
    TButton InsertAfter{*this, nullptr, {288, 154, 68, 25}, "&Insert"};
    TButton RemoveIt{*this, nullptr, {288, 186, 68, 25}, "&Remove"};
    TButton DoUp{*this, nullptr, {288, 218, 68, 25}, "&Up"};
    TButton DoDown{*this, nullptr, {288, 250, 68, 25}, "&Down"};
    TLabel MenuLabel{*this, nullptr, {366, 34, 278, 16}, "Macros in Menu"};
    MenuColumnTitles MenuColumns{*this, {366, 70, 278, 230}};
    TListBox Script{*this, nullptr, {366, 70, 278, 230}};

    TCheckBox SysTray{*this, nullptr, {8, 312, 200, 18}, "&Place in System Tray"};
    TLabel IconLabel{*this, nullptr, {8, 342, 40, 16}, "Icon"};
    TSpeedButton MySpeed{*this, nullptr, {52, 334, 32, 32}, {}, "Menu Icon"};
    TGroupBox ShowGroup{*this, nullptr, {220, 306, 230, 86}, "What To Show On Popup Menu"};
    TRadioButton ShowNick{*this, &ShowGroup, {10, 18, 210, 18}, "Nic&kname and Scope"};
    TRadioButton ShowText{*this, &ShowGroup, {10, 40, 210, 18}, "First Part of &Macro"};
    TRadioButton ShowIcon{*this, &ShowGroup, {10, 62, 210, 18}, "Icon&s"};
    TLabel SizeLabel{*this, nullptr, {464, 312, 80, 16}, "Icon Size"};
    TComboBox IconSize{*this, nullptr, {464, 330, 100, 21}};

    TButton OkButton{*this, nullptr, {404, 402, 75, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {486, 402, 75, 25}, "&Cancel", ButtonRole::Cancel};
    TButton HelpButton{*this, nullptr, {568, 402, 75, 25}, "&Help"};

    void AddButtonClick();
    void InsertBeforeClick();
    void InsertAfterClick();
    void RemoveItClick();
    void DoUpClick();
    void DoDownClick();
    void EnableDisable();
    void OkButtonClick();
    void MySpeedClick();
    void MySpeedMouseUp();
    // The builder's lists as the user sees them.
    const MenuBuilderModel& Lists() const { return model_; }
    const std::string& IconName() const { return iconName_; }

  protected:
    void FormShow() override;
    // Closing without Ok asks before the user's choices are lost.
    bool FormCloseQuery() override;

  private:
    void FillIt();
    // The lists without the macros that moved since they were listed: the
    // rest of what the user built stays.
    void DropMoved();
    void AddALine(MenuBuilderModel::Placement placement);
    void ShowLists();
    void DrawLine(const std::vector<ListMacro>& lines, TCanvas& canvas, int index, const RECT& rect,
                  bool selected);
    void WireQuickInfo(TListBox& list, const std::vector<ListMacro>& lines);
    void ShowQuickInfo(int macroNumber);
    // LoadInIcon / LoadInMenuIcon: the icon file of that name in the Icons
    // folder, or the program's menu icon; false when the file cannot be loaded.
    bool LoadInIcon(const std::string& name);
    void LoadInMenuIcon();
    std::string IconsFolder() const;
    PopupMenuChoices Chosen() const;

    MacroRecord& record_;
    const EditorContext& context_;
    MenuBuilderModel model_;
    std::vector<ListMacro> offered_;  // the lines listed, members included
    std::optional<HeldList> listed_;  // the macros offered, as read at the show
    PopupMenuChoices shown_;
    PopupMenuChoices opened_;  // as the controls showed it when the form opened
    std::string iconName_ = MenuIconName;
    HICON icon_ = nullptr;  // loaded from a file, ours to destroy
    int pressedLine_ = -1;
};

}  // namespace orv::editor
