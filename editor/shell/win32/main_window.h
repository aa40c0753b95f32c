// The editor's main window: the macro library as a sorted list on the macros
// page, its menus and buttons, and the link that keeps it, the player and the
// hook library in step.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/categories.h"
#include "common/library_change.h"
#include "common/macro_library.h"
#include "common/mixer.h"
#include "common/network_lock.h"
#include "common/ui/win32/canvas.h"
#include "common/ui/win32/draw_grid.h"
#include "common/ui/win32/form.h"
#include "common/ui/win32/menus.h"
#include "common/ui/win32/page_control.h"
#include "common/ui/win32/pictures.h"
#include "common/win32/ras_api.h"
#include "common/win32/winmm_mixer_driver.h"
#include "editor/shell/editor_library.h"
#include "editor/shell/launch_guard.h"
#include "editor/shell/library_roads.h"
#include "editor/shell/library_view.h"
#include "editor/shell/macro_actions.h"
#include "editor/shell/macro_list.h"
#include "editor/shell/player_link.h"
#include "editor/shell/win32/editor_launchers.h"
#include "editor/shell/win32/macro_icons.h"
#include "editor/shell/win32/wizard_buttons.h"
#include "editor/wizard/wizard_finish.h"

namespace orv::editor {

// What the main window works on, made by the program (or by a test) before it.
struct EditorContext {
    SettingsBlock& Settings;
    HookTable& Table;
    Configs& Config;
    HookLibrary& Hooks;
    MacroLibrary& Library;
    SyncFileAccess& SyncFiles;
    // Posts to the player's window while it exists.
    ProgramNotices& Notices;
    std::string ProgramDir;
    // The window state asked for at the start, taken at the first activation.
    StartState StartShow = StartState::Normal;
};

// What a dialog run by ChangeUnderLock tells of its outcome.
struct ChangeOutcome {
    bool Saved = false;
    bool PopupTrayChanged = false;  // post 5: a pop-up menu's tray state may differ
    // The record holds what the user entered and the dialog shows it again
    // when run anew: a save the file refuses for a while brings the dialog
    // back with it instead of dropping it.
    bool UserEdits = false;
};

// The quick wizard menu: one item per kind, in the order of the kinds.
class WizardMenu {
  public:
    explicit WizardMenu(TMenuItem& parent);
    // Item of kind k, or null for a kind without one.
    TMenuItem* Item(int kind) const;
    std::function<void(int kind)> OnChoose;

  private:
    std::vector<std::pair<int, std::unique_ptr<TMenuItem>>> items_;
};

class TMainWin : public TForm, private NetworkLockHost {
  public:
    TMainWin(EditorContext& context, EditorLaunchers launchers = {});
    ~TMainWin() override;

    // The menu bar; the order of the items fixes their ids (editor_menu_ids.h).
    TMainMenu MainMenu{*this};
    TMenuItem MenuFile{MainMenu, "&File"};
    TMenuItem NewFile1{MenuFile, "&New File"};
    TMenuItem OpenFile1{MenuFile, "&Open File"};
    TMenuItem FileSep1{MenuFile, "-"};
    TMenuItem MenuImportText{MenuFile, "&Import Text File"};
    TMenuItem OutputHotKeyList1{MenuFile, "O&utput Macro Information"};
    TMenuItem MenuPrint{MenuFile, "&Print Macro List"};
    TMenuItem MenuPrinterFont{MenuFile, "Printer &Font"};
    TMenuItem PrinterSetup1{MenuFile, "Printer &Setup"};
    TMenuItem MenuExitSep{MenuFile, "-"};
    TMenuItem MenuLastFile1{MenuFile, "&1"};
    TMenuItem MenuLastFile2{MenuFile, "&2"};
    TMenuItem MenuLastFile3{MenuFile, "&3"};
    TMenuItem MenuLastFile4{MenuFile, "&4"};
    TMenuItem MenuLastFile5{MenuFile, "&5"};
    TMenuItem FileSep2{MenuFile, "-"};
    TMenuItem MenuTerminate{MenuFile, "&Terminate Orvane Editor"};

