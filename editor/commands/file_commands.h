// What the file, folder, macro and desktop dialogs compute: file commands
// (TDoDOSFiles), opening a folder (TDoExplore), running or switching another
// macro (TDoNick) and the desktop commands (TDoRecycle).
#pragma once

#include <string>
#include <vector>

#include "editor/commands/command_context.h"
#include "editor/commands/command_dialogs.h"
#include "editor/commands/file_checks.h"

namespace orv::editor {

// File commands (TDoDOSFiles), in the order of their buttons.
enum class FileCommand { ChangeDir = 1, Copy, Rename, Delete, CreateFolder };
enum class DOSFilesField { ProgPath, NewName };
struct DOSFilesValues {
    std::string FilePath;
    std::string NewFileName;
};
using DOSFilesOutcome = CommandOutcome<DOSFilesField, DOSFilesValues>;
struct DOSFilesInput {
    FileCommand Command = FileCommand::ChangeDir;
    std::string Path;
    std::string NewName;
};
DOSFilesOutcome ComposeDOSFiles(const DOSFilesInput& input, const FileChecks& files);
template <>
DOSFilesInput InputFromRecord<DOSFilesInput>(CommandCode code, const CommandRecord& record);
struct DOSFilesLayout {
    bool ShowNewName = false;
    bool BrowseFolder = false;  // else a file
    std::string_view PathLabel;
};
DOSFilesLayout DOSFilesLayoutFor(FileCommand command);

// The title of the folder browser of the file and folder dialogs.
constexpr std::string_view FolderBrowserTitle = "Please specify a directory";

// Opening a folder in the file explorer (TDoExplore).
enum class ExploreField { ProgPath };
struct ExploreValues {
    std::string FilePath;
};
using ExploreOutcome = CommandOutcome<ExploreField, ExploreValues>;
struct ExploreInput {
    std::string Path;
};
ExploreOutcome ComposeExplore(const ExploreInput& input, const FileChecks& files);
template <>
ExploreInput InputFromRecord<ExploreInput>(CommandCode code, const CommandRecord& record);

// Another macro by its nickname (TDoNick).
enum class NickAction { Run = 1, Delete, Activate, Deactivate };
enum class NickField { ProgPath };
struct NickValues {
    std::string MacroNickname;
};
using NickOutcome = CommandOutcome<NickField, NickValues>;
struct NickInput {
    NickAction Action = NickAction::Run;
    std::string Nickname;
};
NickOutcome ComposeNick(const NickInput& input);
template <>
NickInput InputFromRecord<NickInput>(CommandCode code, const CommandRecord& record);
// The nicknames the list offers: every macro's but the system macros', none
// empty.
std::vector<std::string> NickListEntries(const std::vector<MacroNickname>& macros);
// Asked when no nickname was typed but one is highlighted in the list.
std::string HighlightedNicknameQuestion(const std::string& highlighted);

// Desktop commands (TDoRecycle), numbered by their option codes 1 to 25.
constexpr int DesktopCommandCount = 25;
enum class RecycleField { None };
using RecycleOutcome = CommandOutcome<RecycleField>;
struct RecycleInput {
    int Command = 1;  // Cascade
};
RecycleOutcome ComposeRecycle(const RecycleInput& input);
template <>
RecycleInput InputFromRecord<RecycleInput>(CommandCode code, const CommandRecord& record);
// An older shell offers only the three arrangements.
bool DesktopCommandOffered(int command, bool browser4OrLater);

}  // namespace orv::editor
