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

std::string FirstFreeOverflowFile(std::string_view programDir) {
    for (unsigned n = 0;; ++n) {
        std::string path = InFolder(programDir, "OV" + std::to_string(n) + ".TXT");
        if (!FileExists(path))
            return path;
    }
}

CapturedScript TakeCapturedScript(std::string_view programDir) {
    CapturedScript result = ReadCapturedScript(programDir);
    if (!result.Failed)
        std::remove(CaptureFilePath(programDir).c_str());
    return result;
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