    TMenuItem MenuMacros{MainMenu, "&Macros"};
    TMenuItem MenuAddHotKey{MenuMacros, "&Add Macro"};
    TMenuItem MenuEnterKey{MenuMacros, "Modify &Directly"};
    TMenuItem MenuScripting{MenuMacros, "&Scripting Editor"};
    TMenuItem MenuCaptureKey{MenuMacros, "Re&capture Macro"};
    TMenuItem MenuCopyHot{MenuMacros, "Cop&y Macro"};
    TMenuItem MenuMoveHot{MenuMacros, "Cha&nge Activation"};
    TMenuItem MenuClearHot{MenuMacros, "R&emove Macro"};
    TMenuItem MenuActivate{MenuMacros, "Acti&vate Macro"};
    TMenuItem MacrosSep1{MenuMacros, "-"};
    TMenuItem MenuAddCat{MenuMacros, "Add To Ca&tegory"};
    TMenuItem MenuOnDesktop{MenuMacros, "Place On Des&ktop"};
    TMenuItem MenuQuickOver{MenuMacros, "&Quick Info"};
    TMenuItem MacrosSep2{MenuMacros, "-"};
    TMenuItem MenuImport{MenuMacros, "&Import Macros"};
    TMenuItem MenuExport{MenuMacros, "E&xport Macros"};
    TMenuItem MenuSort{MenuMacros, "S&ort Macros"};

    TMenuItem MenuWizards{MainMenu, "&Quick Wizards"};
    WizardMenu WizardItems{MenuWizards};
    TMenuItem WizardsSep{MenuWizards, "-"};
    TMenuItem FirstTimeSetup1{MenuWizards, "&First Time Setup"};

    TMenuItem MenuOptions{MainMenu, "&Options"};
    TMenuItem MenuAppear{MenuOptions, "&Appearance"};
    TMenuItem MenuSettings{MenuOptions, "Se&ttings"};
    TMenuItem MenuCuewords{MenuOptions, "Cue&words"};
    TMenuItem MenuCapture{MenuOptions, "&Capture"};
    TMenuItem MenuEmail{MenuOptions, "&E-Mail Defaults"};
    TMenuItem MenuAddress{MenuOptions, "E-Mail &Recipients"};
    TMenuItem MenuNetwork{MenuOptions, "&Network"};
    TMenuItem MenuShowDate{MenuOptions, "&Show Date && Time"};
    TMenuItem OptionsSep{MenuOptions, "-"};
    TMenuItem MenuScheduler{MenuOptions, "Sc&heduler"};
    TMenuItem MenuAlarm{MenuScheduler, "&Alarm"};
    TMenuItem MenuTimer{MenuScheduler, "&Timer Interval"};
    TMenuItem MenuScreenSaver{MenuOptions, "Screen Sa&ver"};
    TMenuItem MenuDisableScreenSaver{MenuScreenSaver, "&Disable if using Timed Macros"};

    TMenuItem MenuTools{MainMenu, "&Tools"};
    TMenuItem MenuRemap{MenuTools, "&Remap"};
    TMenuItem MenuMouseLoc{MenuTools, "Mouse &Locator"};
    TMenuItem ToolsSep{MenuTools, "-"};
    TMenuItem MenuKeyHooks{MenuTools, "Restore &Keyboard Hooks"};
    TMenuItem MenuMouseHooks{MenuTools, "Restore &Mouse Hooks"};

    TMenuItem MenuHelp{MainMenu, "&Help"};
    TMenuItem MenuContents{MenuHelp, "&Contents"};
    TMenuItem MenuTutorial{MenuHelp, "&Tutorial / User Guide"};
    TMenuItem HelpSep{MenuHelp, "-"};
    TMenuItem MenuAbout{MenuHelp, "&About"};

    // The pages.
    TAPageControl MyPage{*this, nullptr, {2, 2, 616, 396}};
    TTabSheet PageMacro{MyPage, "Mac&ros"};
    TTabSheet PageWiz{MyPage, "Quick &Wizards"};

