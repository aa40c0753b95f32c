// What the system, text box and encrypted-text dialogs compute: log off,
// reboot and shut down (TDoReboot), the system settings (TDoSysControls), a
// text window (TDoTBox) and a text the script holds enciphered (TDoEncrypt).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "editor/commands/command_dialogs.h"
#include "editor/commands/file_checks.h"

namespace orv::editor {

// Log off, reboot, shut down, power off (TDoReboot).
enum class RebootField { None };
using RebootOutcome = CommandOutcome<RebootField>;
struct RebootInput {
    int Command = 1;  // 1..4
};
RebootOutcome ComposeReboot(const RebootInput& input);
template <>
RebootInput InputFromRecord<RebootInput>(CommandCode code, const CommandRecord& record);

// The system settings (TDoSysControls), numbered by their option codes.
enum class SysControl {
    ScreenOn = 1,
    ScreenOff,
    ScreenTimer,
    KeyDelay,
    KeySpeed,
    Wallpaper,
    WinSize
};
enum class WallPlacement { Center = 1, Stretch = 2, Position = 3 };
enum class SysControlsField { Number, Track, XPos, YPos };
struct SysControlsValues {
    std::int32_t RawValue = 0;
    std::string WallpaperFile;
    std::int32_t WallpaperX = 0;
    std::int32_t WallpaperY = 0;
    std::int32_t WallpaperMode = 0;  // 0 tile, 1 centre, 2 stretch, 3 position
};
using SysControlsOutcome = CommandOutcome<SysControlsField, SysControlsValues>;
struct SysControlsInput {
    SysControl Control = SysControl::ScreenOn;
    std::string Number = "1";
    std::string Track;
    bool Tile = true;
    WallPlacement Placement = WallPlacement::Center;
    std::string XPos;
    std::string YPos;
};
SysControlsOutcome ComposeSysControls(const SysControlsInput& input, const FileChecks& files);
template <>
SysControlsInput InputFromRecord<SysControlsInput>(CommandCode code, const CommandRecord& record);
struct SysControlsLayout {
    bool ShowNumber = false;
    std::string_view NumberLabel;
    bool ShowWallpaper = false;
};
SysControlsLayout SysControlsLayoutFor(SysControl control);
// What the wallpaper panel enables: the placements unless tiled, the
// coordinates only for a placed bitmap.
struct WallpaperEnabling {
    bool Placement = false;
    bool Coordinates = false;
};
WallpaperEnabling WallpaperEnablingFor(bool tile, WallPlacement placement);

// A text window (TDoTBox): its heading and text may not hold the ">" that
// would end them; its text is not bound to 255 characters.
enum class TBoxField { Header, Contents };
struct TBoxValues {
    std::string BoxHeader;
};
using TBoxOutcome = CommandOutcome<TBoxField, TBoxValues>;
struct TBoxInput {
    std::string Header;
    std::string Contents;
};
TBoxOutcome ComposeTBox(const TBoxInput& input);
template <>
TBoxInput InputFromRecord<TBoxInput>(CommandCode code, const CommandRecord& record);

// Encrypted text (TDoEncrypt). The cipher doubles the text and adds a seed,
// so 122 characters are the most that fit a command.
constexpr int EncryptMaxLength = 122;
enum class EncryptField { Password };
struct EncryptValues {
    std::string EncryptedText;
};
using EncryptOutcome = CommandOutcome<EncryptField, EncryptValues>;
struct EncryptInput {
    std::string Text;
    // A stored cipher text that shows as no text (unreadable after a hand
    // edit, or enciphering nothing): kept as it stands while the box stays
    // empty.
    std::string Kept;
};
EncryptOutcome ComposeEncrypt(const EncryptInput& input);
template <>
EncryptInput InputFromRecord<EncryptInput>(CommandCode code, const CommandRecord& record);

}  // namespace orv::editor
