#include "common/ui/win32/shell_service.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <memory>

namespace orv {
namespace {

ShellService* installedShell = nullptr;

template <class Interface>
struct Released {
    void operator()(Interface* p) const { p->Release(); }
};
template <class Interface>
using ComRef = std::unique_ptr<Interface, Released<Interface>>;

ComRef<IShellLinkA> NewShellLink() {
    IShellLinkA* link = nullptr;
    CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                     reinterpret_cast<void**>(&link));
    return ComRef<IShellLinkA>(link);
}

ComRef<IPersistFile> FileOf(IShellLinkA& link) {
    IPersistFile* file = nullptr;
    link.QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    return ComRef<IPersistFile>(file);
}

std::wstring Wide(const std::string& text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(length, 1)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    wide.resize(wide.size() - 1);
    return wide;
}

int FolderId(ShellFolder folder) {
    switch (folder) {
        case ShellFolder::Desktop:
            return CSIDL_DESKTOPDIRECTORY;
        case ShellFolder::StartMenu:
            return CSIDL_STARTMENU;
        case ShellFolder::CommonStartMenu:
            return CSIDL_COMMON_STARTMENU;
    }
    return CSIDL_DESKTOPDIRECTORY;
}

}  // namespace

ComScope::ComScope() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}

ComScope::~ComScope() {
    if (initialised_)
        CoUninitialize();
}

bool Win32ShellService::Open(HWND owner, std::string_view file, std::string_view parameters) {
    std::string name(file), arguments(parameters);
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(owner, "open", name.c_str(), arguments.empty() ? nullptr : arguments.c_str(),
                      nullptr, SW_SHOWNORMAL));
    return result > 32;
}

bool Win32ShellService::CreateLink(const std::string& path, const ShellLink& link) {
    ComScope com;
    ComRef<IShellLinkA> shellLink = NewShellLink();
    if (!shellLink)
        return false;
    shellLink->SetPath(link.Target.c_str());
    shellLink->SetArguments(link.Arguments.c_str());
    if (!link.IconPath.empty())
        shellLink->SetIconLocation(link.IconPath.c_str(), link.IconIndex);
    ComRef<IPersistFile> file = FileOf(*shellLink);
    return file && SUCCEEDED(file->Save(Wide(path).c_str(), TRUE));
}

std::optional<ShellLink> Win32ShellService::ReadLink(const std::string& path) {
    ComScope com;
    ComRef<IShellLinkA> shellLink = NewShellLink();
    ComRef<IPersistFile> file = shellLink ? FileOf(*shellLink) : nullptr;
    if (!file || FAILED(file->Load(Wide(path).c_str(), STGM_READ)))
        return std::nullopt;
    char text[MAX_PATH * 2] = {};
    ShellLink link;
    if (SUCCEEDED(shellLink->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH)))
        link.Target = text;
    text[0] = '\0';
    if (SUCCEEDED(shellLink->GetArguments(text, sizeof text)))
        link.Arguments = text;
    text[0] = '\0';
    if (SUCCEEDED(shellLink->GetIconLocation(text, sizeof text, &link.IconIndex)))
        link.IconPath = text;
    return link;
}

std::string Win32ShellService::SpecialFolder(ShellFolder folder) {
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, FolderId(folder), nullptr, SHGFP_TYPE_CURRENT, path)))
        return {};
    return path;
}

ShellService& CurrentShell() {
    static Win32ShellService system;
    return installedShell ? *installedShell : system;
}

void SetCurrentShell(ShellService* shell) {
    installedShell = shell;
}

}  // namespace orv
