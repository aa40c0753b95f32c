#include "editor/shell/macro_list_output.h"

#include "common/files.h"
#include "common/hotkeys.h"
#include "common/message_boxes.h"
#include "common/side_files.h"

namespace orv::editor {

namespace {

constexpr std::string_view LineEnd = "\r\n";

std::string IconLine(const MacroRecord& record) {
    if (record.MacroKind == MacroKind::System)
        return "Icon: (None)";
    if (record.IconName == "MAIN")
        return "Icon: (Default Icon)";
    if (record.IconName == "MENU")
        return "Icon: (Default Menu Icon)";
    return "Icon: " + record.IconName.str();
}

bool HasScriptText(const MacroRecord& record) {
    return record.MacroKind != MacroKind::PopupMenu && record.MacroKind != MacroKind::System;
}

}  // namespace

std::string ListingOfMacro(const MacroRecord& record, const OutputChoices& choices,
                           const ScheduleDescription& schedule) {
    std::string text;
    auto line = [&](const std::string& s) {
        text += s;
        text += LineEnd;
    };
    if (choices.Icon)
        line(IconLine(record));
    if (choices.HotKey)
        line(ActivationText(record, ActivationStyle::Listing));
    if (choices.Name)
        line("Name: " + record.Nickname.str());
    if (choices.Window)
        line(ScopeText(record, ScopeWording::Listing));
    if (choices.Schedule && record.ActivationCode == ActivationCode::Scheduled)
        line("Schedule: " + schedule(record));
    if (choices.Text && HasScriptText(record))
        line("Text: " + record.ScriptText());
    line("");
    return text;
}

ListedWrite WriteMacroListing(const std::string& target, const std::vector<int>& rows,
                              const LibraryView& library, const OutputChoices& choices,
                              const ScheduleDescription& schedule) {
    if (IsLibraryOrSideFile(target, library.FileName())) {
        ShowError(OutputMessage::OpenLibrary);
        return ListedWrite::NotWritten;
    }
    std::string contents;
    for (int n : rows) {
        if (n < 1 || n > library.MacroCount())
            continue;
        MacroRecord record;
        // A record that cannot be read would be listed with another's values.
        if (!library.Read(n, record)) {
            ShowError(OutputMessage::ReadFailed);
            return ListedWrite::NotRead;
        }
        contents += ListingOfMacro(record, choices, schedule);
    }
    if (!ReplaceFileContents(target, contents)) {
        ShowError(OutputMessage::CreateFailed);
        return ListedWrite::NotWritten;
    }
    return ListedWrite::Written;
}

}  // namespace orv::editor
