// The bridges of the command families whose dialog opens on its own: the
// dialog pre-filled for a new line of a code or from the line being edited,
// and the line it composes. Each family is one row of the table in the .cpp.
#pragma once

#include <optional>
#include <string>

#include "common/script/records.h"
#include "editor/commands/command_context.h"
#include "editor/script/bridges.h"

namespace orv {
class TForm;
}  // namespace orv

namespace orv::editor {

// How the dialog of a new line starts: on the choice of the code (the script
// editor and the palette), or from the dialog's own reset for a new command,
// FreshInsert 1 (the direct editor's buttons).
enum class NewLineStart { Preselected, FreshInsert };

// The line the dialog composed; nothing when it was cancelled. editing is
// null for a new line of code, which starts as start says.
using DialogBridgeFn = std::optional<CommandLine> (*)(TForm& owner, CommandContext& context,
                                                      CommandCode code, const CommandLine* editing,
                                                      NewLineStart start);

// The bridge of the family; null for the text-file family, which the
// script editor serves itself.
DialogBridgeFn DialogBridge(Bridge bridge);

// A new command of the code composed in its dialog, started as start says,
// for callers that take the command's text; the text-file dialog comes
// without the script editor's choice. Nothing when it was cancelled or the
// code has no dialog.
std::optional<std::string> NewCommandText(TForm& owner, CommandContext& context, CommandCode code,
                                          NewLineStart start = NewLineStart::Preselected);

}  // namespace orv::editor
