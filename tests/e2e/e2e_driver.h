// Driving the real programs: the player started with a test library, the
// target window keys are pressed in (through the X server), and what the
// player shares with the hook library.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/macro_record.h"

namespace orv::e2e {

MacroRecord Macro(const std::string& nickname, std::uint16_t code, std::int16_t kind,
                  const std::string& script, const std::string& scope = "",
                  std::uint8_t scopeMatch = 1);
// The full name of a file in the temporary folder.
std::string TempPath(const std::string& name);
// A library file of these records in the temporary folder; its full name.
std::string WriteLibrary(const std::string& name, const std::vector<MacroRecord>& records);
// Record n (from 1) of a library file, as the programs left it; none when
// the file is shorter.
std::optional<MacroRecord> LibraryRecord(const std::string& path, int n);

class Process {
  public:
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();
    bool Start(const std::string& commandLine);
    bool WaitExit(unsigned timeoutMs);
    // Without handling this thread's messages meanwhile.
    bool WaitExitBlocking(unsigned timeoutMs);
    DWORD ExitCode() const;
    bool Running() const;
    void Kill();

  private:
    HANDLE process_ = nullptr;
};

// A program beside the test program (or in folder), quoted for a command line.
std::string Beside(const std::string& program, const std::string& folder = {});

class Player {
  public:
    // The player of that folder; the one beside the test program by default.
    explicit Player(std::string folder = {}) : folder_(std::move(folder)) {}
    ~Player() { Stop(); }
    // Starts Tavrol.exe on the library (no editor, no tray) and waits until
    // its main window handles messages.
    bool Start(const std::string& library, const std::string& extra = "");
    // Starts it with its editor ("/EY") and returns the editor's main window
    // once it shows; null when either does not come up.
    HWND StartWithEditor(const std::string& library);
    // Ends it as the tray menu would; false when it did not end in time.
    bool Stop();
    HWND Window() const { return window_; }
    Process& Proc() { return process_; }

  private:
    std::string folder_;
    Process process_;
    HWND window_ = nullptr;
};

// The player's main windows in the session.
int PlayerWindows();

class Target {
  public:
    ~Target();
    bool Start(const std::string& title);
    // Starts the window, which only shows itself, and waits until it is
    // there: the system decides what has the keyboard.
    bool StartAlone(const std::string& title);
    std::string Text() const;
    void Clear();
    // Makes the window the foreground one with the X focus; false when it
    // does not become the foreground window.
    bool Focus();
    // The foreground window and the X focus, then the xdotool commands.
    bool Keys(const std::string& commands);
    // Clears the window and sends keys that hold a modifier (a macro's hot
    // key) until the window holds expected. Wine can handle the window's
    // taking of the focus after the first keys and then set the held
    // modifiers up, so the hook library and the window see plain keys: one
    // try more is allowed for that.
    bool SendKeysUntilText(const std::string& keys, const std::string& expected);
    HWND Window() const { return top_; }

  private:
    bool Launch(const std::string& options, const std::string& title);
    std::string FocusCommand() const;
    bool TakesKeys();
    void SetText(const char* text);

    Process process_;
    HWND top_ = nullptr;
    HWND edit_ = nullptr;
};

// Starts xdotool with these arguments. Wine gives no handle to wait on: the
// callers wait for its effect instead.
bool Xdotool(const std::string& arguments);

// The hook library's master table (empty while there is none), a byte and a
// 32-bit field of it.
std::vector<std::uint8_t> MasterTable();
std::uint8_t MasterByte(std::size_t at);
std::uint32_t MasterU32(std::size_t at);
// Writes bytes into the master table as a hand-over of the editor would.
bool SetMaster(std::size_t at, const std::vector<std::uint8_t>& bytes);

// A low-level keyboard hook of the test's own on a thread of its own, from
// construction to destruction. Installed after the player's hook, it is
// called before it.
class KeyboardWatch {
  public:
    explicit KeyboardWatch(HOOKPROC watch);
    KeyboardWatch(const KeyboardWatch&) = delete;
    KeyboardWatch& operator=(const KeyboardWatch&) = delete;
    ~KeyboardWatch();

  private:
    static DWORD WINAPI Run(void* self);

    HOOKPROC watch_;
    HANDLE ready_ = nullptr;
    HANDLE thread_ = nullptr;
};

// Hands a command line over to the running player as a second start does.
bool HandOver(HWND player, const std::string& commandLine);

// A window the player takes for the editor's (by its caption): it records
// the notices the player posts to it.
class FakeEditor {
  public:
    struct Notice {
        WPARAM code;
        LPARAM argument;
        bool operator==(const Notice&) const = default;
    };
    explicit FakeEditor(const char* caption = "Orvane Editor");
    ~FakeEditor();
    FakeEditor(const FakeEditor&) = delete;
    FakeEditor& operator=(const FakeEditor&) = delete;
    bool Got(Notice notice) const;

    std::vector<Notice> Notices;

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
};

// The text of a message box, once it has one.
std::string BoxText(HWND box);
// Waits for the message box of that caption and answers it with OK; the text
// it showed, empty when none came.
std::string AnswerBox(const char* caption);

// The hot key of that name ("Ctrl+Q"); -1 for none.
int HotKeyNamed(const std::string& name);
// A hot key as xdotool names it (letter keys).
std::string XdoKey(int code);

// The editor's main window while it shows.
HWND EditorWindow();
// The editor's macro list; null unless there is exactly one.
HWND MacroListOf(HWND editor);
// Selects a macro in the list by typing its first column, as a user does.
void TypeIntoList(HWND list, const std::string& text);

// A top-level window of that caption (a dialog or one of the editor's
// forms), once it shows; null after the time-out.
HWND Shown(const char* caption);
// The children of a window of one class, in creation order.
std::vector<HWND> Children(HWND parent, const char* className);
// A child of that class and text (a button by its caption); null for none.
HWND Child(HWND parent, const char* className, const std::string& text);
// A window's text, read and set across processes; false when the window did
// not take the text in time.
std::string TextOf(HWND window);
bool SetTextOf(HWND window, const char* text);
// Clicks a button and waits until its window has handled the click; false
// when that takes too long (a message box it opened, say).
bool Click(HWND button);
// Keys sent to a window with the X focus on it.
bool KeysTo(HWND window, const std::string& keys);

// The editor the player opened on a library of one global Ctrl+Q macro that
// types "q", and a target window to type in. The player takes the editor
// along when it ends.
class EditorOnCtrlQMacro : public ::testing::Test {
  protected:
    // Not "Orvane Editor ...": the player takes such a window for its editor.
    static constexpr const char* TargetTitle = "Orvane operations target";
    void SetUp() override;
    void TearDown() override;
    // Chooses an item of the editor's menu for the macro, its row found by
    // typing its key's name into the list.
    void OnTheMacro(int menuItem);
    // Waits until the hook library has the macro's key in use, or free.
    bool KeyInUse(bool used);

    std::string library;
    Target target;
    Player player;

  private:
    const int ctrlQ_ = HotKeyNamed("Ctrl+Q");
    HWND editor_ = nullptr;
    HWND list_ = nullptr;
};

}  // namespace orv::e2e
