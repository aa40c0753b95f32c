// The one road by which a window, ours or the user's, is brought to the
// front. Windows lets a program in the background take the foreground only
// in narrow cases (the foreground lock) and otherwise flashes the window's
// taskbar button; every window the programs bring forward goes through here,
// and nothing else asks the system for the foreground.
#pragma once

#include <windows.h>

#include <functional>

namespace orv {

// Makes the window the foreground window with the keyboard focus (a
// minimised one stays minimised and counts as not come forward); true when
// it (or a window it owns) is the foreground window afterwards. The system refuses a bare request
// from a program in the background, so the caller's input is attached to the foreground window's
// thread and the target's for the time of the request.
bool TransferForeground(HWND target);

// The one rule of "in front": the window, or a window it owns (a dialog it
// shows), is the foreground window, and the window is not minimised.
bool IsInFront(HWND target);

// Windows 8 and later hide the frames of suspended apps and of other virtual
// desktops by cloaking them: visible to every other test.
bool IsCloaked(HWND window);

// A program we started may bring its first window forward itself, where the
// system would otherwise keep ours (or the user's) in front.
void LetTakeForeground(HANDLE process);
// The same for a running process known by its id (one we hand a request to
// that may open a window for it).
void LetProcessTakeForeground(DWORD process);

// Runs show(), which shows a modal window of this thread (a notice), and
// brings that window to the front with the keyboard once it is up: a window
// on top without the keyboard would leave the user's next keys to the
// program under it. Afterwards the keyboard goes back to the window that had
// it, or, where that one has gone, to the window a user sees on top, never
// staying with a hidden window of ours.
void ShowWithKeyboard(const std::function<void()>& show);

}  // namespace orv
