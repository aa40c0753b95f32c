#include "common/ui/win32/services.h"

#include <commdlg.h>

#include <vector>

#include "common/help_topics.h"
#include "common/message_boxes.h"
#include "common/win32/system_routines.h"

namespace orv {
namespace {

HelpService* installedHelp = nullptr;
FileDialogs* installedFileDialogs = nullptr;
FormObserver* installedObserver = nullptr;

// "Text (*.TXT)|*.TXT" becomes the system's NUL-separated list, ended by two NULs.
std::vector<char> SystemFilter(const std::string& filter) {
    std::vector<char> list(filter.begin(), filter.end());
    for (char& c : list)
        if (c == '|')
            c = '\0';
    list.push_back('\0');
    list.push_back('\0');
    return list;
}

std::optional<std::string> RunFileDialog(HWND owner, const FileDialogOptions& options, bool save) {
    char file[MAX_PATH] = {};
    options.FileName.copy(file, MAX_PATH - 1);
    std::vector<char> filter = SystemFilter(options.Filter);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = options.Filter.empty() ? nullptr : filter.data();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrInitialDir = options.InitialDir.empty() ? nullptr : options.InitialDir.c_str();
    ofn.lpstrTitle = options.Title.empty() ? nullptr : options.Title.c_str();
    ofn.lpstrDefExt = options.DefaultExt.empty() ? nullptr : options.DefaultExt.c_str();
    ofn.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                (options.FileMustExist ? OFN_FILEMUSTEXIST : 0) |
                (options.HideReadOnly ? OFN_HIDEREADONLY : 0) |
                (options.OverwritePrompt ? OFN_OVERWRITEPROMPT : 0);
    BOOL chosen = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!chosen)
        return std::nullopt;
    return std::string(file);
}

// HtmlHelpA of the system's HTML Help library, loaded when help is first
// asked for so a program that never shows help never loads it.
using HtmlHelpCall = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
constexpr UINT HhDisplayTopic = 0;  // HH_DISPLAY_TOPIC

HtmlHelpCall HtmlHelpEntry() {
    static HtmlHelpCall entry = [] {
        HMODULE library = LoadLibraryA("hhctrl.ocx");
        return library ? reinterpret_cast<HtmlHelpCall>(
                             reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA")))
                       : nullptr;
    }();
    return entry;
}

void OpenHelp(const std::string& folder, std::string_view keyword) {
    std::string file = folder + "\\" + std::string(HelpFileName);
    if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
        CurrentMessageBoxes().Show("Notice", "The help file " + file + " could not be found.",
                                   MsgStyle::Ok | MsgStyle::IconInformation);
        return;
    }
    HtmlHelpCall htmlHelp = HtmlHelpEntry();
    // Owned by the desktop, so the help window stays open after the dialog
    // that asked for it closes.
    if (!htmlHelp ||
        !htmlHelp(GetDesktopWindow(), HelpAddress(file, keyword).c_str(), HhDisplayTopic, 0))
        CurrentMessageBoxes().Show("Notice", "The help file " + file + " could not be shown.",
                                   MsgStyle::Ok | MsgStyle::IconInformation);
}

}  // namespace

HtmlHelpService::HtmlHelpService() : folder_(ProgramDir()) {}

HtmlHelpService::HtmlHelpService(std::string folder) : folder_(std::move(folder)) {}

void HtmlHelpService::ShowHelp(HWND, std::string_view keyword) {
    OpenHelp(folder_, keyword);
}

void HtmlHelpService::ShowContents(HWND) {
    OpenHelp(folder_, HelpContentsKeyword);
}

HelpService& CurrentHelp() {
    static HtmlHelpService system;
    return installedHelp ? *installedHelp : system;
}

void SetCurrentHelp(HelpService* help) {
    installedHelp = help;
}

std::optional<std::string> Win32FileDialogs::Open(HWND owner, const FileDialogOptions& options) {
    return RunFileDialog(owner, options, false);
}

std::optional<std::string> Win32FileDialogs::Save(HWND owner, const FileDialogOptions& options) {
    return RunFileDialog(owner, options, true);
}

FileDialogs& CurrentFileDialogs() {
    static Win32FileDialogs system;
    return installedFileDialogs ? *installedFileDialogs : system;
}

void SetCurrentFileDialogs(FileDialogs* dialogs) {
    installedFileDialogs = dialogs;
}

FormObserver* CurrentFormObserver() {
    return installedObserver;
}

void SetFormObserver(FormObserver* observer) {
    installedObserver = observer;
}

}  // namespace orv
