// What the sound and web dialogs compute: a beep or a wave file, also as the
// scheduler's alarm sound (TDoSound), and a web site or FTP address to open
// (TDoWebStuff).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/settings.h"
#include "editor/commands/command_dialogs.h"
#include "editor/commands/file_checks.h"

namespace orv::editor {

constexpr std::string_view WaveMissingMessage =
    "Specified WAV File does not exist.  Please correct.";

// A beep or a wave file (TDoSound); in the alarm, Beep reads "None".
enum class SoundField { ProgPath };
struct SoundValues {
    std::string WavePath;
    std::uint8_t WaitToFinish = 0;
};
using SoundOutcome = CommandOutcome<SoundField, SoundValues>;
struct SoundInput {
    bool WaveFile = false;
    std::string Path;
    bool WaitFor = false;
};
SoundOutcome ComposeSound(const SoundInput& input, const FileChecks& files);
template <>
SoundInput InputFromRecord<SoundInput>(CommandCode code, const CommandRecord& record);

// The wave file Test plays: the trimmed path when a file is there.
std::optional<std::string> WaveToTest(std::string_view path, const FileChecks& files);

// The scheduler's alarm sound as the settings hold it, and the choice put
// back into them: None turns it off without looking at the path; a wave
// file must exist, else the refusal and nothing changes.
SoundInput AlarmInput(const SettingsBlock& settings);
std::optional<Refusal<SoundField>> ApplyAlarm(const SoundInput& input, const FileChecks& files,
                                              SettingsBlock& settings);

// A web site or an FTP address (TDoWebStuff); every address is accepted.
enum class WebField { ProgPath };
struct WebValues {
    std::string Url;
};
using WebOutcome = CommandOutcome<WebField, WebValues>;
struct WebInput {
    bool IsFtp = false;
    std::string Address;
};
WebOutcome ComposeWeb(const WebInput& input);
template <>
WebInput InputFromRecord<WebInput>(CommandCode code, const CommandRecord& record);

// The dialog's caption, its box's label, and what a new command's box holds.
struct WebLayout {
    std::string_view Caption;
    std::string_view Label;
    std::string_view Start;
};
WebLayout WebLayoutFor(bool isFtp);

}  // namespace orv::editor
