// A top-level window holding a multi-line edit control with the focus: the
// target the player types into under Wine.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/win32/test_window.h"

namespace orv::player::testing {

// These helpers build on the shared ones.
using namespace orv::testing;

class TypingWindow {
  public:
    TypingWindow();
    TypingWindow(const TypingWindow&) = delete;
    TypingWindow& operator=(const TypingWindow&) = delete;

    // Brings the window to the front and the focus to the edit control;
    // false when that cannot be had.
    bool Focus();
    std::string Text() const;
    void Clear();
    HWND Edit() const { return edit_; }

    // The characters that Alt plus keypad digits entered: the edit control
    // sees the keys, and Windows composes the code when Alt is released.
    // Wine does not compose, so the tests read the composition from the
    // keys the control received.
    std::string AltKeypadCharacters() const;

  private:
    static LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

    HWND edit_ = nullptr;
    WNDPROC editProc_ = nullptr;
    std::vector<std::pair<UINT, WPARAM>> keys_;
    // Last, so the window goes (with its edit control) before what the
    // control's procedure uses.
    TestWindow frame_{"OrvaneTypingTarget", DefWindowProcA};
};

// Waits until the edit control holds exactly the expected text; the control's
// text on failure is in the returned string.
::testing::AssertionResult EditHolds(const TypingWindow& target, const std::string& expected,
                                     unsigned timeoutMs = 5000);

}  // namespace orv::player::testing
