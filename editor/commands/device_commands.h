// What the default-printer (TDoDefPrint) and screen-mode (TDoScreen) dialogs
// compute from the row the user chose.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "editor/commands/command_dialogs.h"

namespace orv::editor {

enum class DefPrintField { SettingBox };
struct DefPrintValues {
    std::string PrinterName;
};
using DefPrintOutcome = CommandOutcome<DefPrintField, DefPrintValues>;
struct DefPrintInput {
    std::optional<std::string> Printer;  // the selected row
};
DefPrintOutcome ComposeDefPrint(const DefPrintInput& input);
template <>
DefPrintInput InputFromRecord<DefPrintInput>(CommandCode code, const CommandRecord& record);

// The mode is stored by its place in this machine's list, three digits: a
// row beyond 999 is listed but cannot be written.
enum class ScreenField { SettingBox };
struct ScreenValues {
    std::int32_t ModeIndex = 0;
};
using ScreenOutcome = CommandOutcome<ScreenField, ScreenValues>;
struct ScreenInput {
    int Row = -1;
};
ScreenOutcome ComposeScreen(const ScreenInput& input);
template <>
ScreenInput InputFromRecord<ScreenInput>(CommandCode code, const CommandRecord& record);
// The row selected on show: the first for a new command, else the line's own.
int InitialModeRow(int rowCount, bool freshInsert, int modeIndex);

}  // namespace orv::editor
