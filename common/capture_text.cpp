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

std::string FirstFreeNumbered(std::string_view programDir, std::string_view stem,
                              std::string_view extension, unsigned first) {
    for (unsigned n = first;; ++n) {
        std::string path =
            InFolder(programDir, std::string(stem) + std::to_string(n) + std::string(extension));
        // A folder of that name would take neither a copy nor a move.
        if (!PathTaken(path))
            return path;
    }
}

}  // namespace

std::string FirstFreeOverflowFile(std::string_view programDir) {
    return FirstFreeNumbered(programDir, "OV", ".TXT", 0);
}

std::string KeepCaptureFile(std::string_view programDir) {
    const std::string capturePath = CaptureFilePath(programDir);
    const std::string kept = FirstFreeNumbered(programDir, "TempCap", ".Txt", 1);
    return std::rename(capturePath.c_str(), kept.c_str()) == 0 ? kept : capturePath;
}

std::string CaptureKeptMessage(std::string_view keptPath) {
    return "The recording was not saved into its macro.  It is kept in the capture file " +
           std::string(keptPath) + ".";
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
        const std::string overflow = FirstFreeOverflowFile(programDir);
        if (!ReplaceFileContents(overflow, *captured))
            return {.Failed = true};
        result.ScriptText = "<TFILE:" + overflow + ">";
    }
    return result;
}

}  // namespace orv
