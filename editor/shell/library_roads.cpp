#include "editor/shell/library_roads.h"

#include "common/message_boxes.h"
#include "editor/shell/held_list.h"
#include "editor/shell/macro_list.h"

namespace orv::editor {

bool LibraryRoads::HoldsAsListed(int n, HeldMacro& held) {
    return editing_.HoldRecord(n, held) &&
           ShowsRecord(ListMacroOf(settings_, table_, n), held.AsRead);
}

bool LibraryRoads::HoldListed(int n, HeldMacro& held) {
    if (!editing_.HoldRecord(n, held))
        return false;
    if (ShowsRecord(ListMacroOf(settings_, table_, n), held.AsRead))
        return true;
    ShowError(LibraryMessage::ListedMacroMoved);
    ShowLibraryAnew();
    return false;
}

void LibraryRoads::ShowLibraryAnew() {
    // Chosen again, it is chosen from the file as it is.
    if (!Holding())
        host_.ReloadShared();
}

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