    TPanel SpeedPanel{*this, &PageMacro, {0, 0, 616, 33}};
    TSpeedButton AddSpeed{*this, &SpeedPanel, SpeedBounds(0), {}, "Add Macro"};
    TSpeedButton ScriptSpeed{
        *this, &SpeedPanel, SpeedBounds(1), {}, "Modify Macro Using Scripting Editor"};
    TSpeedButton EditSpeed{*this, &SpeedPanel, SpeedBounds(2), {}, "Modify Macro Directly"};
    TSpeedButton RecaptureSpeed{*this, &SpeedPanel, SpeedBounds(3), {}, "Recapture Macro"};
    TSpeedButton CopySpeed{*this, &SpeedPanel, SpeedBounds(4), {}, "Copy Macro"};
    TSpeedButton RenameSpeed{*this, &SpeedPanel, SpeedBounds(5), {}, "Change Macro Activation"};
    TSpeedButton DeleteSpeed{*this, &SpeedPanel, SpeedBounds(6), {}, "Delete Macro"};
    TSpeedButton ActivateSpeed{*this, &SpeedPanel, SpeedBounds(7), {}, "Activate Macro"};
    TSpeedButton OpenSpeed{*this, &SpeedPanel, SpeedBounds(8), {}, "Open Macro File"};
    TSpeedButton NewSpeed{*this, &SpeedPanel, SpeedBounds(9), {}, "New Macro File"};
    TSpeedButton ImportSpeed{*this, &SpeedPanel, SpeedBounds(10), {}, "Import Macros"};
    TSpeedButton ExportSpeed{*this, &SpeedPanel, SpeedBounds(11), {}, "Export Macros"};
    TSpeedButton ReportSpeed{*this, &SpeedPanel, SpeedBounds(12), {}, "Print Macro List"};
    TSpeedButton SpeedSort{*this, &SpeedPanel, SpeedBounds(13), {}, "Sort Order"};
    TSpeedButton ColorSpeed{*this, &SpeedPanel, SpeedBounds(14), {}, "Appearance"};
    TSpeedButton HelpSpeed{*this, &SpeedPanel, SpeedBounds(15), {}, "Help"};

    TPanel CatPanel{*this, &PageMacro, {0, 35, 155, 340}};
    TLabel CatLabel{*this, &CatPanel, {4, 2, 140, 16}, "Categories"};
    TListBox CatList{*this, &CatPanel, {2, 20, 151, 252}};
    TButton CatRename{*this, &CatPanel, {17, 306, 56, 24}, "Rename"};
    TButton CatNew{*this, &CatPanel, {17, 278, 56, 24}, "New"};
    TButton CatRemove{*this, &CatPanel, {77, 306, 56, 24}, "Remove"};

    TMyDrawGrid MyGrid{*this, &PageMacro, {0, 35, 612, 340}};

    TPanel LetterPanel{*this, &PageMacro, {455, -2, 161, 340}};
    TButton AddHotKey{*this, &LetterPanel, LetterBounds(0), "&Add Macro"};
    TButton DoScript{*this, &LetterPanel, LetterBounds(1), "&Scripting Editor"};
    TButton EnterKeyButton{*this, &LetterPanel, LetterBounds(2), "Modify &Directly"};
    TButton CaptureKeyButton{*this, &LetterPanel, LetterBounds(3), "Re&capture Macro"};
    TButton CopyHotKey{*this, &LetterPanel, LetterBounds(4), "Cop&y Macro"};
    TButton MoveHotKey{*this, &LetterPanel, LetterBounds(5), "Cha&nge Activation"};
    TButton ClearHotKey{*this, &LetterPanel, LetterBounds(6), "R&emove Macro"};
    TButton ButtonActivate{*this, &LetterPanel, LetterBounds(7), "Acti&vate Macro"};

    // The wizard page: one button per kind that has one.
    WizardButtons WizButtons{*this, PageWiz};

    void FillList();
    void RepaintList();
    // The list's fonts from the settings, and the row heights and column
    // widths that follow from them and from the layout settings.
    void AdjustGridSpacing();
    void SetButtons(bool on);
    void CheckTimeItem(int row);
    void SetHotKeys();
    void DoCaption();
    // The macro of the selected row, or 0.
    int SelectedMacro() const;
    void SelectMacro(int macroNumber);
    const MacroListModel& List() const { return list_; }
    const MacroActions& Actions() const { return actions_; }
    const CategoryList& Categories() const { return categories_; }
    NetworkLock& Lock() { return roads_.Lock(); }
    // The one road into the library, its holds and the recording's guard.
    LibraryRoads& Roads() { return roads_; }
    EditorLibrary& Editing() { return editing_; }

