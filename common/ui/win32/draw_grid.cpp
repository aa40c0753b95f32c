#include "common/ui/win32/draw_grid.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>

#include "common/ui/win32/handler_guard.h"

namespace orv {
namespace {

constexpr char GridClass[] = "TMyDrawGrid";

TMyDrawGrid* GridOf(HWND window) {
    return reinterpret_cast<TMyDrawGrid*>(GetWindowLongPtrA(window, 0));
}

std::optional<GridKey> GridKeyOf(WPARAM key) {
    switch (key) {
        case VK_LEFT:
            return GridKey::Left;
        case VK_RIGHT:
            return GridKey::Right;
        case VK_UP:
            return GridKey::Up;
        case VK_DOWN:
            return GridKey::Down;
        case VK_PRIOR:
            return GridKey::PageUp;
        case VK_NEXT:
            return GridKey::PageDown;
        case VK_HOME:
            return GridKey::Home;
        case VK_END:
            return GridKey::End;
        case VK_TAB:
            return GridKey::Tab;
        default:
            return std::nullopt;
    }
}

// The fixed lines, then the scrolling ones from the first in sight.
template <class Visit>
void ForEachVisible(int fixed, int first, int last, Visit visit) {
    for (int i = 0; i < fixed; ++i) visit(i);
    for (int i = first; i <= last; ++i) visit(i);
}

void Fill(HDC dc, const RECT& r, int colour) {
    FillRect(dc, &r, GetSysColorBrush(colour));
}

}  // namespace

TMyDrawGrid::TMyDrawGrid(TForm& form, TControl* parent, Bounds bounds)
    : TControl(form, parent, bounds) {}

const char* TMyDrawGrid::WindowClass() const {
    static const bool registered = [] {
        WNDCLASSEXA c{};
        c.cbSize = sizeof c;
        c.style = CS_DBLCLKS;
        c.lpfnWndProc = WindowProc;
        c.cbWndExtra = sizeof(LONG_PTR);  // the grid object
        c.hInstance = GetModuleHandleA(nullptr);
        c.hCursor = LoadCursor(nullptr, IDC_ARROW);
        c.lpszClassName = GridClass;
        return RegisterClassExA(&c) != 0;
    }();
    (void)registered;
    return GridClass;
}

void TMyDrawGrid::Apply() {
    SetWindowLongPtrA(Handle(), 0, reinterpret_cast<LONG_PTR>(this));
    font_ = reinterpret_cast<HFONT>(SendMessageA(GetParent(Handle()), WM_GETFONT, 0, 0));
    RECT client{};
    GetClientRect(Handle(), &client);
    SetClientSize(client.right, client.bottom);
}

void TMyDrawGrid::Changed() {
    if (!Handle())
        return;
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateScrollBars();
}

void TMyDrawGrid::UpdateScrollBars() {
    if (updatingBars_)
        return;
    updatingBars_ = true;
    auto set = [this](int bar, int fixed, int count, int first, int visible) {
        SCROLLINFO info{sizeof info,
                        SIF_RANGE | SIF_PAGE | SIF_POS,
                        fixed,
                        count - 1,
                        static_cast<UINT>(std::max(visible, 1)),
                        first,
                        0};
        SetScrollInfo(Handle(), bar, &info, TRUE);
    };
    // Decide from the room the cells have without bars, or bars shown once
    // (as they are when the window is made) would keep taking the room that
    // made them needed. A bar that comes or goes changes the room: once more
    // then, for each.
    auto style = static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE));
    RECT client{};
    GetClientRect(Handle(), &client);
    SetClientSize(client.right + (style & WS_VSCROLL ? GetSystemMetrics(SM_CXVSCROLL) : 0),
                  client.bottom + (style & WS_HSCROLL ? GetSystemMetrics(SM_CYHSCROLL) : 0));
    for (int pass = 0; pass < 3; ++pass) {
        int cols = VisibleColCount(), rows = VisibleRowCount();
        set(SB_HORZ, FixedCols(), ColCount(), LeftCol(), cols);
        set(SB_VERT, FixedRows(), RowCount(), TopRow(), rows);
        if (cols == VisibleColCount() && rows == VisibleRowCount())
            break;
    }
    updatingBars_ = false;
}

