// The command families of the script editor: which bridge serves a command
// code, what a new line of a code preselects in the family's dialog, and the
// codes that take no dialog or that an older shell refuses.
#pragma once

#include <initializer_list>
#include <optional>

#include "common/script/catalogue.h"
#include "editor/commands/date_time_commands.h"
#include "editor/commands/file_commands.h"
#include "editor/commands/flow_commands.h"
#include "editor/commands/media_commands.h"
#include "editor/commands/mouse_commands.h"
#include "editor/commands/network_command.h"
#include "editor/commands/sound_web_commands.h"
#include "editor/commands/system_commands.h"
#include "editor/commands/wait_command.h"
#include "editor/commands/window_commands.h"

namespace orv::editor {

enum class Bridge {
    MyText,
    MyDate,
    MyDelay,
    MyPause,
    MyRepeat,
    MySpeed2,
    MyActive,
    MyBeep,
    MySwap,
    MyTextInsert,
    MySizeIt,
    MyCommand,
    MyMouseStuff,
    MyRemark,
    MyClip,
    MyKeyUp,
    MyWeb,
    MyDosStuff,
    MyConnect,
    MyNetwork,
    MyTextWindow,
    MyAVI,
    MyCDRom,
    MyExplore,
    MyDeskTop,
    MyPrinter,
    MyDisplay,
    MyReboot,
    MySys,
    MyVolume,
    MyWaitWin,
    MyDialup,
    MyEMail,
    MyEncrypt,
};
inline constexpr int BridgeCount = 34;

// The bridge of a command; nothing for CommandCode::None.
std::optional<Bridge> BridgeFor(CommandCode code);

// A new Repeat End or Repeat Prompt Start goes in at once, confirmed.
bool AddsWithoutDialog(CommandCode code);

// The desktop commands an older shell (no version 4 browser) cannot run.
bool RefusedOnOldShell(CommandCode code, bool browser4OrLater);
inline constexpr const char* OldShellMessage =
    "This function requires Windows 98 or NT.  Duzo requires Windows 95 that has Internet "
    "Explore 4.0 or greater installed. It appears that your system does not meet these "
    "requirements.";

// What a dialog shows for a new line of the code: its defaults, with the
// choice the code names.
template <class Input>
Input Preselect(CommandCode code);

template <>
DateTimeInput Preselect<DateTimeInput>(CommandCode code);
template <>
DelayInput Preselect<DelayInput>(CommandCode code);
template <>
RepeatInput Preselect<RepeatInput>(CommandCode code);
template <>
SpeedInput Preselect<SpeedInput>(CommandCode code);
template <>
ActiveInput Preselect<ActiveInput>(CommandCode code);
template <>
SizeItInput Preselect<SizeItInput>(CommandCode code);
template <>
SystemCommandInput Preselect<SystemCommandInput>(CommandCode code);
template <>
MouseInput Preselect<MouseInput>(CommandCode code);
template <>
ClipboardInput Preselect<ClipboardInput>(CommandCode code);
template <>
KeyUpDownInput Preselect<KeyUpDownInput>(CommandCode code);
template <>
DOSFilesInput Preselect<DOSFilesInput>(CommandCode code);
template <>
NickInput Preselect<NickInput>(CommandCode code);
template <>
RecycleInput Preselect<RecycleInput>(CommandCode code);
template <>
RebootInput Preselect<RebootInput>(CommandCode code);
template <>
SysControlsInput Preselect<SysControlsInput>(CommandCode code);
template <>
WaitInput Preselect<WaitInput>(CommandCode code);
template <>
SoundInput Preselect<SoundInput>(CommandCode code);
template <>
WebInput Preselect<WebInput>(CommandCode code);
template <>
NetConnInput Preselect<NetConnInput>(CommandCode code);
template <>
CdInput Preselect<CdInput>(CommandCode code);
template <>
VolumeInput Preselect<VolumeInput>(CommandCode code);

// A family with one command shows its plain defaults.
template <class Input>
Input Preselect(CommandCode) {
    return {};
}

}  // namespace orv::editor
