#include "common/win32/system_routines.h"

#include "common/shared_routines.h"
#include "common/string_routines.h"
#include "common/win32/foreground.h"
#include "common/win32/registry.h"

namespace orv {

std::string ProgramDir() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full(path, length);
    std::size_t slash = full.find_last_of('\\');
    return slash == std::string::npos ? std::string() : full.substr(0, slash);
}

bool DirExists(const std::string& path) {
    char previous[MAX_PATH] = {};
    DWORD length = GetCurrentDirectoryA(MAX_PATH, previous);
    if (!SetCurrentDirectoryA(path.c_str()))
        return false;
    if (length > 0 && length < MAX_PATH)
        SetCurrentDirectoryA(previous);
    return true;
}

bool RefuseScreenSaverCommand(WPARAM command, bool refuse, LRESULT& result) {
    if ((command & 0xFFF0) != SC_SCREENSAVE || !refuse)
        return false;
    result = -1;
    return true;
}

bool IsBrowser4OrLater() {
    auto version =
        ReadRegistryString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Internet Explorer", "Version");
    return version && IsBrowserVersion4OrLater(*version);
}

HANDLE StartCompanionProcess(const std::string& program, const std::string& arguments) {
    // The program's own name first, quoted, as every C runtime reads argv[0];
    // the buffer is writable, as CreateProcessA requires.
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started))
        return nullptr;
    CloseHandle(started.hThread);
    // Our own windows, the editor's above all, are what the user asked for:
    // the system lets a program started in the background come forward only
    // when its starter allows it.
    LetTakeForeground(started.hProcess);
    return started.hProcess;
}

bool StartCompanion(const std::string& program, const std::string& arguments) {
    HANDLE process = StartCompanionProcess(program, arguments);
    if (process)
        CloseHandle(process);
    return process != nullptr;
}

void LaunchMouseLocator() {
    static_cast<void>(StartCompanion(ProgramDir() + "\\LOKARI.EXE", "QOR"));
}

namespace {

SYSTEMTIME SystemTimeOf(const DateTimeParts& when) {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(when.year);
    t.wMonth = static_cast<WORD>(when.month);
    t.wDay = static_cast<WORD>(when.day);
    t.wDayOfWeek = static_cast<WORD>((when.dayOfWeek + 6) % 7);
    t.wHour = static_cast<WORD>(when.hour);
    t.wMinute = static_cast<WORD>(when.minute);
    t.wSecond = static_cast<WORD>(when.second);
    return t;
}

}  // namespace

std::string SystemDateText(const DateTimeParts& when) {
    SYSTEMTIME t = SystemTimeOf(when);
    char text[80] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, text, sizeof text);
    return text;
}

std::string SystemTimeText(const DateTimeParts& when) {
    SYSTEMTIME t = SystemTimeOf(when);
    char text[80] = {};
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &t, nullptr, text, sizeof text);
    return text;
}

std::vector<std::string> InstalledPrinterNames() {
    std::vector<std::string> names;
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0, count = 0;
    EnumPrintersA(flags, nullptr, 4, nullptr, 0, &needed, &count);
    if (needed == 0)
        return names;
    std::vector<DWORD_PTR> buffer(needed / sizeof(DWORD_PTR) + 1);
    if (!EnumPrintersA(flags, nullptr, 4, reinterpret_cast<BYTE*>(buffer.data()), needed, &needed,
                       &count))
        return names;
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        if (printers[i].pPrinterName)
            names.emplace_back(printers[i].pPrinterName);
    }
    return names;
}

namespace {

struct TitleSearch {
    bool withMinimized;
    std::vector<std::string> titles;
};

BOOL CALLBACK CollectVisibleTitle(HWND window, LPARAM search) {
    auto& s = *reinterpret_cast<TitleSearch*>(search);
    if (!IsWindowVisible(window) || (!s.withMinimized && IsIconic(window)))
        return TRUE;
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    if (!TrimStr(title).empty())
        s.titles.push_back(title);
    return TRUE;
}

}  // namespace

std::vector<std::string> VisibleWindowTitles(bool withMinimized) {
    TitleSearch search{withMinimized, {}};
    EnumWindows(CollectVisibleTitle, reinterpret_cast<LPARAM>(&search));
    return search.titles;
}

}  // namespace orv
