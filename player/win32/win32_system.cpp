#include "player/win32/win32_system.h"

#include <windows.h>
#include <winnetwk.h>
#include <ole2.h>
#include <oleauto.h>

#include <array>
#include <cstdio>

#include "common/win32/system_routines.h"

namespace orv::player {

namespace {

constexpr DWORD EnumBufferBytes = 16384;

std::string Text(std::string_view s) {
    return std::string(s);
}

std::optional<std::string> OptionalText(std::optional<std::string_view> s) {
    return s ? std::optional<std::string>(*s) : std::nullopt;
}

const char* NullIfNone(const std::optional<std::string>& s) {
    return s ? s->c_str() : nullptr;
}

}  // namespace

std::string SystemErrorText(std::uint32_t error) {
    char text[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, error, 0, text, sizeof text, nullptr);
    while (length > 0 &&
           (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == ' '))
        text[--length] = 0;
    if (length > 0)
        return text;
    char number[32];
    std::snprintf(number, sizeof number, "Error 0x%08lX", static_cast<unsigned long>(error));
    return number;
}

std::uint32_t Win32Network::AddConnection(std::string_view local, std::string_view remote,
                                          std::optional<std::string_view> user,
                                          std::optional<std::string_view> password,
                                          bool persistent) {
    std::string localName = Text(local), remoteName = Text(remote);
    const std::optional<std::string> userName = OptionalText(user), secret = OptionalText(password);
    NETRESOURCEA resource{};
    resource.dwType = RESOURCETYPE_DISK;
    resource.lpLocalName = localName.data();
    resource.lpRemoteName = remoteName.data();
    // A null pointer, unlike "", is the logged-on user's own name or password.
    return WNetAddConnection2A(&resource, NullIfNone(secret), NullIfNone(userName),
                               persistent ? CONNECT_UPDATE_PROFILE : 0);
}

std::uint32_t Win32Network::CancelConnection(std::string_view name, bool persistent, bool force) {
    return WNetCancelConnection2A(Text(name).c_str(), persistent ? CONNECT_UPDATE_PROFILE : 0,
                                  force ? TRUE : FALSE);
}

std::vector<std::string> Win32Network::ConnectedDrives() {
    std::vector<std::string> drives;
    HANDLE list = nullptr;
    if (WNetOpenEnumA(RESOURCE_CONNECTED, RESOURCETYPE_DISK, 0, nullptr, &list) != NO_ERROR)
        return drives;
    // DWORD-aligned, as the records it receives hold pointers.
    std::vector<DWORD_PTR> buffer(EnumBufferBytes / sizeof(DWORD_PTR));
    DWORD count = static_cast<DWORD>(-1);
    DWORD size = EnumBufferBytes;
    if (WNetEnumResourceA(list, &count, buffer.data(), &size) == NO_ERROR) {
        const auto* resources = reinterpret_cast<const NETRESOURCEA*>(buffer.data());
        for (DWORD i = 0; i < count; ++i)
            if (resources[i].lpRemoteName && resources[i].lpLocalName)
                drives.emplace_back(resources[i].lpLocalName);
    }
    WNetCloseEnum(list);
    return drives;
}

std::optional<std::int32_t> Win32Display::ChangeMode(std::uint32_t mode, bool testOnly) {
    DEVMODEA found{};
    bool met = false;
    for (DWORD i = 0;; ++i) {
        DEVMODEA candidate{};
        candidate.dmSize = sizeof candidate;
        if (!EnumDisplaySettingsA(nullptr, i, &candidate))
            break;
        if (i == mode) {
            found = candidate;
            met = true;
        }
    }
    if (!met)
        return std::nullopt;
    return ChangeDisplaySettingsA(&found, testOnly ? CDS_TEST : CDS_UPDATEREGISTRY);
}

std::vector<std::string> Win32Printers::PrinterNames() {
    return InstalledPrinterNames();
}

bool Win32Printers::SetDefault(std::string_view printer) {
    // The supported road: it writes the user's default where the system keeps
    // it and tells every window (WIN.INI alone, Windows 10 may override).
    return SetDefaultPrinterA(Text(printer).c_str()) != FALSE;
}

void Win32Desktop::WriteDesktopValue(std::string_view name, std::string_view value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    const std::string text = Text(value);
    RegSetValueExA(key, Text(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

void Win32Desktop::ApplyWallpaper(std::string_view file) {
    std::string path = Text(file);
    // Kept in the user's profile, or it is gone at the next sign-in.
    SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, path.data(),
                          SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

bool Win32Desktop::ScreenSaverActive() {
    BOOL active = FALSE;
    return SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0) && active;
}

void Win32Desktop::StartScreenSaver() {
    PostMessageA(GetDesktopWindow(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
}

void Win32Desktop::Beep() {
    MessageBeep(MB_OK);
}

void Win32Desktop::Arrange(Arrangement how) {
    switch (how) {
        case Arrangement::Cascade:
            CascadeWindows(nullptr, 0, nullptr, 0, nullptr);
            break;
        case Arrangement::TileVertically:
            TileWindows(nullptr, MDITILE_VERTICAL, nullptr, 0, nullptr);
            break;
        case Arrangement::TileHorizontally:
            TileWindows(nullptr, MDITILE_HORIZONTAL, nullptr, 0, nullptr);
            break;
    }
}

namespace {

// Shell.Application.
constexpr CLSID ShellApplication = {
    0x13709620, 0xC279, 0x11CE, {0xA4, 0x9E, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

// The member each command calls, 4 "<MINIDESK>" .. 11 "<RUNRP>"; from 12 on
// "Explore" with a special folder.
constexpr std::array<const wchar_t*, 8> ShellMembers{
    L"MinimizeAll", L"UndoMinimizeALL", L"Suspend",   L"EjectPC",
    L"SetTime",     L"FindComputer",    L"FindFiles", L"FileRun",
};

HRESULT Invoke(IDispatch* shell, int command) {
    const int folder = ShellSpecialFolder(command);
    const wchar_t* member = folder >= 0 ? L"Explore" : ShellMembers[command - 4];
    DISPID id = 0;
    LPOLESTR name = const_cast<LPOLESTR>(member);
    HRESULT hr = shell->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        return hr;
    VARIANTARG argument;
    VariantInit(&argument);
    argument.vt = VT_I4;
    argument.lVal = folder;
    DISPPARAMS parameters{folder >= 0 ? &argument : nullptr, nullptr,
                          static_cast<UINT>(folder >= 0 ? 1 : 0), 0};
    VARIANT result;
    VariantInit(&result);
    hr = shell->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, &result,
                       nullptr, nullptr);
    VariantClear(&result);
    return hr;
}

}  // namespace

Win32Shell::~Win32Shell() {
    if (oleStarted_)
        OleUninitialize();
}

ShellHost::Result Win32Shell::Call(int command) {
    if (command < 4 || command > 25)
        return {};
    if (!oleStarted_)
        oleStarted_ = SUCCEEDED(OleInitialize(nullptr));
    IDispatch* shell = nullptr;
    HRESULT hr = CoCreateInstance(ShellApplication, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                  reinterpret_cast<void**>(&shell));
    if (SUCCEEDED(hr)) {
        hr = Invoke(shell, command);
        shell->Release();
    }
    if (SUCCEEDED(hr))
        return {};
    return {static_cast<std::int32_t>(hr), SystemErrorText(static_cast<std::uint32_t>(hr))};
}

bool AdjustPrivilege(const char* name, bool enable) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges{};
    bool adjusted = false;
    if (LookupPrivilegeValueA(nullptr, name, &privileges.Privileges[0].Luid)) {
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
        // The call succeeds also when the token lacks the privilege; only the
        // last error tells.
        adjusted = AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
                   GetLastError() != ERROR_NOT_ALL_ASSIGNED;
    }
    CloseHandle(token);
    return adjusted;
}

bool Win32Exits::SetShutdownPrivilege(bool enable) {
    return AdjustPrivilege("SeShutdownPrivilege", enable);
}

bool Win32Exits::LeaveWindows(Exit how) {
    // The user's programs are asked, never forced, to close. A true answer
    // means only that the request was made: the session may still refuse.
    constexpr UINT flags[] = {EWX_LOGOFF, EWX_REBOOT, EWX_SHUTDOWN, EWX_POWEROFF};
    return ExitWindowsEx(flags[static_cast<std::size_t>(how)], 0) != FALSE;
}

}  // namespace orv::player
