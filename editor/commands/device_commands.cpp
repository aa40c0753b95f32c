#include "editor/commands/device_commands.h"

namespace orv::editor {

DefPrintOutcome ComposeDefPrint(const DefPrintInput& input) {
    DefPrintOutcome out;
    if (!input.Printer) {
        out.Refuse("No printer setting selected.", DefPrintField::SettingBox);
        return out;
    }
    out.Compose(CommandCode::DefaultPrinter, StringRec{*input.Printer}, DefPrintField::SettingBox);
    if (out.Accepted())
        out.Raw.PrinterName = *input.Printer;
    return out;
}

template <>
DefPrintInput InputFromRecord<DefPrintInput>(CommandCode, const CommandRecord& record) {
    const StringRec* r = std::get_if<StringRec>(&record);
    if (!r)
        return {};
    return {r->Text.str()};
}

ScreenOutcome ComposeScreen(const ScreenInput& input) {
    ScreenOutcome out;
    if (input.Row < 0) {
        out.Refuse("No display setting selected.", ScreenField::SettingBox);
        return out;
    }
    out.Compose(CommandCode::DefaultDisplaySize, DisplaySizeRec{input.Row},
                ScreenField::SettingBox);
    if (out.Accepted())
        out.Raw.ModeIndex = input.Row;
    return out;
}

template <>
ScreenInput InputFromRecord<ScreenInput>(CommandCode, const CommandRecord& record) {
    const DisplaySizeRec* r = std::get_if<DisplaySizeRec>(&record);
    return {r ? r->ModeIndex : -1};
}

int InitialModeRow(int rowCount, bool freshInsert, int modeIndex) {
    int row = freshInsert ? 0 : modeIndex;
    return row >= 0 && row < rowCount ? row : -1;
}

}  // namespace orv::editor
