// The owner-drawn grid: a window of its own class around DrawGridModel. Its
// owner paints every cell in OnDrawCell; the grid paints the fixed cells'
// background, the grid lines and the focus, sizes columns by drag and moves
// the current cell by keys, clicks and the wheel. It has no cell editor.
#pragma once

#include <windows.h>

#include <functional>

#include "common/ui/draw_grid_model.h"
#include "common/ui/win32/controls.h"

namespace orv {

class TMyDrawGrid : public TControl, public DrawGridModel {
  public:
    TMyDrawGrid(TForm& form, TControl* parent, Bounds bounds);

    // For each cell in sight when the grid paints; state: GridDrawState flags.
    std::function<void(int col, int row, HDC dc, const RECT& rect, unsigned state)> OnDrawCell;

  protected:
    const char* WindowClass() const override;
    DWORD WindowStyle() const override { return WS_VSCROLL | WS_HSCROLL; }
    DWORD WindowExStyle() const override { return WS_EX_CLIENTEDGE; }
    bool TakesFocus() const override { return true; }
    void Apply() override;
    void Changed() override;

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l);
    bool Respond(UINT message, WPARAM w, LPARAM l, LRESULT& result);
    void KeyDown(WPARAM key);
    void LeftDown(int x, int y);
    void InvertSizingLine() const;
    void Paint();
    void PaintCell(HDC dc, int col, int row, const RECT& area);
    void UpdateScrollBars();
    void Scroll(int bar, int code);

    HFONT font_ = nullptr;
    bool updatingBars_ = false;
};

}  // namespace orv
