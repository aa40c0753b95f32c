#include "editor/shell/library_roads.h"

#include "common/message_boxes.h"

namespace orv::editor {

void LibraryRoads::ReleaseMacros() {
    for (const auto& [code, argument] : reloads_.Release()) carryOut_(code, argument);
}

void LibraryRoads::SetRecording(bool running) {
    if (running == recording_)
        return;
    recording_ = running;
    if (running)
        HoldMacros();
    else
        ReleaseMacros();
}

bool LibraryRoads::RefusedWhileRecording() const {
    if (recording_)
        ShowError(RecordingRunsMessage);
    return recording_;
}

}  // namespace orv::editor
