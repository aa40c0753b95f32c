#include "editor/shell/export_library.h"

#include <algorithm>
#include <array>

#include "common/files.h"
#include "common/message_boxes.h"
#include "common/side_files.h"
#include "editor/shell/popup_renumbering.h"

namespace orv::editor {

namespace {

// A member's number among the exported macros.
std::optional<int> PositionAmong(const std::vector<int>& selected, int member) {
    auto found = std::ranges::find(selected, member);
    if (found == selected.end())
        return std::nullopt;
    return static_cast<int>(found - selected.begin()) + 1;
}

}  // namespace

ListedWrite ExportMacros(const std::vector<int>& selected, const std::string& target,
                         const LibraryView& library) {
    if (IsLibraryOrSideFile(target, library.FileName())) {
        ShowError(ExportMessage::OpenLibrary);
        return ListedWrite::NotWritten;
    }
    std::string contents;
    for (int n : selected) {
        MacroRecord record;
        if (!library.Read(n, record)) {
            ShowError(ExportMessage::ReadFailed);
            return ListedWrite::NotRead;
        }
        if (record.MacroKind == MacroKind::PopupMenu)
            RenumberPopupMembers(record, [&](int m) { return PositionAmong(selected, m); });
        std::array<std::uint8_t, MacroRecord::Size> image;
        record.Encode(image);
        contents.append(image.begin(), image.end());
    }
    if (!ReplaceFileContents(target, contents)) {
        ShowError(ExportMessage::CreateFailed);
        return ListedWrite::NotWritten;
    }
    CurrentMessageBoxes().Show("ok", ExportMessage::Complete, MsgStyle::Ok);
    return ListedWrite::Written;
}

}  // namespace orv::editor