void TMyDrawGrid::Scroll(int bar, int code) {
    bool vertical = bar == SB_VERT;
    int first = vertical ? TopRow() : LeftCol();
    int page = std::max(vertical ? VisibleRowCount() : VisibleColCount(), 1);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(Handle(), bar, &info);
    switch (code) {
        case SB_LINEUP:
            --first;
            break;
        case SB_LINEDOWN:
            ++first;
            break;
        case SB_PAGEUP:
            first -= page;
            break;
        case SB_PAGEDOWN:
            first += page;
            break;
        case SB_TOP:
            first = 0;
            break;
        case SB_BOTTOM:
            first = INT_MAX;
            break;
        case SB_THUMBTRACK:
            if (!(Options() & GridOption::ThumbTracking))
                return;
            first = info.nTrackPos;
            break;
        case SB_THUMBPOSITION:
            first = info.nTrackPos;
            break;
        default:
            return;
    }
    vertical ? SetTopRow(first) : SetLeftCol(first);
}

void TMyDrawGrid::KeyDown(WPARAM key) {
    std::optional<GridKey> gridKey = GridKeyOf(key);
    if (!gridKey)
        return;
    bool shift = GetKeyState(VK_SHIFT) < 0;
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    // Tab past the first or last cell leaves the grid, as Tab does elsewhere.
    if (!DrawGridModel::KeyDown(*gridKey, shift, ctrl) && *gridKey == GridKey::Tab)
        SendMessageA(GetParent(Handle()), WM_NEXTDLGCTL, shift, FALSE);
}

void TMyDrawGrid::LeftDown(int x, int y) {
    if (GetFocus() != Handle())
        ::SetFocus(Handle());
    if (MouseDown(x, y)) {
        SetCapture(Handle());
        InvertSizingLine();
    }
}

void TMyDrawGrid::InvertSizingLine() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    HDC dc = GetDC(Handle());
    PatBlt(dc, SizingLine(), 0, std::max(GridLineWidth(), 1), client.bottom, DSTINVERT);
    ReleaseDC(Handle(), dc);
}

void TMyDrawGrid::Paint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(Handle(), &paint);
    struct End {
        HWND window;
        PAINTSTRUCT* paint;
        ~End() { EndPaint(window, paint); }
    } end{Handle(), &paint};
    RECT client{};
    GetClientRect(Handle(), &client);
    Fill(dc, client, COLOR_WINDOW);
    HGDIOBJ oldFont = font_ ? SelectObject(dc, font_) : nullptr;
    ForEachVisible(FixedRows(), TopRow(), LastVisibleRow(), [&](int row) {
        ForEachVisible(FixedCols(), LeftCol(), LastVisibleCol(),
                       [&](int col) { PaintCell(dc, col, row, paint.rcPaint); });
    });
    if (oldFont)
        SelectObject(dc, oldFont);
}

