// The dialogs that move macros between the open library and other files:
// "Export Macros" (TMyExport), "Import Macros" (TMyImport) and "Output Macros
// To File" (TDoOutput). They work on the library through a LibraryView; the
// main window takes the lock, refills its list and tells the player.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/ui/win32/form.h"
#include "editor/shell/library_view.h"
#include "editor/shell/macro_import.h"
#include "editor/shell/macro_list.h"
#include "editor/shell/macro_list_output.h"
#include "editor/shell/pick_list.h"

namespace orv::editor {

// What both pick dialogs share: a list in which a click toggles a line, drawn
// in three columns, with buttons that choose every line or none.
class TMacroPickForm : public TForm {
  public:
    TListBox ListBox1{*this, nullptr, {8, 8, 504, 274}, false, true};
    TButton SelectAll{*this, nullptr, {8, 292, 80, 25}, "Select &All"};
    TButton ClearAll{*this, nullptr, {94, 292, 80, 25}, "C&lear"};
    TButton HelpButton{*this, nullptr, {432, 292, 80, 25}, "&Help"};

    // The chosen lines, top to bottom.
    std::vector<int> ChosenLines() const;

  protected:
    TMacroPickForm(std::string name, std::string caption, std::string helpKeyword);
    void SetLines(std::vector<PickLine> lines);
    void EnablePicking(bool on);

  private:
    void ListBox1DrawItem(TCanvas& canvas, int index, const RECT& rect, bool selected) const;
    void ChooseAll(bool chosen);

    std::vector<PickLine> lines_;
};

class TMyExport final : public TMacroPickForm {
  public:
    // macros: the library's macros as the main window lists them.
    TMyExport(std::vector<ListMacro> macros, const LibraryView& library);

    TButton SaveButton{*this, nullptr, {210, 292, 80, 25}, "&Save File", ButtonRole::Default};
    TButton ExitButton{*this, nullptr, {296, 292, 80, 25}, "&Exit", ButtonRole::Cancel};

    void SaveButtonClick();

  private:
    std::vector<ListMacro> macros_;
    const LibraryView& library_;
};

class TMyImport final : public TMacroPickForm {
  public:
    // activations: those of the library's macros, in file order.
    TMyImport(LibraryView& library, std::vector<std::uint16_t> activations);

    TButton OpenButton{*this, nullptr, {180, 292, 80, 25}, "O&pen File"};
    TButton OkButton{*this, nullptr, {266, 292, 76, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {348, 292, 76, 25}, "&Cancel", ButtonRole::Cancel};

    void OpenButtonClick();
    void OkButtonClick();

    // After the show: the macros added, and whether one of them is a pop-up
    // menu with its own tray icon.
    int Added = 0;
    bool TrayMenu = false;

  protected:
    void FormShow() override;

  private:
    LibraryView& library_;
    std::vector<std::uint16_t> activations_;
    std::optional<ImportSource> source_;
};

class TDoOutput final : public TForm {
  public:
    // macros: those of the list's rows, top to bottom.
    TDoOutput(std::vector<int> macros, const LibraryView& library, ScheduleDescription schedule);

    TLabel Title{*this, nullptr, {12, 10, 220, 16}, "Macro Information To Output"};
    TCheckBox MacroKeys{*this, nullptr, {24, 34, 100, 18}, "&Hot Key"};
    TCheckBox MacroName{*this, nullptr, {24, 58, 100, 18}, "&Name"};
    TCheckBox MacroWindow{*this, nullptr, {24, 82, 100, 18}, "&Window"};
    TCheckBox MacroText{*this, nullptr, {136, 34, 100, 18}, "&Text"};
    TCheckBox MacroSched{*this, nullptr, {136, 58, 100, 18}, "&Schedule"};
    TCheckBox MacroIcon{*this, nullptr, {136, 82, 100, 18}, "&Icon"};
    TButton OkButton{*this, nullptr, {40, 116, 75, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {126, 116, 75, 25}, "&Cancel", ButtonRole::Cancel};

    void OkButtonClick();

  protected:
    void FormShow() override;

  private:
    OutputChoices Choices() const;

    std::vector<int> macros_;
    const LibraryView& library_;
    ScheduleDescription schedule_;
};

}  // namespace orv::editor