    // Roads().NewChange(), for the recording's road.
    LibraryChange NewChange() { return roads_.NewChange(); }
    // Roads().Listed(), for the recording's road.
    LibraryChange::Chooser Listed() { return roads_.Listed(); }

    // A dialog's change to macro n: the dialog, its save where the held
    // macro still is (the dialog back with the user's edits while the file
    // is busy), refill, reselect, hot keys, then the change's release and
    // notices. True when the record was written. The dialog is told when the
    // record it gets holds edits no file holds yet (it is back after a save
    // the file refused).
    bool ChangeUnderLock(
        int n, const std::function<ChangeOutcome(MacroRecord&, bool unsavedEdits)>& dialog);
    bool ChangeUnderLock(int n, const std::function<ChangeOutcome(MacroRecord&)>& dialog);

    // This editor's recording starts or ends (Roads().SetRecording).
    void SetRecording(bool running) { roads_.SetRecording(running); }

    // The dialogs behind the menus and buttons; the program fills them in
    // after construction (InstallEditorDialogs), tests with their own.
    EditorLaunchers& Launchers() { return launchers_; }

    // The appearance settings applied at once (main_window_options.cpp);
    // categoriesSwitched: the category panel was turned on or off.
    void ApplyAppearance(bool categoriesSwitched);

    // The file menu's operations, also reached from the speed buttons.
    void DoOpen();
    void DoNew();
    // Open (an existing file) or New: the library the file dialog names.
    void SwitchToChosen(bool existing);
    void OpenSaveFile(int entry);
    void ShowQuickInfo();
    void ShowSortOrder();

    // Macros in and out of files (main_window_files.cpp): the text import,
    // the import and export dialogs, the listing and the printed list.
    void MenuImportTextClick();
    void MenuImportClick();
    void MenuExportClick();
    void OutputHotKeyList1Click();
    void MenuPrintClick();
    // The quick wizard of a kind, and its new macro saved (main_window_wizard.cpp).
    void DoQuickWiz(int kind);
    // Adds macro number to the pop-up menu macro menu, when it has room.
    void JoinPopupMenu(LibraryChange& change, HeldMacro& menu, int number);
    // Appends record, through change, as the last macro of the library the
    // change began on, and hands the new count over once it is written; its
    // number is then the count. A failure is said.
    LibraryStatus AppendMacro(LibraryChange& change, MacroRecord& record, int at = 0);
    // The macros of the rows that show one, top to bottom.
    std::vector<ListMacro> ListedMacros() const;
    // The system's mixer, for the speaker dialog's test and the wizard: made
    // on the first call, then the same one (main_window_mixer.cpp).
    TMidiMixer& OpenMixer();
    // The operations on macros, categories and desktop links
    // (main_window_operations.cpp).
    void DoAdd();
    void DoModify();
    void DoTheScript();
    void DoClear();
    void DoActivate();
    void MenuAddCatClick();
    bool CatListDragOver(TControl& source, int x, int y) const;
    void CatListDragDrop(const DropPoint& drop);
    void CatNewClick();
    void CatRenameClick();
    void CatRemoveClick();
    void MenuOnDesktopClick();
    static std::string EncryptIt(std::string_view text);
    static std::string DecryptIt(std::string_view text);
    // The first-time setup: its settings wizard, then one wizard per starter
    // macro chosen (main_window_first_time.cpp); the form of a quick wizard
    // shown and what it finished with; whether dial-up networking is there.
    void DoFirstTime();
    // keep: what Finish made is kept (false: the wizard stays open).
    std::optional<FinishOutcome> RunQuickWiz(int kind,
                                             const std::function<bool(FinishOutcome&)>& keep = {});
    std::function<bool()> DialUpAvailable = RasLoaded;

