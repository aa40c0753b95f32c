#include "editor/script/win32/icon_chooser.h"

#include "common/message_boxes.h"
#include "common/string_routines.h"
#include "common/ui/win32/services.h"
#include "common/win32/icons.h"
#include "editor/script/icon_name.h"

namespace orv::editor {
namespace {

bool FileExists(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string FileNamePart(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ShortPath(const std::string& path) {
    char buffer[MAX_PATH];
    DWORD n = GetShortPathNameA(path.c_str(), buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(buffer, n) : path;
}

}  // namespace

IconChooser::IconChooser(TSpeedButton& button, std::string programDir, OrvaneIcon mainIcon)
    : button_(button),
      programDir_(std::move(programDir)),
      mainIcon_(mainIcon),
      name_(MainIconName) {}

IconChooser::~IconChooser() {
    if (icon_)
        DestroyIcon(icon_);
}

void IconChooser::Restore(const std::string& name) {
    std::string path = IconFolder(programDir_) + "\\" + name;
    if (name != MainIconName && !name.empty() && FileExists(path))
        ShowFile(path, name);
    else
        ShowMain();
}

void IconChooser::Choose(HWND owner) {
    FileDialogOptions options;
    options.Title = "Load in Icon";
    options.Filter = "Icons (*.ico)|*.ICO";
    options.InitialDir = IconFolder(programDir_);
    std::optional<std::string> chosen = CurrentFileDialogs().Open(owner, options);
    if (!chosen)
        return;
    if (!IsIconFile(*chosen)) {
        ShowError(IconMessage::InvalidType);
        return;
    }
    std::string folder = IconFolder(programDir_);
    std::string target = folder + "\\" + FileNamePart(*chosen);
    // The folder's own file, however its name was typed, is used in place.
    if (UpperAscii(ShortPath(*chosen)) != UpperAscii(ShortPath(target))) {
        // A library moved to a new folder has no icons folder yet.
        CreateDirectoryA(folder.c_str(), nullptr);
        if (!CopyFileA(chosen->c_str(), target.c_str(), TRUE))
            ShowError(IconMessage::AlreadyExists);
    }
    std::optional<std::string> name = IconNameOf(ShortPath(target));
    if (!FileExists(target) || !name) {
        ShowError(IconMessage::CannotOpen);
        return;
    }
    ShowFile(target, *name);
}

void IconChooser::AskReset() {
    if (CurrentMessageBoxes().Show("", IconMessage::ResetQuestion,
                                   MsgStyle::YesNo | MsgStyle::IconQuestion) == MsgResult::Yes)
        ShowMain();
}

void IconChooser::ShowFile(const std::string& path, std::string name) {
    HICON icon =
        static_cast<HICON>(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE));
    if (icon_)
        DestroyIcon(icon_);
    icon_ = icon;
    name_ = std::move(name);
    button_.SetPicture({nullptr, icon_ ? icon_ : LoadProgramIcon(mainIcon_, true)});
}

void IconChooser::ShowMain() {
    name_ = MainIconName;
    button_.SetPicture({nullptr, LoadProgramIcon(mainIcon_, true)});
}

}  // namespace orv::editor
