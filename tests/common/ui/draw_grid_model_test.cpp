#include "common/ui/draw_grid_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace orv {
namespace {

// Six columns of 64 and ten rows of 24 pixels, one fixed of each, grid lines
// of one pixel: column 3 starts at 195 and its right border lies at 259.
struct Grid {
    Grid() {
        model.SetOptions(GridOption::MacroList);
        model.SetColCount(6);
        model.SetRowCount(10);
        model.SetClientSize(400, 300);
        model.OnColumnSized = [this](int col, int width) {
            events += "sized " + std::to_string(col) + " " + std::to_string(width) + " (width " +
                      std::to_string(model.ColWidths(col)) + ")";
        };
    }
    // Which x positions around a border start sizing at height y.
    std::string Zone(int border, int y) const {
        int first = -1, last = -1;
        for (int x = border - 20; x <= border + 20; ++x)
            if (model.ColumnBorderAt(x, y) >= 0) {
                first = first < 0 ? x : first;
                last = x;
            }
        return first < 0 ? "none" : std::to_string(first) + "-" + std::to_string(last);
    }
    std::string Drag(int from, int to) {
        model.MouseDown(from, 10);
        model.MouseUp(to);
        return events.empty() ? "no event, width " + std::to_string(model.ColWidths(3)) : events;
    }
    std::string Cell() const {
        return std::to_string(model.Col()) + " " + std::to_string(model.Row());
    }
    static std::string Cell(GridCoord c) {
        return std::to_string(c.Col) + " " + std::to_string(c.Row);
    }

    DrawGridModel model;
    std::string events;
};

std::string ErrorOf(const std::function<void(DrawGridModel&)>& operation) {
    Grid g;
    try {
        operation(g.model);
    } catch (const EInvalidGridOperation& e) {
        return e.what();
    }
    return "no error";
}

TEST(DrawGridModelTest, GesturesKeysAndErrors) {
    struct Case {
        const char* what;
        std::function<std::string(Grid&)> act;
        std::string expected;
    };
    const Case cases[] = {
        {"3 px either side of a scrolling column's border in a fixed row sizes",
         [](Grid& g) { return g.Zone(259, 10); }, "256-262"},
        {"a press in a scrolling row does not size", [](Grid& g) { return g.Zone(259, 40); },
         "none"},
        {"fixed column 0's border does not size", [](Grid& g) { return g.Zone(64, 10); }, "none"},
        {"without column sizing nothing sizes",
         [](Grid& g) {
             g.model.SetOptions(GridOption::Default);
             return g.Zone(259, 10);
         },
         "none"},
        {"release at left + 80 sets the width, then reports it",
         [](Grid& g) { return g.Drag(259, 195 + 80); }, "sized 3 80 (width 80)"},
        {"release at left + 1 changes nothing", [](Grid& g) { return g.Drag(259, 196); },
         "no event, width 64"},
        {"release left of the column changes nothing", [](Grid& g) { return g.Drag(259, 150); },
         "no event, width 64"},
        {"a width set by code reports nothing",
         [](Grid& g) {
             g.model.SetColWidths(3, 80);
             return g.Drag(10, 10);
         },
         "no event, width 80"},
        {"points outside the cells are (-1, -1)",
         [](Grid& g) {
             return Grid::Cell(g.model.MouseToCell(390, 10)) + ", " +
                    Grid::Cell(g.model.MouseToCell(70, 290)) + ", " +
                    Grid::Cell(g.model.MouseToCell(-1, 10)) + ", " +
                    Grid::Cell(g.model.MouseToCell(64, 24));  // a grid line belongs to its cell
         },
         "-1 -1, -1 -1, -1 -1, 0 0"},
        {"a press on a cell makes it current",
         [](Grid& g) {
             g.model.MouseDown(200, 60);
             return g.Cell();
         },
         "3 2"},
        {"wheel steps with one scrolling row keep the row",
         [](Grid& g) {
             g.model.SetRowCount(2);
             g.model.MouseWheel(true);
             g.model.MouseWheel(false);
             return g.Cell();
         },
         "1 1"},
        {"wheel steps move the row unless a handler took them",
         [](Grid& g) {
             g.model.MouseWheel(true);
             g.model.MouseWheel(true);
             g.model.OnMouseWheelUp = [](bool& handled) { handled = true; };
             g.model.MouseWheel(false);
             return g.Cell();
         },
         "1 3"},
        {"Tab at a row's end goes to the next row",
         [](Grid& g) {
             g.model.MoveCurrent(5, g.model.Row());
             g.model.KeyDown(GridKey::Tab, false, false);
             return g.Cell();
         },
         "1 2"},
        {"Tab at the last cell is left to the form",
         [](Grid& g) {
             g.model.KeyDown(GridKey::End, false, true);
             return std::to_string(g.model.KeyDown(GridKey::Tab, false, false)) + " " + g.Cell();
         },
         "0 5 9"},
        {"a refused cell keeps the current one",
         [](Grid& g) {
             g.model.OnSelectCell = [](int col, int, bool& canSelect) { canSelect = col != 2; };
             g.model.KeyDown(GridKey::Right, false, false);
             g.model.MouseWheel(true);
             return g.Cell();
         },
         "1 2"},
        {"keys scroll the current cell into view",
         [](Grid& g) {
             g.model.SetClientSize(400, 100);  // three scrolling rows
             g.model.KeyDown(GridKey::End, false, true);
             return g.Cell() + " top " + std::to_string(g.model.TopRow());
         },
         "5 9 top 7"},
        {"a width outside the columns",
         [](Grid&) { return ErrorOf([](DrawGridModel& m) { m.SetColWidths(6, 10); }); },
         GridError::IndexOutOfRange},
        {"a current row outside the rows",
         [](Grid&) { return ErrorOf([](DrawGridModel& m) { m.SetRow(-1); }); },
         GridError::IndexOutOfRange},
        {"as many fixed columns as columns",
         [](Grid&) { return ErrorOf([](DrawGridModel& m) { m.SetFixedCols(6); }); },
         GridError::FixedColsTooBig},
        {"as many fixed rows as rows",
         [](Grid&) { return ErrorOf([](DrawGridModel& m) { m.SetFixedRows(10); }); },
         GridError::FixedRowsTooBig},
        {"more rows than the size table holds",
         [](Grid&) {
             return ErrorOf([](DrawGridModel& m) { m.SetRowCount(DrawGridModel::MaxCount + 1); });
         },
         GridError::TooLarge},
    };
    for (const Case& c : cases) {
        Grid g;
        EXPECT_EQ(c.act(g), c.expected) << c.what;
    }
}

// A grid without fixed lines (the symbol picker's) shows and selects its cell
// (0, 0) from the start, and the keys reach every edge.
TEST(DrawGridModelTest, WithoutFixedLinesStartsAtTheFirstCell) {
    Grid g;
    g.model.SetRowCount(8);
    g.model.SetFixedCols(0);
    g.model.SetFixedRows(0);
    EXPECT_EQ(g.Cell(), "0 0");
    EXPECT_EQ(g.Cell(g.model.MouseToCell(1, 1)), "0 0");
    EXPECT_FALSE(g.model.CellRect(0, 0).Empty());
    for (int i = 0; i < 10; ++i) g.model.KeyDown(GridKey::Right, false, false);
    for (int i = 0; i < 10; ++i) g.model.KeyDown(GridKey::Down, false, false);
    EXPECT_EQ(g.Cell(), "5 7");
}

}  // namespace
}  // namespace orv
