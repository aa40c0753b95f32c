// What the owner-drawn grid knows apart from its window: its rows and
// columns, their sizes, the current cell, the scroll position, and what a
// press, a drag, a key or a wheel step does to them. Positions are client
// pixels of the grid's window.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

namespace orv {

// A grid operation the grid cannot carry out; the text says why.
class EInvalidGridOperation : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

namespace GridError {
inline constexpr const char* IndexOutOfRange = "Grid index out of range";
inline constexpr const char* FixedColsTooBig = "Fixed column count must be less than column count";
inline constexpr const char* FixedRowsTooBig = "Fixed row count must be less than row count";
inline constexpr const char* TooLarge = "Grid too large for operation";
}  // namespace GridError

// The option bits, in their stored order.
using GridOptions = std::uint16_t;
namespace GridOption {
constexpr GridOptions FixedVertLine = 1 << 0;
constexpr GridOptions FixedHorzLine = 1 << 1;
constexpr GridOptions VertLine = 1 << 2;
constexpr GridOptions HorzLine = 1 << 3;
constexpr GridOptions RangeSelect = 1 << 4;
constexpr GridOptions DrawFocusSelected = 1 << 5;
constexpr GridOptions RowSizing = 1 << 6;
constexpr GridOptions ColSizing = 1 << 7;
constexpr GridOptions RowMoving = 1 << 8;
constexpr GridOptions ColMoving = 1 << 9;
constexpr GridOptions Editing = 1 << 10;
constexpr GridOptions AlwaysShowEditor = 1 << 11;
constexpr GridOptions Tabs = 1 << 12;
constexpr GridOptions RowSelect = 1 << 13;
constexpr GridOptions ThumbTracking = 1 << 14;
constexpr GridOptions Default = FixedVertLine | FixedHorzLine | VertLine | HorzLine | RangeSelect;
// The macro list's and the mail log's: all grid lines, column sizing, Tab
// between cells, thumb tracking.
constexpr GridOptions MacroList = 20623;
static_assert(MacroList == (FixedVertLine | FixedHorzLine | VertLine | HorzLine | ColSizing | Tabs |
                            ThumbTracking));
}  // namespace GridOption

// How a cell is drawn; flags.
namespace GridDrawState {
constexpr unsigned Selected = 1;
constexpr unsigned Focused = 2;
constexpr unsigned Fixed = 4;
}  // namespace GridDrawState

struct GridCoord {
    int Col = -1;
    int Row = -1;
    bool operator==(const GridCoord&) const = default;
};

struct GridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Empty() const { return Right <= Left || Bottom <= Top; }
    bool operator==(const GridRect&) const = default;
};

enum class GridKey { Left, Right, Up, Down, PageUp, PageDown, Home, End, Tab };

// One direction of the grid: its lines (columns or rows), fixed ones first,
// then the scrolling ones from the first visible.
struct GridAxis {
    explicit GridAxis(int defaultExtent) : DefaultExtent(defaultExtent) {}
    int Count = 5;
    int Fixed = 1;
    int DefaultExtent;
    std::vector<int> Extents;  // empty while every line has the default
    int First = 1;             // the first visible scrolling line
    int Current = 1;
    int Client = 0;  // pixels of the window in this direction

    int Extent(int index) const;
    void SetExtent(int index, int extent);
    // Where a line starts, or -1 when it is scrolled out of sight.
    int Start(int index, int lineWidth) const;
    // The line under a position, grid line after it included; -1 for none.
    int IndexAt(int position, int lineWidth) const;
    int LastVisible(int lineWidth) const;
    int FullyVisibleCount(int lineWidth) const;
    // The first visible line that shows the last line at the far end.
    int MaxFirst(int lineWidth) const;
    void SetCount(int count);
    void SetFixed(int fixed, const char* tooBig);
};

class DrawGridModel {
  public:
    // At most this many columns or rows: what the table of their sizes holds.
    static constexpr int MaxCount = 0x7FFFFFFF / 16;
    // The band around a column border in which a press starts sizing.
    static constexpr int SizingZone = 7;

