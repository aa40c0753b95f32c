#include "editor/shell/macro_list_print.h"

#include <algorithm>

#include "common/message_boxes.h"
#include "editor/shell/macro_list_output.h"

namespace orv::editor {

namespace {

// Column widths and the line height get a tenth more room than the widest text.
int WithRoom(int size) {
    return size * 11 / 10;
}

struct Geometry {
    int Left = 0;
    int Top = 0;
    int Limit = 0;  // a row whose top lies below ends its page
    int LineHeight = 0;
    int NicknameAt = 0;
    int ScopeAt = 0;
};

Geometry MeasureList(PrintCanvas& canvas, const std::vector<PrintRow>& rows) {
    int tallest = 0, widestActivation = 0, widestNickname = 0;
    for (const PrintRow& row : rows) {
        tallest =
            std::max({tallest, canvas.TextHeight(row.Activation), canvas.TextHeight(row.Nickname)});
        widestActivation = std::max(widestActivation, canvas.TextWidth(row.Activation));
        widestNickname = std::max(widestNickname, canvas.TextWidth(row.Nickname));
    }
    Geometry g;
    g.Left = canvas.PageWidth() / 17;
    g.Top = canvas.PageHeight() / 22;
    g.Limit = canvas.PageHeight() - 2 * g.Top;
    g.LineHeight = WithRoom(tallest);
    g.NicknameAt = g.Left + WithRoom(widestActivation);
    g.ScopeAt = g.NicknameAt + WithRoom(widestNickname);
    return g;
}

}  // namespace

PrintRow PrintRowOf(const MacroRecord& record) {
    return {ActivationText(record, ActivationStyle::Print), record.Nickname.str(),
            ScopeText(record, ScopeWording::Print)};
}

std::optional<std::vector<PrintRow>> ReadPrintRows(const std::vector<int>& macros,
                                                   const LibraryView& library) {
    std::vector<PrintRow> rows;
    for (int n : macros) {
        MacroRecord record;
        if (!library.Read(n, record)) {
            ShowError(PrintMessage::ReadFailed);
            return std::nullopt;
        }
        rows.push_back(PrintRowOf(record));
    }
    return rows;
}

void PrintMacroList(PrintCanvas& canvas, std::string_view libraryFile,
                    const std::vector<PrintRow>& rows, int copies) {
    const Geometry g = MeasureList(canvas, rows);
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0)
            canvas.NewPage();
        canvas.PrintText(g.Left, g.Top, "Macro File: " + std::string(libraryFile));
        int line = 2;
        // The next page starts only when a row is there to go on it.
        bool pageFull = false;
        for (const PrintRow& row : rows) {
            if (pageFull) {
                canvas.NewPage();
                line = 0;
            }
            const int y = g.Top + line * g.LineHeight;
            canvas.PrintText(g.Left, y, row.Activation);
            canvas.PrintText(g.NicknameAt, y, row.Nickname);
            canvas.PrintText(g.ScopeAt, y, row.Scope);
            ++line;
            pageFull = y > g.Limit;
        }
    }
}

}  // namespace orv::editor
