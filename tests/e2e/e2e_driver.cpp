#include "tests/e2e/e2e_driver.h"

#include <algorithm>
#include <array>
#include <filesystem>

#include "common/files.h"
#include "common/program_messages.h"
#include "common/win32/kernel_objects.h"
#include "common/win32/system_routines.h"
#include "common/hook_table.h"
#include "common/hotkeys.h"
#include "common/side_files.h"
#include "tests/support/win32/wait_for.h"
#include "tests/support/win32/process.h"

namespace orv::e2e {

using testing::WaitFor;

MacroRecord Macro(const std::string& nickname, std::uint16_t code, std::int16_t kind,
                  const std::string& script, const std::string& scope, std::uint8_t scopeMatch) {
    MacroRecord r;
    r.Nickname = nickname;
    r.ActivationCode = code;
    r.MacroKind = kind;
    r.Enabled = 1;
    r.IconName = "MAIN";
    r.CuewordCase = 3;
    r.ScopeText = scope;
    r.ScopeMatch = scopeMatch;
    r.SetScriptText(script);
    return r;
}

std::string TempPath(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    return temp + name;
}

std::string WriteLibrary(const std::string& name, const std::vector<MacroRecord>& records) {
    const std::string path = TempPath(name);
    std::string bytes(records.size() * MacroRecord::Size, '\0');
    for (std::size_t k = 0; k < records.size(); ++k)
        records[k].Encode(RecordBytes<MacroRecord::Size>(
            reinterpret_cast<std::uint8_t*>(bytes.data()) + k * MacroRecord::Size,
            MacroRecord::Size));
    std::filesystem::remove(RemapFileName(path));
    return ReplaceFileContents(path, bytes) ? path : std::string();
}

std::optional<MacroRecord> LibraryRecord(const std::string& path, int n) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    const std::size_t at = static_cast<std::size_t>(n - 1) * MacroRecord::Size;
    if (!bytes || n < 1 || bytes->size() < at + MacroRecord::Size)
        return std::nullopt;
    return MacroRecord::Decode(ConstRecordBytes<MacroRecord::Size>(
        reinterpret_cast<const std::uint8_t*>(bytes->data()) + at, MacroRecord::Size));
}

Process::~Process() {
    Kill();
}

bool Process::Start(const std::string& commandLine) {
    Kill();
    process_ = testing::StartProcess(commandLine);
    return process_ != nullptr;
}

bool Process::WaitExit(unsigned timeoutMs) {
    return process_ && WaitFor([&] { return !Running(); }, timeoutMs);
}

bool Process::WaitExitBlocking(unsigned timeoutMs) {
    return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Process::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_)
        GetExitCodeProcess(process_, &code);
    return code;
}

bool Process::Running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

void Process::Kill() {
    if (!process_)
        return;
    if (Running()) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
    process_ = nullptr;
}

std::string Beside(const std::string& program, const std::string& folder) {
    return "\"" + (folder.empty() ? ProgramDir() : folder) + "\\" + program + "\"";
}

bool Player::Start(const std::string& library, const std::string& extra) {
    // An editor started on a first use would open the setup wizard over the
    // windows the tests drive.
    WritePrivateProfileStringA("Misc", "First Use", "No", "ORVAN.INI");
    if (!process_.Start(Beside("Tavrol.exe", folder_) + " \"/F" + library + "\" /EN /H " + extra))
        return false;
    // The window exists before the hooks; its message loop runs only after.
    return WaitFor([&] {
        window_ = FindWindowA("TavrolMainWin", nullptr);
        DWORD_PTR result = 0;
        return window_ &&
               SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 200, &result);
    });
}

HWND Player::StartWithEditor(const std::string& library) {
    HWND editor = nullptr;
    if (Start(library, "/EY"))
        WaitFor([&] { return (editor = EditorWindow()) != nullptr; });
    return editor;
}

bool Player::Stop() {
    if (!process_.Running())
        return true;
    // A player started through Proc() is found by its window class.
    if (HWND w = window_ ? window_ : FindWindowA("TavrolMainWin", nullptr))
        PostMessageA(w, WM_CLOSE, 0, 0);
    const bool ended = process_.WaitExit(10000);
    process_.Kill();
    window_ = nullptr;
    return ended;
}

int PlayerWindows() {
    int count = 0;
    for (HWND w = FindWindowA("TavrolMainWin", nullptr); w;
         w = FindWindowExA(nullptr, w, "TavrolMainWin", nullptr))
        ++count;
    return count;
}

Target::~Target() {
    if (top_)
        PostMessageA(top_, WM_CLOSE, 0, 0);
    process_.WaitExit(5000);
}

bool Target::Start(const std::string& title) {
    return Launch("", title) && TakesKeys();
}

bool Target::StartAlone(const std::string& title) {
    return Launch("/shown ", title);
}

bool Target::Launch(const std::string& options, const std::string& title) {
    if (!process_.Start(Beside("e2e_target.exe") + " " + options + title))
        return false;
    return WaitFor([&] {
        top_ = FindWindowA("OrvE2ETarget", title.c_str());
        edit_ = top_ ? FindWindowExA(top_, nullptr, "EDIT", nullptr) : nullptr;
        return edit_ != nullptr;
    });
}