    DrawGridModel() = default;
    virtual ~DrawGridModel() = default;

    int ColCount() const { return cols_.Count; }
    void SetColCount(int count);
    int RowCount() const { return rows_.Count; }
    void SetRowCount(int count);
    int FixedCols() const { return cols_.Fixed; }
    void SetFixedCols(int count);
    int FixedRows() const { return rows_.Fixed; }
    void SetFixedRows(int count);
    // Setting a default forgets the sizes set for single lines.
    int DefaultColWidth() const { return cols_.DefaultExtent; }
    void SetDefaultColWidth(int width);
    int DefaultRowHeight() const { return rows_.DefaultExtent; }
    void SetDefaultRowHeight(int height);
    // The default for a line without a size of its own or beyond the count.
    int ColWidths(int col) const { return cols_.Extent(col); }
    void SetColWidths(int col, int width);
    int RowHeights(int row) const { return rows_.Extent(row); }
    void SetRowHeights(int row, int height);
    int GridLineWidth() const { return lineWidth_; }
    GridOptions Options() const { return options_; }
    void SetOptions(GridOptions options);
    bool DefaultDrawing = true;

    // The current cell; moving it asks OnSelectCell first.
    int Col() const { return cols_.Current; }
    int Row() const { return rows_.Current; }
    void SetRow(int row);
    // False when OnSelectCell refused the cell.
    bool MoveCurrent(int col, int row);
    // The first visible scrolling column and row.
    int LeftCol() const { return cols_.First; }
    void SetLeftCol(int col);
    int TopRow() const { return rows_.First; }
    void SetTopRow(int row);
    int MaxLeftCol() const { return cols_.MaxFirst(lineWidth_); }
    int MaxTopRow() const { return rows_.MaxFirst(lineWidth_); }
    void SetClientSize(int width, int height);
    int VisibleColCount() const { return cols_.FullyVisibleCount(lineWidth_); }
    int VisibleRowCount() const { return rows_.FullyVisibleCount(lineWidth_); }
    // The last column and row at least partly in sight.
    int LastVisibleCol() const { return cols_.LastVisible(lineWidth_); }
    int LastVisibleRow() const { return rows_.LastVisible(lineWidth_); }

    // (-1, -1) when the point lies outside the cells.
    GridCoord MouseToCell(int x, int y) const;
    // Empty for a cell out of sight.
    GridRect CellRect(int col, int row) const;
    unsigned CellState(int col, int row, bool focused) const;

    // The scrolling column whose right border a press here would drag, or -1.
    int ColumnBorderAt(int x, int y) const;
    // A left press: starts sizing a column (true) or makes the cell under it
    // current.
    bool MouseDown(int x, int y);
    bool Sizing() const { return sizingCol_ >= 0; }
    // Where the sizing line stands while a column is being sized.
    int SizingLine() const { return sizingLine_; }
    void MouseMove(int x);
    // Ends sizing: a width above 1 pixel is set and reported.
    void MouseUp(int x);
    void CancelSizing() { sizingCol_ = -1; }
    // False for a key the grid leaves to its form (Tab past the last cell).
    bool KeyDown(GridKey key, bool shift, bool ctrl);
    void MouseWheel(bool down);

    // A column's border was dragged to a new width, already set.
    std::function<void(int col, int newSize)> OnColumnSized;
    std::function<void(int col, int row, bool& canSelect)> OnSelectCell;
    std::function<void()> OnTopLeftChanged;
    // Setting handled stops the step from moving the current row.
    std::function<void(bool& handled)> OnMouseWheelDown;
    std::function<void(bool& handled)> OnMouseWheelUp;

  protected:
    // Whenever what the grid shows changed.
    virtual void Changed() {}

  private:
    void SetFirst(GridAxis& axis, int first);
    void ScrollInView(GridAxis& axis);
    GridCoord TabTarget(bool backwards) const;

    GridAxis cols_{64};
    GridAxis rows_{24};
    static constexpr int lineWidth_ = 1;
    GridOptions options_ = GridOption::Default;
    int sizingCol_ = -1;
    int sizingLine_ = 0;
};

}  // namespace orv
