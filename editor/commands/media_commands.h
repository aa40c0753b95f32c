// What the video, CD and speaker dialogs compute: a video clip to play
// (TDoAVI), a command for the audio CD (TDoCDRom) and one for the mixer
// (TDoVolume).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "editor/commands/command_dialogs.h"
#include "editor/commands/file_checks.h"

namespace orv::editor {

// Play immediately (1), immediately and close when done (2), or wait to play (3).
enum class AviField { ProgPath };
struct AviValues {
    std::string FilePath;  // the short form
};
using AviOutcome = CommandOutcome<AviField, AviValues>;
struct AviInput {
    int Mode = 1;
    std::string Path;
};
AviOutcome ComposeAvi(const AviInput& input, const FileChecks& files);
template <>
AviInput InputFromRecord<AviInput>(CommandCode code, const CommandRecord& record);

// The ten CD commands, numbered by their option codes; go to, step and back
// take a number of 1 to 99.
enum class CdField { Track };
struct CdValues {
    std::int32_t RawValue = 0;
};
using CdOutcome = CommandOutcome<CdField, CdValues>;
struct CdInput {
    int Command = 1;
    std::string Track = "1";
};
CdOutcome ComposeCd(const CdInput& input);
template <>
CdInput InputFromRecord<CdInput>(CommandCode code, const CommandRecord& record);
struct CdLayout {
    bool ShowNumber = false;
    std::string_view Label;
};
CdLayout CdLayoutFor(int command);

// The twenty speaker commands, numbered by their option codes.
enum class VolumeField { None };
using VolumeOutcome = CommandOutcome<VolumeField>;
struct VolumeInput {
    int Action = 1;
};
VolumeOutcome ComposeVolume(const VolumeInput& input);
template <>
VolumeInput InputFromRecord<VolumeInput>(CommandCode code, const CommandRecord& record);

}  // namespace orv::editor
