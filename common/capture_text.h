// The capture text: what the hook library reports of a recording, collected
// in the capture file and turned into a macro's script when it ends. Both
// programs record the same way, so both use these rules.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

// A capture up to this many bytes becomes the script itself.
constexpr std::size_t CaptureScriptLimit = 5000;

// The speed token a timed capture begins with for the "Speed" setting (1
// actual, 2 half, 3 double, 4 quadruple); empty for any other value.
std::string CaptureSpeedToken(int speed);

// The capture file in the program folder, rewritten at each start.
std::string CaptureFilePath(std::string_view programDir);

// The first "OV<n>.TXT" (n = 0 .. 9,999) in the program folder not yet
// taken; nothing when every one is.
std::optional<std::string> FirstFreeOverflowFile(std::string_view programDir);

// The capture of a recording that could not be saved into its macro, moved
// (or, where it cannot be moved, copied) to the first free "TempCap<n>.Txt"
// (n = 1 .. 100) so that no later start empties it. Where the capture now
// is; nothing when it could not be kept apart from the capture file.
std::optional<std::string> KeepCaptureFile(std::string_view programDir);
// What the user is told of a recording kept at kept, or lost.
std::string CaptureKeptMessage(const std::optional<std::string>& kept);

// A finished capture as a script. Failed: the capture file could not be read
// or copied to an overflow file; it is then left where it is and the script
// is empty.
struct CapturedScript {
    std::string ScriptText;
    bool Failed = false;
};

// Reads the capture file: up to CaptureScriptLimit bytes are the script; a
// longer capture is copied to the first free overflow file and the script
// loads it ("<TFILE:" + its path + ">"). The capture file stays until its
// script is saved (RemoveCaptureFile).
CapturedScript ReadCapturedScript(std::string_view programDir);
void RemoveCaptureFile(std::string_view programDir);

}  // namespace orv
