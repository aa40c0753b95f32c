// The settings record both programs hold once, and its INI file: one reader
// and one writer per section over a settings store.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "common/font_description.h"
#include "common/settings_store.h"
#include "common/short_string.h"

namespace orv {

constexpr int MaxMacros = 500;

// Per-macro tables are indexed by macro number 1..500; entry 0 is unused.
template <class T>
using PerMacro = std::array<T, MaxMacros + 1>;

// Which picture a macro shows: one of the two built-in icons, or an icon file.
struct IconChoice {
    enum class Source { Main, Menu, File };
    Source source = Source::Main;
    std::string path;  // for File

    friend bool operator==(const IconChoice&, const IconChoice&) = default;
};

// The field that keeps a macro library's name, by its full name.
using LibraryNameField = ShortString<255>;

struct SettingsBlock {
    std::int32_t LastDateFormat = 0;
    std::int32_t LastTimeFormat = 0;
    bool SuppressZerosInDate = true;
    bool SuppressZerosInTime = true;
    bool ShowDate = false;
    bool UseTray = false;
    bool StartEditor = true;
    bool SoundOff = false;
    bool AutoHooks = false;
    bool DisableScreenSaver = true;
    bool FirstUse = true;
    ShortString<255> EMailPath;
    ShortString<255> EMailLogPath;
    bool KeepLog = false;
    bool NetworkMode = false;
    bool AutoSync = true;
    std::uint16_t SyncMinutes = 10;
    bool BypassWizardScreen = false;
    bool UseWaveFile = false;
    bool WaveFileWait = false;
    ShortString<255> WaveFile;
    std::uint16_t TimerSeconds = 10;
    // Entry 0 is the open macro file, 1..5 the recently used ones.
    std::array<LibraryNameField, 6> MacroFiles;
    bool SortHeader = true;
    ShortString<3> PrimarySort = "123";
    ShortString<5> ActivationSort = "12345";
    ShortString<5> ScopeSort = "12345";
    FontDescription PrintListFont;
    bool PrintListBold = false, PrintListItalic = false;
    std::int32_t MainWidth = 620, MainHeight = 460, MainLeft = 0, MainTop = 0;
    std::int32_t CategoryWidth = 155, Col1Width = 155, Col2Width = 239, Col3Width = 138;
    bool UseSpeed = true, ShowIcons = true, ShowCategory = false;
    std::int32_t ScriptWidth = 606, ScriptHeight = 446, ScriptLeft = 0, ScriptTop = 0;
    std::int32_t InsertMethod = 3;
    // Filled only by the macro library operations.
    PerMacro<ShortString<50>> Nickname;
    PerMacro<ShortString<10>> CuewordText;
    PerMacro<IconChoice> Icon;
    PerMacro<std::uint32_t> CategoryId{};
    PerMacro<std::int16_t> CuewordCase{};
    PerMacro<std::int16_t> CuewordRemove{};
    FontDescription GridTitleFont{0, "Arial", 12, 0};
    bool GridTitleBold = false, GridTitleItalic = false;
    bool GridTitleUnderline = false, GridTitleStrikeout = false;
    FontDescription GridFont;
    bool GridBold = false, GridItalic = false, GridUnderline = false, GridStrikeout = false;
    bool CaptureDoubleAlt = true, CaptureKeys = true, CaptureMouse = true;
    bool CaptureTime = true, CapturePrompt = true;
    std::int32_t RelativeTo = 1;
    bool CaptureClicksOnly = true, CaptureWindowSize = true, CaptureGlobal = true;
    std::int32_t CaptureSpeed = 1;
    ShortString<50> SMTPHost;
    std::int32_t SMTPPort = 25;
    ShortString<50> EMailName;
    ShortString<50> EMailAddress;
    std::int32_t AttachmentEncoding = 0;
    std::int32_t SystemMenu = 1;
    bool SolitaryUsage = false;
    std::int32_t CaseSensitive = 3;
    bool UsePunctuation = false, NoRemove = false, UseSuffix = false;
    ShortString<2> PrefixKeys;
};

// The settings file of both programs.
inline constexpr const char* SettingsFileName = "ORVAN.INI";

// What a program says when the settings file refused a section: the change
// holds in this program only until it ends.
inline constexpr const char* SettingsNotSavedMessage =
    "The settings could not be written to ORVAN.INI; the change was not saved.";
// True when written; otherwise says SettingsNotSavedMessage first.
bool SettingsSaved(bool written);
// SettingsSaved, and when not written the settings are set back to before:
// a dialog's Cancel then leaves the program as it was, and no later full save
// stores a change the file refused.
bool SavedOrTakenBack(SettingsBlock& settings, const SettingsBlock& before, bool written);

// What a program says of a library it will not make current because its full
// name is longer than the settings keep: cut, it would name another file.
inline constexpr const char* LibraryNameTooLongMessage =
    "The macro file's name, with its folders, is longer than 255 characters, the most the "
    "settings keep.  It was not opened or created, and the macros loaded before stay in use.";
static_assert(LibraryNameField::capacity == 255, "the message names the field's length");
// fileName by its full name from the current folder, as the current library
// is kept; none, after saying LibraryNameTooLongMessage, when that is longer
// than the field.
std::optional<std::string> LibraryNameToKeep(const std::string& fileName);

// Value rules shared by every key.
std::string YesNo(bool value);
bool IsYes(std::string_view value);
// The five-digit order of the activation items, made a permutation of "12345".
std::string RepairActivationSort(std::string_view value);
// "Yes" (exactly) is 2, any text that reads as 0 is 3, other numbers stay.
std::int32_t ReadCaseSensitive(std::string_view value);
// Outside 1..60 is 10.
std::uint16_t ReadTimerSeconds(std::string_view value);

// Reads and writes a SettingsBlock section by section. programDir (no trailing
// separator) supplies the defaults of the paths.
class Configs {
  public:
    Configs(SettingsStore& store, SettingsBlock& settings, std::string programDir)
        : store_(store), settings_(settings), programDir_(std::move(programDir)) {}

    void LoadConfig();
    // Every writer is false when the store refused a value of its section.
    [[nodiscard]] bool SaveConfig();

    void ReadMiscSettings();
    [[nodiscard]] bool WriteMiscSettings();
    void ReadCurrentFile();
    [[nodiscard]] bool WriteCurrentFile();
    void ReadCaptureSettings();
    [[nodiscard]] bool WriteCaptureSettings();
    void ReadCuewordSettings();
    [[nodiscard]] bool WriteCuewordSettings();
    void ReadMainWindowSettings();
    [[nodiscard]] bool WriteMainWindowSettings();
    void ReadScriptPageSettings();
    [[nodiscard]] bool WriteScriptPageSettings();
    void ReadGridTitleFont();
    [[nodiscard]] bool WriteGridTitleFont();
    void ReadGridFont();
    [[nodiscard]] bool WriteGridFont();
    void ReadPrintListFont();
    [[nodiscard]] bool WritePrintListFont();
    void ReadNetworkSettings();
    [[nodiscard]] bool WriteNetworkSettings();
    void ReadSchedulerSettings();
    [[nodiscard]] bool WriteSchedulerSettings();
    void ReadEMailSettings();
    [[nodiscard]] bool WriteEMailSettings();

  private:
    template <class Io>
    bool Section(const char* name, void (*fields)(Io&, SettingsBlock&));

    SettingsStore& store_;
    SettingsBlock& settings_;
    std::string programDir_;
};

}  // namespace orv