bool Target::TakesKeys() {
    // The X window can still be unmapped when the Windows one exists; the X
    // focus request then fails and xdotool drops the keys that follow it. The
    // probe deletes a selected text, so a key that arrives late or twice
    // changes nothing more; a lost one is sent again.
    constexpr int attempts = 10;
    constexpr unsigned attemptMs = 2000;
    SetText("probe");
    for (int attempt = 0; attempt < attempts; ++attempt) {
        SendMessageA(edit_, EM_SETSEL, 0, -1);
        if (!Keys("key Delete"))
            return false;
        if (WaitFor([&] { return Text().empty(); }, attemptMs))
            return true;
    }
    return false;
}

std::string Target::Text() const {
    return TextOf(edit_);
}

bool Xdotool(const std::string& arguments) {
    return testing::StartHostProgram("/usr/bin/xdotool " + arguments);
}

KeyboardWatch::KeyboardWatch(HOOKPROC watch) : watch_(watch) {
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    WaitForSingleObject(ready_, 5000);
}

KeyboardWatch::~KeyboardWatch() {
    PostThreadMessageA(GetThreadId(thread_), WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
    CloseHandle(ready_);
}

DWORD WINAPI KeyboardWatch::Run(void* self) {
    auto* watch = static_cast<KeyboardWatch*>(self);
    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, watch->watch_, GetModuleHandleA(nullptr), 0);
    SetEvent(watch->ready_);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    if (hook)
        UnhookWindowsHookEx(hook);
    return 0;
}

std::string Target::FocusCommand() const {
    const auto xid = reinterpret_cast<UINT_PTR>(GetPropA(top_, "__wine_x11_whole_window"));
    return "windowfocus --sync " + std::to_string(xid);
}

bool Target::Focus() {
    // Without a window manager the X focus alone does not make a window the
    // foreground one: both are asked for.
    SetForegroundWindow(top_);
    // The target's thread activates itself when it next reads its messages; a
    // message sent now is read after that, so once it is answered the keys
    // that follow cannot meet a half-made activation.
    DWORD_PTR result = 0;
    return Xdotool(FocusCommand()) && WaitFor([&] { return GetForegroundWindow() == top_; }) &&
           SendMessageTimeoutA(top_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

bool Target::Keys(const std::string& commands) {
    // The keys go in the same xdotool run as a second focus request, so they
    // cannot overtake it.
    return Focus() && Xdotool(FocusCommand() + " " + commands);
}

bool Target::SendKeysUntilText(const std::string& keys, const std::string& expected) {
    for (int press = 0; press < 2; ++press) {
        Clear();
        if (!Keys(keys))
            return false;
        if (WaitFor([&] { return Text() == expected; }, press == 0 ? 8000 : 20000))
            return true;
    }
    return false;
}

void Target::Clear() {
    SetText("");
}

void Target::SetText(const char* text) {
    SetTextOf(edit_, text);
}

namespace {

constexpr const char* FakeEditorClass = "OrvE2EFakeEditor";

}  // namespace

std::vector<std::uint8_t> MasterTable() {
    std::vector<std::uint8_t> bytes;
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, KernelName::MasterTable);
    if (!mapping)
        return bytes;
    auto* view = static_cast<const std::uint8_t*>(
        MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, HookTable::Size));
    if (view) {
        bytes.assign(view, view + HookTable::Size);
        UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
    return bytes;
}

std::uint8_t MasterByte(std::size_t at) {
    const std::vector<std::uint8_t> table = MasterTable();
    return table.empty() ? 0xFF : table[at];
}

std::uint32_t MasterU32(std::size_t at) {
    const std::vector<std::uint8_t> table = MasterTable();
    return table.empty() ? 0xFFFFFFFF : GetU32(table, at);
}

bool SetMaster(std::size_t at, const std::vector<std::uint8_t>& bytes) {
    // Opened and closed here: a mapping this process kept open would outlive
    // the player and keep its name taken.
    HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, KernelName::MasterTable);
    if (!mapping)
        return false;
    auto* view =
        static_cast<std::uint8_t*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, HookTable::Size));
    if (view) {
        std::copy(bytes.begin(), bytes.end(), view + at);
        UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
    return view != nullptr;
}

bool HandOver(HWND player, const std::string& commandLine) {
    const UINT message = RegisterWindowMessageA("Tavrol");
    for (unsigned char c : commandLine + '\0') {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(player, message, 0, c, SMTO_ABORTIFHUNG, 2000, &result))
            return false;
    }
    return true;
}

