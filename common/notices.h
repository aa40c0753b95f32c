// The notices one program posts to the other (WM_USER+11, a code and an
// argument). Each program supplies the poster: the editor posts to the player
// window it was started with, the player to the editor window while it knows
// one; the shared operations only say what to tell.
#pragma once

namespace orv {

namespace NoticeCode {
constexpr int SectionChanged = 6;     // argument: the HookTable section
constexpr int MacroEntryChanged = 8;  // argument: the macro number
constexpr int MacroSaved = 20;        // argument: the macro number
// Re-read the "Network" section of the settings file.
constexpr int NetworkSettingsChanged = 12;
}  // namespace NoticeCode

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