void TMyDrawGrid::PaintCell(HDC dc, int col, int row, const RECT& area) {
    GridRect at = CellRect(col, row);
    if (at.Empty())
        return;
    int line = GridLineWidth();
    RECT cell{at.Left, at.Top, at.Right, at.Bottom};
    RECT withLines{cell.left, cell.top, cell.right + line, cell.bottom + line};
    RECT overlap{};
    if (!IntersectRect(&overlap, &withLines, &area))
        return;
    unsigned state = CellState(col, row, GetFocus() == Handle());
    bool fixed = state & GridDrawState::Fixed;
    if (line > 0) {
        GridOptions vertical = fixed ? GridOption::FixedVertLine : GridOption::VertLine;
        GridOptions horizontal = fixed ? GridOption::FixedHorzLine : GridOption::HorzLine;
        int lineColour = fixed ? COLOR_BTNSHADOW : COLOR_BTNFACE;
        int background = fixed ? COLOR_BTNFACE : COLOR_WINDOW;
        Fill(dc, {cell.right, cell.top, cell.right + line, cell.bottom + line},
             Options() & vertical ? lineColour : background);
        Fill(dc, {cell.left, cell.bottom, cell.right, cell.bottom + line},
             Options() & horizontal ? lineColour : background);
    }
    if (DefaultDrawing) {
        bool highlight = (state & GridDrawState::Selected) &&
                         (!(state & GridDrawState::Focused) ||
                          (Options() & (GridOption::DrawFocusSelected | GridOption::RowSelect)));
        Fill(dc, cell, fixed ? COLOR_BTNFACE : highlight ? COLOR_HIGHLIGHT : COLOR_WINDOW);
        SetTextColor(dc, GetSysColor(highlight ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        SetBkMode(dc, TRANSPARENT);
    }
    if (OnDrawCell)
        OnDrawCell(col, row, dc, cell, state);
    if (DefaultDrawing && (state & GridDrawState::Focused))
        DrawFocusRect(dc, &cell);
}

bool TMyDrawGrid::Respond(UINT message, WPARAM w, LPARAM l, LRESULT& result) {
    switch (message) {
        case WM_GETDLGCODE:
            // Characters too: typing in the grid presses no button's mnemonic.
            result = DLGC_WANTARROWS | DLGC_WANTCHARS |
                     (Options() & GridOption::Tabs ? DLGC_WANTTAB : 0);
            return true;
        case WM_KEYDOWN:
            KeyDown(w);
            return true;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            LeftDown(GET_X_LPARAM(l), GET_Y_LPARAM(l));
            return true;
        case WM_MOUSEMOVE:
            if (Sizing()) {
                InvertSizingLine();
                MouseMove(GET_X_LPARAM(l));
                InvertSizingLine();
            }
            return true;
        case WM_LBUTTONUP:
            if (Sizing()) {
                InvertSizingLine();
                struct Release {
                    ~Release() { ReleaseCapture(); }
                } release;
                MouseUp(GET_X_LPARAM(l));
            }
            return true;
        case WM_CAPTURECHANGED:
            if (Sizing()) {
                InvertSizingLine();
                CancelSizing();
            }
            return true;
        case WM_SETCURSOR: {
            POINT p{};
            GetCursorPos(&p);
            ScreenToClient(Handle(), &p);
            if (LOWORD(l) != HTCLIENT || (!Sizing() && ColumnBorderAt(p.x, p.y) < 0))
                return false;
            SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
            result = TRUE;
            return true;
        }
        case WM_MOUSEWHEEL: {
            int delta = GET_WHEEL_DELTA_WPARAM(w);
            for (int steps = std::max(std::abs(delta) / WHEEL_DELTA, 1); steps > 0; --steps)
                MouseWheel(delta < 0);
            return true;
        }
        case WM_VSCROLL:
            Scroll(SB_VERT, LOWORD(w));
            return true;
        case WM_HSCROLL:
            Scroll(SB_HORZ, LOWORD(w));
            return true;
        case WM_SIZE:
            SetClientSize(LOWORD(l), HIWORD(l));
            return true;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(Handle(), nullptr, FALSE);
            return true;
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(w);
            if (LOWORD(l))
                InvalidateRect(Handle(), nullptr, FALSE);
            return true;
        case WM_GETFONT:
            result = reinterpret_cast<LRESULT>(font_);
            return true;
        case WM_ERASEBKGND:
            result = 1;
            return true;  // the paint covers it all
        case WM_PAINT:
            Paint();
            return true;
        default:
            return false;
    }
}

LRESULT CALLBACK TMyDrawGrid::WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
    TMyDrawGrid* grid = GridOf(window);
    LRESULT result = 0;
    bool handled = false;
    if (grid)
        RunGuarded([&] { handled = grid->Respond(message, w, l, result); });
    return handled ? result : DefWindowProcA(window, message, w, l);
}

}  // namespace orv