    // The hook library's reports of a recording (CaptureChar with the macro and
    // a character, CaptureEnded with the macro), for the recording that runs.
    std::function<void(WPARAM macro, LPARAM character)> OnCaptureChar;
    std::function<void(WPARAM macro)> OnCaptureFinished;
    // Ends the recording that runs, whatever macro the hook table names now.
    std::function<void()> OnEndRecording;

  protected:
    void FormShow() override;
    void FormResize() override;
    void FormActivate() override;
    void FormClose() override;
    void FormDestroy() override;
    bool UserMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;
    bool FormMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;

  private:
    static Bounds SpeedBounds(int index) { return {2 + index * 26 + (index / 4) * 6, 4, 25, 25}; }
    static Bounds LetterBounds(int index) { return {4, 4 + index * 32, 153, 27}; }

    void WireMenus();
    void WireButtons();
    void WireGrid();
    void Layout();
    void ApplyActions();
    void SetMenuLastFiles();
    void MyPageChange();
    void MyGridDrawCell(int col, int row, HDC dc, const RECT& rect, unsigned state);
    void MyGridClick(int row);
    // The macro of row as read from the file, for the next refill to find it
    // among macros that show alike; none when the row shows no macro the
    // file has there.
    void RememberSelected(int row);
    void MyGridColumnSized(int col, int width);
    void MyGridKeyPress(char& key);
    void MyGridMouseUp(MouseButton button, int x, int y);
    void HeaderSort(int col);
    void PlayerNotify(int code, std::int32_t argument);
    void GetCatFile();
    void GetSwapFile();
    void SwitchTo(const std::string& fileName, bool postSchedules);
    void ToggleSetting(TMenuItem& item, bool& setting);
    void RestoreHooks(bool keyboard);
    void ChoosePrinterFont();
    void ChooseNetwork();
    void CatListClick();
    // A guard of every operation on the selected macro; false after telling why.
    bool MacroSelected();
    // The road of the export, the listing and the printed list: read is given
    // the macros listed, held as a HeldList, while the player's reloads wait;
    // a refused read shows the library anew afterwards.
    void ReadListed(const std::vector<ListMacro>& listed,
                    const std::function<void(LibraryView&)>& read);
    // Helpers of the operations (main_window_operations.cpp).
    MacroHandOver ExistingHandOver(int n, MacroRecord& record, bool unsavedEdits);
    bool ListedInAMenu(int n) const;
    // The held macro filed under category id, with the change it is held by.
    void FileUnderCategory(LibraryChange& change, std::uint32_t id, bool sound);
    // A change to the categories, made under the lock to the category file as
    // it is now, and written; false (the file as it was) when refused, when
    // change says no or when the file cannot be written.
    bool ChangeCategories(const std::function<bool(CategoryList&)>& change);
    // The category list anew, keeping the filter on category filter (0: all)
    // while that category is still there.
    void ShowCategories(std::uint32_t filter);
    // The category of that id in list, or null after saying it has gone.
    static Category* CategoryOf(CategoryList& list, std::int32_t id);

    // NetworkLockHost
    void ReloadShared() override;
    void SetNetTimer(bool on) override;
    void SetSyncTimer(bool on) override;

    EditorContext& context_;
    SettingsBlock& settings_;
    EditorLaunchers launchers_;
    StartState startShow_;
    EditorLibrary editing_;
    LibraryRoads roads_;
    MacroIcons icons_;
    TTimer netTimer_{*this, 30000};
    TTimer syncTimer_{*this, 60000};
    MacroListModel list_;
    MacroActions actions_;
    CategoryList categories_;
    TypeAhead typeAhead_;
    TFont gridFont_;
    TFont disabledFont_;  // the grid font in italics, for disabled macros
    TFont titleFont_;
    MacroRecord current_;
    std::optional<HeldMacro> selectedAsRead_;  // RememberSelected
    std::uint32_t categoryFilter_ = 0;
    int rightPressRow_ = -1;
    bool firstShowDone_ = false;
    bool closing_ = false;
    std::unique_ptr<WinmmMixerDriver> mixerDriver_;
    std::unique_ptr<TMidiMixer> mixer_;  // goes before its driver
};

}  // namespace orv::editor
