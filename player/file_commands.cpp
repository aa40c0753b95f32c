#include "player/file_commands.h"

#include "common/folder_path.h"
#include "player/playback.h"

namespace orv::player {

namespace {

using C = CommandCode;

// "a;b": the names either side of the first ";"; the second keeps any further ";".
std::pair<std::string, std::string> TwoNames(std::string_view field) {
    const std::size_t split = field.find(';');
    if (split == std::string_view::npos)
        return {std::string(field), {}};
    return {std::string(field.substr(0, split)), std::string(field.substr(split + 1))};
}

}  // namespace

bool CreateFolderPath(const std::string& path, FileHost& files, PlayerHost& player) {
    for (const std::string& level : FolderLevels(path)) {
        const std::string folder(WithoutTrailingBackslash(level));
        if (folder.empty() || files.FolderExists(folder))
            continue;
        if (!files.CreateFolder(folder)) {
            player.DoAMessage("Create Folder Failed",
                              "Folder \"" + folder + "\" could not be created.");
            return false;
        }
    }
    return true;
}

Flow FileCommands::Perform(CommandContext& context) {
    const std::string_view field = context.Match.Texts[0];
    const std::string name(field);
    switch (context.Form().Code) {
        case C::ChangeDirectory:
            host_.ChangeDirectory(name);
            break;
        case C::CreateDirectory:
            if (!host_.FolderExists(std::string(WithoutTrailingBackslash(name))))
                CreateFolderPath(name, host_, context.Play.Host());
            break;
        case C::DeleteFile:
            host_.RemoveFile(name);
            break;
        case C::CopyFile: {
            const auto [from, to] = TwoNames(field);
            host_.CopyFileOver(from, to);
            break;
        }
        case C::RenameFile: {
            const auto [from, to] = TwoNames(field);
            host_.RenameFile(from, to);
            break;
        }
        case C::OpenFolderInExplorer:
            host_.Explore(name);
            break;
        default:
            ReportFormWithoutCase(context.Form());
    }
    return Flow::Next;
}

}  // namespace orv::player
