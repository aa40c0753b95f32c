// The editor's main window: the macro library as a sorted list, kept in step
// with the player's notices.
#pragma once

#include <windows.h>

#include "common/macro_library.h"
#include "common/ui/win32/draw_grid.h"
#include "common/ui/win32/form.h"
#include "editor/shell/macro_list.h"

namespace orv {

class TMainWin : public TForm {
  public:
    TMainWin(SettingsBlock& settings, HookTable& table, MacroLibrary& library, Configs& configs,
             ProgramNotices& notices);

    TMyDrawGrid MyGrid{*this, nullptr, {2, 2, 636, 396}};

    void FillList();
    const MacroListModel& List() const { return list_; }

  protected:
    void FormShow() override;
    void FormResize() override;
    void FormClose() override;
    void FormDestroy() override;
    bool UserMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;

  private:
    void DoCaption();
    void MyGridDrawCell(int col, int row, HDC dc, const RECT& rect, unsigned state);
    void PlayerNotify(int code, std::int32_t argument);
    void SelectMacro(int macroNumber);

    SettingsBlock& settings_;
    HookTable& table_;
    MacroLibrary& library_;
    Configs& configs_;
    ProgramNotices& notices_;
    MacroListModel list_;
};

}  // namespace orv
