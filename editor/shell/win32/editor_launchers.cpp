#include "editor/shell/win32/editor_launchers.h"

#include "common/message_boxes.h"

namespace orv::editor {

void ShowNotAvailableYet() {
    CurrentMessageBoxes().Show("Notice", NotAvailableYetMessage,
                               MsgStyle::Ok | MsgStyle::IconInformation);
}

}  // namespace orv::editor
