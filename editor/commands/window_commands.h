// What the window and program dialogs compute: activating a window or
// launching a program (TDoActive), sizing or placing a window (TDoSizeIt) and
// the window controls (TDoSystemCommand).
#pragma once

#include <cstdint>
#include <string>

#include "editor/commands/command_dialogs.h"
#include "editor/commands/file_checks.h"

namespace orv::editor {

// Activating and launching (TDoActive).
enum class ActiveChoice {
    ActivateOnly = 1,
    LaunchOnly = 2,
    LaunchAndActivate = 3,
    ActivateOrLaunch = 4
};
enum class ActiveField { WinTitle, ProgPath, Params, DelaySecs, MaxSecs };
struct ActiveValues {
    std::string RawTitle;
    std::string RawPath;
    std::string RawParams;
    std::int32_t RawDelay = 0;
    std::int32_t RawMaxSecs = 0;
};
using ActiveOutcome = CommandOutcome<ActiveField, ActiveValues>;
struct ActiveInput {
    ActiveChoice Choice = ActiveChoice::ActivateOrLaunch;
    std::string WinTitle;
    std::string ProgPath;
    std::string Params;
    std::string DelaySecs = "0";
    std::string MaxSecs = "12";
    bool Bypass = false;  // the path is taken as typed, existing or not
};
ActiveOutcome ComposeActive(const ActiveInput& input, const FileChecks& files);
template <>
ActiveInput InputFromRecord<ActiveInput>(CommandCode code, const CommandRecord& record);
// Whether a stored launch was made with the file check bypassed: whether it
// was is kept nowhere, so a path naming no existing file says it.
bool LaunchWasBypassed(const ActiveInput& input, const FileChecks& files);
// Which groups a choice shows.
struct ActiveLayout {
    bool ShowWindow = false;
    bool ShowProgram = false;
    bool ShowMaxWait = false;
};
ActiveLayout ActiveLayoutFor(ActiveChoice choice);

// The window a command names: the one in the foreground, or one by its title.
struct WindowChoice {
    bool Current = false;
    std::string WinTitle;
};

// Sizing and placing (TDoSizeIt). Placing at a negative left needs the wider
// token; any other size and place fits the older one.
enum class SizeItField { WinTitle, TheWidth, TheHeight };
struct SizeItValues {
    std::uint8_t WindowKind = 0;  // 1 the current window
    std::string RawTitle;
    std::int32_t RawA = 0;  // width or left
    std::int32_t RawB = 0;  // height or top
};
using SizeItOutcome = CommandOutcome<SizeItField, SizeItValues>;
struct SizeItInput {
    WindowChoice Window;
    bool Resize = true;
    std::string TheWidth;
    std::string TheHeight;
};
SizeItOutcome ComposeSizeIt(const SizeItInput& input);
template <>
SizeItInput InputFromRecord<SizeItInput>(CommandCode code, const CommandRecord& record);
// The labels of the two number boxes.
struct SizeItLabels {
    std::string_view First;
    std::string_view Second;
};
SizeItLabels SizeItLabelsFor(bool resize);

// The window controls (TDoSystemCommand), in the order of their buttons.
enum class WindowControl { Maximize = 1, Minimize, Restore, Close, Hide, Show, ShutDown };
enum class SystemCommandField { WinTitle };
struct SystemCommandValues {
    std::uint8_t WindowKind = 0;
    std::string RawTitle;
};
using SystemCommandOutcome = CommandOutcome<SystemCommandField, SystemCommandValues>;
struct SystemCommandInput {
    WindowControl Control = WindowControl::Maximize;
    WindowChoice Window;
};
SystemCommandOutcome ComposeSystemCommand(const SystemCommandInput& input);
template <>
SystemCommandInput InputFromRecord<SystemCommandInput>(CommandCode code,
                                                       const CommandRecord& record);

}  // namespace orv::editor