FakeEditor::FakeEditor(const char* caption) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.lpszClassName = FakeEditorClass;
    RegisterClassA(&wc);
    window_ = CreateWindowA(FakeEditorClass, caption, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                            nullptr, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

FakeEditor::~FakeEditor() {
    DestroyWindow(window_);
}

bool FakeEditor::Got(Notice notice) const {
    return std::find(Notices.begin(), Notices.end(), notice) != Notices.end();
}

LRESULT CALLBACK FakeEditor::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FakeEditor*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == ProgramMessage::Notice && self) {
        self->Notices.push_back({wParam, lParam});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

namespace {

BOOL CALLBACK FirstStaticText(HWND child, LPARAM found) {
    char className[16] = {};
    char text[1024] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") != 0 || GetWindowTextA(child, text, sizeof text) == 0)
        return TRUE;
    *reinterpret_cast<std::string*>(found) = text;
    return FALSE;
}

}  // namespace

std::string BoxText(HWND box) {
    // A message box's icon is a static without text; the player's message
    // window has its text in its only label, filled only after the window
    // can be found.
    std::string text;
    WaitFor([&] {
        EnumChildWindows(box, FirstStaticText, reinterpret_cast<LPARAM>(&text));
        return !text.empty();
    });
    return text;
}

std::string AnswerBox(const char* caption) {
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = FindWindowA("#32770", caption)) != nullptr; }))
        return {};
    const std::string text = BoxText(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return text;
}

std::string XdoKey(int code) {
    const KeyCombination k = DecipherKey(code);
    std::string keys =
        std::string(k.ctrl ? "ctrl+" : "") + (k.alt ? "alt+" : "") + (k.shift ? "shift+" : "");
    return keys + static_cast<char>(k.vk - 'A' + 'a');
}

int HotKeyNamed(const std::string& name) {
    for (int code = 0; code < HotKeyCount; ++code)
        if (KeyName(code) == name)
            return code;
    return -1;
}

namespace {

// Window enumeration procedures are stdcall functions on 32-bit Windows: no
// lambdas.
BOOL CALLBACK FindEditorWindow(HWND w, LPARAM found) {
    char caption[256] = {};
    GetWindowTextA(w, caption, sizeof caption);
    if (!std::string(caption).starts_with("Orvane Editor ("))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
}

struct ChildSearch {
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectChildOfClass(HWND child, LPARAM search) {
    auto* s = reinterpret_cast<ChildSearch*>(search);
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, s->className) == 0)
        s->found.push_back(child);
    return TRUE;
}

}  // namespace

HWND EditorWindow() {
    HWND found = nullptr;
    EnumWindows(FindEditorWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND MacroListOf(HWND editor) {
    const std::vector<HWND> grids = Children(editor, "TMyDrawGrid");
    return grids.size() == 1 ? grids[0] : nullptr;
}

void TypeIntoList(HWND list, const std::string& text) {
    for (char c : text) PostMessageA(list, WM_CHAR, static_cast<WPARAM>(c), 0);
}

HWND Shown(const char* caption) {
    HWND window = nullptr;
    WaitFor([&] { return (window = FindWindowA(nullptr, caption)) && IsWindowVisible(window); });
    return window;
}

std::vector<HWND> Children(HWND parent, const char* className) {
    ChildSearch search{className, {}};
    EnumChildWindows(parent, CollectChildOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Child(HWND parent, const char* className, const std::string& text) {
    for (HWND child : Children(parent, className)) {
        char caption[256] = {};
        GetWindowTextA(child, caption, sizeof caption);
        if (caption == text)
            return child;
    }
    return nullptr;
}

std::string TextOf(HWND window) {
    char text[4096] = {};
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, &result);
    return text;
}

bool SetTextOf(HWND window, const char* text) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text),
                               SMTO_ABORTIFHUNG, 2000, &result) != 0;
}

bool Click(HWND button) {
    DWORD_PTR result = 0;
    return button &&
           SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 10000, &result) != 0;
}

bool KeysTo(HWND window, const std::string& keys) {
    const auto xid = reinterpret_cast<UINT_PTR>(GetPropA(window, "__wine_x11_whole_window"));
    return Xdotool("windowfocus --sync " + std::to_string(xid) + " " + keys);
}

void EditorOnCtrlQMacro::SetUp() {
    ASSERT_GE(ctrlQ_, 0);
    library = WriteLibrary("EDITOROPS.ORN", {Macro("TYPE Q", ctrlQ_, MacroKind::Global, "q")});
    ASSERT_TRUE(target.Start(TargetTitle));
    ASSERT_NE(editor_ = player.StartWithEditor(library), nullptr);
    ASSERT_NE(list_ = MacroListOf(editor_), nullptr);
    ASSERT_TRUE(KeyInUse(true));
}

void EditorOnCtrlQMacro::TearDown() {
    EXPECT_TRUE(player.Stop());
    EXPECT_TRUE(WaitFor([] { return EditorWindow() == nullptr; }));
}

void EditorOnCtrlQMacro::OnTheMacro(int menuItem) {
    TypeIntoList(list_, "CTRL+Q");
    PostMessageA(editor_, WM_COMMAND, static_cast<WPARAM>(menuItem), 0);
}

bool EditorOnCtrlQMacro::KeyInUse(bool used) {
    return WaitFor([&] { return MasterByte(HookAt::CodeUsed + ctrlQ_) == (used ? 1 : 0); });
}

}  // namespace orv::e2e
