// The keyboard remapper: the live remap table of the running player shown in
// four grids, a double click on a replacement picks another character, and
// closing after a change saves the table beside the library and tells the
// player to read it; a table not saved is not read back over the live one.
// The table is the library's the dialog was opened for: once the player is
// on another, nothing is picked, saved or put back.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/settings.h"
#include "common/swap_keys.h"
#include "common/ui/win32/canvas.h"
#include "common/ui/win32/draw_grid.h"
#include "common/ui/win32/form.h"
#include "editor/shell/remap_layout.h"

namespace orv {
class ProgramNotices;
}  // namespace orv

namespace orv::editor {

// The player's live table saved as the library's side file. Only a table
// actually read from the player is written: without the player nothing is.
[[nodiscard]] bool SaveSwapKeysFromPlayer(const std::string& sideFile);

// One of the remapper's grids: a row per key, its own character and the
// replacement the player's table holds now.
class RemapGridControl : public TMyDrawGrid {
  public:
    RemapGridControl(TForm& form, Bounds bounds, RemapGrid grid);
    // Set by the dialog: a double click on a replacement.
    std::function<void(RemapGridControl& grid, int tableIndex)> OnPick;
    RemapRange Range() const { return range_; }

  private:
    void DrawCell(int col, int row, HDC dc, const RECT& rect, unsigned state);
    RemapRange range_;
};

// "Keyboard Remapper" for the current library of settings, which follows
// the library the player loads.
class TDoSwapKeys : public TForm {
  public:
    TDoSwapKeys(const SettingsBlock& settings, ProgramNotices& notices);
    std::uint8_t Changed = 0;

    TLabel UpperLabel{*this, nullptr, {8, 8, 90, 16}, "Upper Case"};
    RemapGridControl UpperGrid{*this, {8, 26, 90, 260}, RemapGrid::Upper};
    TLabel LowerLabel{*this, nullptr, {106, 8, 90, 16}, "Lower Case"};
    RemapGridControl LowerGrid{*this, {106, 26, 90, 260}, RemapGrid::Lower};
    TLabel PunctLabel{*this, nullptr, {204, 8, 90, 16}, "Punctuation"};
    RemapGridControl PunctGrid{*this, {204, 26, 90, 260}, RemapGrid::Punctuation};
    TLabel NumericLabel{*this, nullptr, {302, 8, 90, 16}, "Numeric"};
    RemapGridControl NumericGrid{*this, {302, 26, 90, 260}, RemapGrid::Numeric};
    TButton OkButton{*this, nullptr, {120, 296, 75, 25}, "&Ok", ButtonRole::DefaultAndCancel};
    TButton HelpButton{*this, nullptr, {205, 296, 75, 25}, "&Help"};

    // Picks a replacement for the entry at tableIndex.
    void Pick(RemapGridControl& grid, int tableIndex);

  protected:
    void FormShow() override;
    // A table that cannot be saved is said, and the dialog stays unless the
    // user closes it without saving: the player then plays again the table
    // it had when the dialog opened, the one the side file still holds.
    bool FormCloseQuery() override;
    void FormClose() override;

  private:
    // The player still plays the library the dialog was opened for; said
    // when not.
    bool OnItsLibrary() const;
    bool SaveChanges();
    const SettingsBlock& settings_;
    std::string library_;
    std::string sideFile_;
    bool saved_ = false;
    std::optional<SwapKeyTable> opened_;
    ProgramNotices& notices_;
};

// "Select Character": the characters 32..255 in a grid.
class TDoSwapSpecial : public TForm {
  public:
    TDoSwapSpecial();
    std::int32_t StartIndex = 0;
    RECT CellRect{};  // on the screen
    std::uint8_t Chosen = 0;
    std::uint8_t ChosenChar = 0;

    TMyDrawGrid SymbolGrid{*this, nullptr, {8, 8, PickerColumns * 19 + 4, PickerRows * 19 + 4}};
    TButton OkButton{*this, nullptr, {180, 170, 75, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {265, 170, 75, 25}, "&Cancel", ButtonRole::Cancel};

    void OkButtonClick();

  protected:
    void FormShow() override;

  private:
    void SymbolGridDrawCell(int col, int row, HDC dc, const RECT& rect, unsigned state);
};

}  // namespace orv::editor
