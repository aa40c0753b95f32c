#include "common/ui/draw_grid_model.h"

#include <algorithm>

namespace orv {
namespace {

[[noreturn]] void Fail(const char* text) {
    throw EInvalidGridOperation(text);
}

void CheckIndex(const GridAxis& axis, int index) {
    if (index < 0 || index >= axis.Count)
        Fail(GridError::IndexOutOfRange);
}

}  // namespace

// One direction -----------------------------------------------------------------

int GridAxis::Extent(int index) const {
    return index >= 0 && index < static_cast<int>(Extents.size()) ? Extents[index] : DefaultExtent;
}

void GridAxis::SetExtent(int index, int extent) {
    CheckIndex(*this, index);
    extent = std::max(extent, 0);
    if (Extents.empty() && extent == DefaultExtent)
        return;
    Extents.resize(static_cast<std::size_t>(Count), DefaultExtent);
    Extents[index] = extent;
}

int GridAxis::Start(int index, int lineWidth) const {
    int position = 0;
    if (index >= Fixed) {
        if (index < First)
            return -1;
        for (int i = 0; i < Fixed; ++i) position += Extent(i) + lineWidth;
        for (int i = First; i < index && position < Client; ++i) position += Extent(i) + lineWidth;
    } else {
        for (int i = 0; i < index; ++i) position += Extent(i) + lineWidth;
    }
    return position < Client ? position : -1;
}

int GridAxis::IndexAt(int position, int lineWidth) const {
    if (position < 0 || position >= Client)
        return -1;
    int end = 0;
    auto reaches = [&](int i) {
        end += Extent(i) + lineWidth;
        return position < end;
    };
    for (int i = 0; i < Fixed; ++i)
        if (reaches(i))
            return i;
    for (int i = std::max(First, Fixed); i < Count && end < Client; ++i)
        if (reaches(i))
            return i;
    return -1;
}

int GridAxis::LastVisible(int lineWidth) const {
    int last = Fixed - 1;
    int position = Start(First, lineWidth);
    for (int i = First; i < Count && position >= 0 && position < Client; ++i) {
        last = i;
        position += Extent(i) + lineWidth;
    }
    return last;
}

int GridAxis::FullyVisibleCount(int lineWidth) const {
    int count = 0;
    int position = Start(First, lineWidth);
    for (int i = First; i < Count && position >= 0 && position + Extent(i) <= Client; ++i) {
        ++count;
        position += Extent(i) + lineWidth;
    }
    return count;
}

int GridAxis::MaxFirst(int lineWidth) const {
    int room = Client;
    for (int i = 0; i < Fixed; ++i) room -= Extent(i) + lineWidth;
    int first = Count - 1;
    for (int used = Extent(first); first > Fixed; --first) {
        used += Extent(first - 1) + lineWidth;
        if (used > room)
            break;
    }
    return std::max(first, Fixed);
}

void GridAxis::SetCount(int count) {
    if (count > DrawGridModel::MaxCount)
        Fail(GridError::TooLarge);
    count = std::max(count, 1);
    Fixed = std::min(Fixed, count - 1);
    Count = count;
    if (static_cast<int>(Extents.size()) > count)
        Extents.resize(static_cast<std::size_t>(count));
    else if (!Extents.empty())
        Extents.resize(static_cast<std::size_t>(count), DefaultExtent);
    Current = std::clamp(Current, Fixed, count - 1);
    First = std::clamp(First, Fixed, count - 1);
}

void GridAxis::SetFixed(int fixed, const char* tooBig) {
    if (fixed < 0)
        Fail(GridError::IndexOutOfRange);
    if (fixed >= Count)
        Fail(tooBig);
    if (fixed == Fixed)
        return;
    // A new number of fixed lines starts the grid over at its first scrolling
    // line, so a grid without a header shows and selects its line 0.
    Fixed = fixed;
    First = fixed;
    Current = fixed;
}

// Sizes and counts ---------------------------------------------------------------

void DrawGridModel::SetColCount(int count) {
    cols_.SetCount(count);
    Changed();
}

void DrawGridModel::SetRowCount(int count) {
    rows_.SetCount(count);
    Changed();
}

void DrawGridModel::SetFixedCols(int count) {
    cols_.SetFixed(count, GridError::FixedColsTooBig);
    Changed();
}

void DrawGridModel::SetFixedRows(int count) {
    rows_.SetFixed(count, GridError::FixedRowsTooBig);
    Changed();
}

void DrawGridModel::SetDefaultColWidth(int width) {
    cols_.DefaultExtent = std::max(width, 0);
    cols_.Extents.clear();
    Changed();
}

void DrawGridModel::SetDefaultRowHeight(int height) {
    rows_.DefaultExtent = std::max(height, 0);
    rows_.Extents.clear();
    Changed();
}

void DrawGridModel::SetColWidths(int col, int width) {
    cols_.SetExtent(col, width);
    Changed();
}

void DrawGridModel::SetRowHeights(int row, int height) {
    rows_.SetExtent(row, height);
    Changed();
}

void DrawGridModel::SetOptions(GridOptions options) {
    options_ = options;
    Changed();
}

// Current cell and scrolling -------------------------------------------------------

void DrawGridModel::SetRow(int row) {
    if (row != Row())
        MoveCurrent(Col(), row);
}

bool DrawGridModel::MoveCurrent(int col, int row) {
    CheckIndex(cols_, col);
    CheckIndex(rows_, row);
    bool canSelect = true;
    if (OnSelectCell)
        OnSelectCell(col, row, canSelect);
    if (!canSelect)
        return false;
    cols_.Current = col;
    rows_.Current = row;
    ScrollInView(cols_);
    ScrollInView(rows_);
    Changed();
    return true;
}

void DrawGridModel::SetFirst(GridAxis& axis, int first) {
    first = std::clamp(first, axis.Fixed, std::max(axis.Fixed, axis.MaxFirst(lineWidth_)));
    if (first == axis.First)
        return;
    axis.First = first;
    if (OnTopLeftChanged)
        OnTopLeftChanged();
    Changed();
}

void DrawGridModel::SetLeftCol(int col) {
    SetFirst(cols_, col);
}

void DrawGridModel::SetTopRow(int row) {
    SetFirst(rows_, row);
}

void DrawGridModel::ScrollInView(GridAxis& axis) {
    if (axis.Current < axis.Fixed || axis.Client <= 0)
        return;
    int first = std::min(axis.First, axis.Current);
    GridAxis probe = axis;
    probe.First = first;
    // Forward until the current line ends inside the window (or leads it).
    while (first < axis.Current) {
        int start = probe.Start(axis.Current, lineWidth_);
        if (start >= 0 && start + axis.Extent(axis.Current) <= axis.Client)
            break;
        probe.First = ++first;
    }
    SetFirst(axis, first);
}

void DrawGridModel::SetClientSize(int width, int height) {
    cols_.Client = std::max(width, 0);
    rows_.Client = std::max(height, 0);
    Changed();
}

// Geometry --------------------------------------------------------------------------

GridCoord DrawGridModel::MouseToCell(int x, int y) const {
    GridCoord cell{cols_.IndexAt(x, lineWidth_), rows_.IndexAt(y, lineWidth_)};
    return cell.Col < 0 || cell.Row < 0 ? GridCoord{} : cell;
}

GridRect DrawGridModel::CellRect(int col, int row) const {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        return {};
    int left = cols_.Start(col, lineWidth_);
    int top = rows_.Start(row, lineWidth_);
    if (left < 0 || top < 0)
        return {};
    return {left, top, left + ColWidths(col), top + RowHeights(row)};
}

unsigned DrawGridModel::CellState(int col, int row, bool focused) const {
    if (col < FixedCols() || row < FixedRows())
        return GridDrawState::Fixed;
    bool current = col == Col() && row == Row();
    bool selected = current || ((options_ & GridOption::RowSelect) && row == Row());
    return (selected ? GridDrawState::Selected : 0) |
           (current && focused ? GridDrawState::Focused : 0);
}

// Gestures ----------------------------------------------------------------------------

int DrawGridModel::ColumnBorderAt(int x, int y) const {
    if (!(options_ & GridOption::ColSizing) || y < 0 || rows_.IndexAt(y, lineWidth_) < 0 ||
        rows_.IndexAt(y, lineWidth_) >= FixedRows())
        return -1;
    // The band is the grid line itself when that is wide enough, else
    // SizingZone pixels centred on it.
    int band = std::max(SizingZone, lineWidth_);
    int before = (band - lineWidth_) / 2;
    for (int col = LeftCol(); col <= LastVisibleCol(); ++col) {
        int border = cols_.Start(col, lineWidth_) + ColWidths(col);
        if (x >= border - before && x < border - before + band)
            return col;
    }
    return -1;
}

bool DrawGridModel::MouseDown(int x, int y) {
    sizingCol_ = ColumnBorderAt(x, y);
    if (Sizing()) {
        sizingLine_ = x;
        return true;
    }
    GridCoord cell = MouseToCell(x, y);
    if (cell.Col >= FixedCols() && cell.Row >= FixedRows())
        MoveCurrent(cell.Col, cell.Row);
    return false;
}

void DrawGridModel::MouseMove(int x) {
    if (Sizing())
        sizingLine_ = x;
}

void DrawGridModel::MouseUp(int x) {
    if (!Sizing())
        return;
    int col = sizingCol_;
    sizingCol_ = -1;
    int left = cols_.Start(col, lineWidth_);
    int width = x - left;
    if (left < 0 || width <= 1)
        return;
    SetColWidths(col, width);
    if (OnColumnSized)
        OnColumnSized(col, width);
}

GridCoord DrawGridModel::TabTarget(bool backwards) const {
    int col = Col(), row = Row();
    if (!backwards) {
        if (col < ColCount() - 1)
            return {col + 1, row};
        if (row < RowCount() - 1)
            return {FixedCols(), row + 1};
    } else {
        if (col > FixedCols())
            return {col - 1, row};
        if (row > FixedRows())
            return {ColCount() - 1, row - 1};
    }
    return {};
}

bool DrawGridModel::KeyDown(GridKey key, bool shift, bool ctrl) {
    int col = Col(), row = Row();
    int page = std::max(VisibleRowCount(), 1);
    switch (key) {
        case GridKey::Left:
            col = std::max(FixedCols(), col - 1);
            break;
        case GridKey::Right:
            col = std::min(ColCount() - 1, col + 1);
            break;
        case GridKey::Up:
            row = std::max(FixedRows(), row - 1);
            break;
        case GridKey::Down:
            row = std::min(RowCount() - 1, row + 1);
            break;
        case GridKey::PageUp:
            row = std::max(FixedRows(), row - page);
            break;
        case GridKey::PageDown:
            row = std::min(RowCount() - 1, row + page);
            break;
        case GridKey::Home:
            col = FixedCols();
            if (ctrl)
                row = FixedRows();
            break;
        case GridKey::End:
            col = ColCount() - 1;
            if (ctrl)
                row = RowCount() - 1;
            break;
        case GridKey::Tab: {
            if (!(options_ & GridOption::Tabs))
                return false;
            GridCoord next = TabTarget(shift);
            if (next.Col < 0)
                return false;
            col = next.Col;
            row = next.Row;
            break;
        }
    }
    if (col != Col() || row != Row())
        MoveCurrent(col, row);
    return true;
}

void DrawGridModel::MouseWheel(bool down) {
    bool handled = false;
    const auto& handler = down ? OnMouseWheelDown : OnMouseWheelUp;
    if (handler)
        handler(handled);
    if (handled)
        return;
    if (down && Row() < RowCount() - 1)
        SetRow(Row() + 1);
    else if (!down && Row() > FixedRows())
        SetRow(Row() - 1);
}

}  // namespace orv
