#include "common/capture_text.h"

#include <cstdio>

#include "common/files.h"

namespace orv {

std::string CaptureSpeedToken(int speed) {
    switch (speed) {
        case 1:
            return "<SPEED:00001>";
        case 2:
            return "<SPEED:00002>";
        case 3:
            return "<SPEED:00.50>";
        case 4:
            return "<SPEED:00.25>";
        default:
            return {};
    }
}

std::string CaptureFilePath(std::string_view programDir) {
    return InFolder(programDir, "TempCap.Txt");
}

namespace {

// The first of stem<n>extension, n = first .. last, that nothing (not even a
// folder, which would take neither a copy nor a move) has taken.
std::optional<std::string> FirstFreeNumbered(std::string_view programDir, std::string_view stem,
                                             std::string_view extension, unsigned first,
                                             unsigned last) {
    for (unsigned n = first; n <= last; ++n) {
        std::string path =
            InFolder(programDir, std::string(stem) + std::to_string(n) + std::string(extension));
        if (!PathTaken(path))
            return path;
    }
    return std::nullopt;
}

// A file another program holds open is not moved; its copy is as good, and
// the next start empties the original.
bool MoveOrCopy(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) == 0)
        return true;
    const std::optional<std::string> contents = ReadWholeFile(from);
    if (!contents || !ReplaceFileContents(to, *contents))
        return false;
    std::remove(from.c_str());
    return true;
}

}  // namespace

std::optional<std::string> FirstFreeOverflowFile(std::string_view programDir) {
    return FirstFreeNumbered(programDir, "OV", ".TXT", 0, 9999);
}

std::optional<std::string> KeepCaptureFile(std::string_view programDir) {
    const std::optional<std::string> kept =
        FirstFreeNumbered(programDir, "TempCap", ".Txt", 1, 100);
    if (!kept || !MoveOrCopy(CaptureFilePath(programDir), *kept))
        return std::nullopt;
    return kept;
}

std::string CaptureKeptMessage(const std::optional<std::string>& kept) {
    const std::string notSaved = "The recording was not saved into its macro.  ";
    if (!kept)
        return notSaved + "It could not be kept in a capture file of its own and is lost.";
    return notSaved + "It is kept in the capture file " + *kept + ".";
}

void RemoveCaptureFile(std::string_view programDir) {
    std::remove(CaptureFilePath(programDir).c_str());
}

CapturedScript ReadCapturedScript(std::string_view programDir) {
    const std::string capturePath = CaptureFilePath(programDir);
    const std::optional<std::string> captured = ReadWholeFile(capturePath);
    if (!captured)
        return {.Failed = true};
    CapturedScript result;
    if (captured->size() <= CaptureScriptLimit) {
        result.ScriptText = *captured;
    } else {
        const std::optional<std::string> overflow = FirstFreeOverflowFile(programDir);
        if (!overflow || !ReplaceFileContents(*overflow, *captured))
            return {.Failed = true};
        result.ScriptText = "<TFILE:" + *overflow + ">";
    }
    return result;
}

}  // namespace orv
