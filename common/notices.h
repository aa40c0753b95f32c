// The notices one program posts to the other (ProgramMessage::Notice, a code
// and an argument). Each program supplies the poster: the editor posts to the
// player window it was started with, the player to the editor window while it
// knows one; the shared operations only say what to tell.
#pragma once

namespace orv {

namespace NoticeCode {
// From the editor to the player; 6, 8 and 20 mean the same in both directions.
constexpr int KeyRemapChanged = 1;
constexpr int LibraryReloaded = 2;
constexpr int SchedulesChanged = 3;
constexpr int EditorClosed = 4;
constexpr int PopupMenusChanged = 5;
constexpr int SectionChanged = 6;     // argument: the HookTable section
constexpr int HookChange = 7;         // argument: 1/2 keyboard hook on/off, 3/4 mouse hook
constexpr int MacroEntryChanged = 8;  // argument: the macro number
constexpr int TrayIconShown = 9;      // argument: 1 shown, 0 hidden
// Re-read one section of the settings file.
constexpr int CuewordSettingsChanged = 10;
constexpr int CaptureSettingsChanged = 11;
constexpr int NetworkSettingsChanged = 12;
constexpr int EMailSettingsChanged = 13;
constexpr int SchedulerSettingsChanged = 14;
constexpr int MiscSettingsChanged = 15;
constexpr int PrintListFontChanged = 16;
constexpr int MainWindowSettingsChanged = 17;
constexpr int MacroSaved = 20;    // argument: the macro number
constexpr int MacroRemoved = 21;  // argument: 1 when it was a pop-up menu macro
}  // namespace NoticeCode

// From the player to the editor, where they differ from the codes above.
namespace PlayerNoticeCode {
constexpr int RepaintList = 1;
constexpr int SelectMacro = 2;  // argument: the macro number (never posted by the player)
constexpr int OtherLibrary = 3;
constexpr int MacroGone = 4;  // argument: the macro number (never posted by the player)
constexpr int MacroDeleted = 21;
}  // namespace PlayerNoticeCode

class ProgramNotices {
  public:
    virtual ~ProgramNotices() = default;
    virtual void Post(int code, int argument) = 0;
};

// For a program that has nobody to tell.
class NoNotices final : public ProgramNotices {
  public:
    void Post(int, int) override {}
};

}  // namespace orv
