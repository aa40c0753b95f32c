#include "editor/commands/file_commands.h"

#include <algorithm>

#include "common/macro_record.h"
#include "common/string_routines.h"

namespace orv::editor {
namespace {

using C = CommandCode;

constexpr C FileCodes[] = {C::ChangeDirectory, C::CopyFile, C::RenameFile, C::DeleteFile,
                           C::CreateDirectory};
constexpr C NickCodes[] = {C::MacroRun, C::MacroDelete, C::MacroActivate, C::MacroDeactivate};

bool NeedsNewName(FileCommand command) {
    return command == FileCommand::Copy || command == FileCommand::Rename;
}

C DesktopCode(int command) {
    if (command == 1)
        return C::DeskTopCascade;
    if (command <= 3)
        return C::DeskTopTile;
    if (command == 4)
        return C::DeskTopMinimizeAll;
    if (command == 5)
        return C::DeskTopRestoreAll;
    if (command == 6)
        return C::SuspendComputer;
    if (command == 7)
        return C::UndockComputer;
    return command <= 11 ? C::RunDialogWindow : C::OpenExplorerTo;
}

}  // namespace

DOSFilesOutcome ComposeDOSFiles(const DOSFilesInput& input, const FileChecks& files) {
    DOSFilesOutcome out;
    FileCommand command = input.Command;
    out.OptionCode = static_cast<std::int32_t>(command);
    out.Raw.NewFileName = EditText(input.NewName);
    if (NeedsNewName(command) && out.Raw.NewFileName.empty()) {
        out.Refuse("No new name specified.  Please correct.", DOSFilesField::NewName);
        return out;
    }
    std::string path = EditText(input.Path);
    switch (command) {
        case FileCommand::ChangeDir: {
            std::optional<std::string> folder = files.ExistingFolder(path);
            if (!folder) {
                out.Refuse("Specified directory/folder does not exist.  Please correct.",
                           DOSFilesField::ProgPath);
                return out;
            }
            path = *folder;
            break;
        }
        case FileCommand::CreateFolder:
            break;
        default:
            if (!files.ExistingFile(path)) {
                out.Refuse("Specified Text File does not exist.  Please correct.",
                           DOSFilesField::ProgPath);
                return out;
            }
    }
    out.Raw.FilePath = path;
    FileRec record{static_cast<std::uint32_t>(command), path, ""};
    if (NeedsNewName(command))
        record.SecondPath = out.Raw.NewFileName;
    out.Compose(FileCodes[static_cast<int>(command) - 1], record, DOSFilesField::ProgPath);
    return out;
}

template <>
DOSFilesInput InputFromRecord<DOSFilesInput>(CommandCode code, const CommandRecord& record) {
    const FileRec* r = std::get_if<FileRec>(&record);
    if (!r)
        return {};
    return {static_cast<FileCommand>(PlaceOf(FileCodes, code) + 1), r->Path.str(),
            r->SecondPath.str()};
}

DOSFilesLayout DOSFilesLayoutFor(FileCommand command) {
    switch (command) {
        case FileCommand::ChangeDir:
        case FileCommand::CreateFolder:
            return {false, true, "Directory/Folder"};
        case FileCommand::Copy:
        case FileCommand::Rename:
            return {true, false, "Text File Path/Name"};
        case FileCommand::Delete:
            break;
    }
    return {false, false, "Text File Path/Name"};
}

ExploreOutcome ComposeExplore(const ExploreInput& input, const FileChecks& files) {
    ExploreOutcome out;
    std::string path = EditText(input.Path);
    if (!files.ExistingFolder(path)) {
        out.Refuse("Specified folder does not exist.  Please correct.", ExploreField::ProgPath);
        return out;
    }
    out.Raw.FilePath = path;
    StringRec record;
    record.Text = path;
    out.Compose(C::OpenFolderInExplorer, record, ExploreField::ProgPath);
    return out;
}

template <>
ExploreInput InputFromRecord<ExploreInput>(CommandCode, const CommandRecord& record) {
    const StringRec* r = std::get_if<StringRec>(&record);
    return {r ? r->Text.str() : ""};
}

NickOutcome ComposeNick(const NickInput& input) {
    NickOutcome out;
    out.OptionCode = static_cast<std::int32_t>(input.Action);
    out.Raw.MacroNickname = EditText(input.Nickname);
    if (out.Raw.MacroNickname.empty()) {
        out.Refuse("No nickname has been entered.  Please correct.", NickField::ProgPath);
        return out;
    }
    MacroRefRec record{static_cast<std::uint32_t>(input.Action), out.Raw.MacroNickname};
    out.Compose(NickCodes[out.OptionCode - 1], record, NickField::ProgPath);
    return out;
}

template <>
NickInput InputFromRecord<NickInput>(CommandCode code, const CommandRecord& record) {
    const MacroRefRec* r = std::get_if<MacroRefRec>(&record);
    if (!r)
        return {};
    return {static_cast<NickAction>(PlaceOf(NickCodes, code) + 1), r->Nickname.str()};
}

std::vector<std::string> NickListEntries(const std::vector<MacroNickname>& macros) {
    std::vector<std::string> entries;
    for (const MacroNickname& macro : macros) {
        std::string nickname = TrimStr(macro.Nickname);
        if (macro.Kind != MacroKind::System && !nickname.empty())
            entries.push_back(std::move(nickname));
    }
    return entries;
}

std::string HighlightedNicknameQuestion(const std::string& highlighted) {
    return "No nickname has been entered.  \"" + highlighted +
           "\" is currently highlighted.  Would you like to use it?";
}

RecycleOutcome ComposeRecycle(const RecycleInput& input) {
    RecycleOutcome out;
    int command = std::clamp(input.Command, 1, DesktopCommandCount);
    out.OptionCode = command;
    out.Compose(DesktopCode(command), DesktopRec{static_cast<std::uint32_t>(command)},
                RecycleField::None);
    return out;
}

template <>
RecycleInput InputFromRecord<RecycleInput>(CommandCode, const CommandRecord& record) {
    const DesktopRec* r = std::get_if<DesktopRec>(&record);
    return {r ? static_cast<int>(r->Action) : 1};
}

bool DesktopCommandOffered(int command, bool browser4OrLater) {
    return browser4OrLater || command <= 3;
}

}  // namespace orv::editor
