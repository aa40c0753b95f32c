// The real Brindel.exe: only the player's switch starts it, and only once.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "common/win32/kernel_objects.h"
#include "editor/shell/launch_guard.h"
#include "editor/shell/win32/editor_menu_ids.h"
#include "tests/e2e/e2e_driver.h"
#include "tests/support/win32/wait_for.h"

namespace orv::e2e {
namespace {

using testing::WaitFor;

TEST(EditorStartUp, WithoutTheExactSwitchTheEditorRefusesAndEnds) {
    for (const char* params : {"", " -pej", " /RH1234"}) {
        Process editor;
        ASSERT_TRUE(editor.Start(Beside("Brindel.exe") + params));
        // The box exists a moment before its text does.
        HWND box = nullptr;
        EXPECT_TRUE(WaitFor([&] {
            box = FindWindowA("#32770", "");
            return box && BoxText(box) == editor::NotViaPlayerMessage;
        })) << params;
        ASSERT_NE(box, nullptr) << params;
        EXPECT_EQ(EditorWindow(), nullptr);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(editor.WaitExit(10000)) << params;
    }
}

TEST(EditorStartUp, ASecondEditorEndsQuietlyAndTheFirstShowsTheList) {
    {
        // Another editor's marker: this one ends without a window.
        KernelHandle other;
        ASSERT_EQ(CreateRunningMarker(editor::RunningMarkerName, other), MarkerResult::Created);
        Process second;
        ASSERT_TRUE(second.Start(Beside("Brindel.exe") + " -PEJ /RH0"));
        EXPECT_TRUE(second.WaitExit(5000));
        EXPECT_EQ(EditorWindow(), nullptr);
    }
    Process editor;
    ASSERT_TRUE(editor.Start(Beside("Brindel.exe") + " -PEJ /RH0"));
    HWND window = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (window = EditorWindow()) != nullptr; }));
    // As the player ends it: no settings are written then.
    PostMessageA(window, WM_QUIT, 10, 0);
    EXPECT_TRUE(editor.WaitExit(10000));
}

BOOL CALLBACK CountVisibleEditor(HWND w, LPARAM count) {
    char caption[64] = {};
    GetWindowTextA(w, caption, sizeof caption);
    if (IsWindowVisible(w) && std::string(caption).starts_with("Orvane Editor ("))
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// A double click on Tavrol.exe while it runs without a window in sight: the
// user wants the editor back, as the tray's "Open Editor" gives it.
TEST(EditorStartUp, ASecondStartWithoutParametersOpensTheEditor) {
    const std::string library =
        WriteLibrary("EDITORBACK.ORN", {Macro("TYPE HELLO", 65, MacroKind::Global, "hello")});
    Player player;
    ASSERT_TRUE(player.Start(library));
    EXPECT_EQ(EditorWindow(), nullptr);
    Process second;
    ASSERT_TRUE(second.Start(Beside("Tavrol.exe")));
    EXPECT_TRUE(second.WaitExit(10000));
    auto visibleEditors = [] {
        int editors = 0;
        EnumWindows(CountVisibleEditor, reinterpret_cast<LPARAM>(&editors));
        return editors;
    };
    // Shown with its library's name in the caption, not only created.
    HWND editor = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (editor = EditorWindow()) && visibleEditors() == 1; }));
    // Again, with the editor open: the same editor, no second one.
    ASSERT_TRUE(second.Start(Beside("Tavrol.exe")));
    EXPECT_TRUE(second.WaitExit(10000));
    EXPECT_EQ(visibleEditors(), 1);
    EXPECT_EQ(EditorWindow(), editor);
    ASSERT_TRUE(player.Stop());
    EXPECT_TRUE(WaitFor([] { return EditorWindow() == nullptr; }));
}

TEST(EditorStartUp, ThePlayerOpensTheEditorOnItsLibraryAndTakesItAlongWhenItEnds) {
    const std::string library =
        WriteLibrary("EDITORE2E.ORN", {Macro("TYPE HELLO", 65, MacroKind::Global, "hello")});
    Player player;
    const HWND window = player.StartWithEditor(library);
    ASSERT_NE(window, nullptr);
    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof caption);
    std::string upper = caption;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_NE(upper.find("ORVANE EDITOR"), std::string::npos) << caption;
    EXPECT_NE(upper.find("(EDITORE2E)"), std::string::npos) << caption;
    // The player ends the editor with it.
    ASSERT_TRUE(player.Stop());
    EXPECT_TRUE(WaitFor([] { return EditorWindow() == nullptr; }));
}

using EditorOperations = EditorOnCtrlQMacro;

TEST_F(EditorOperations, AMacroDeactivatedInTheEditorNoLongerRunsUntilActivatedAgain) {
    OnTheMacro(editor::EditorMenuId::ActivateMacro);
    ASSERT_TRUE(KeyInUse(false));
    // Deactivated, the key reaches the window as it is, where Ctrl+Q types
    // nothing.
    EXPECT_TRUE(target.SendKeysUntilText("key ctrl+q key x", "x")) << target.Text();

    OnTheMacro(editor::EditorMenuId::ActivateMacro);
    ASSERT_TRUE(KeyInUse(true));
    EXPECT_TRUE(target.SendKeysUntilText("key ctrl+q", "q")) << target.Text();
}

}  // namespace
}  // namespace orv::e2e
