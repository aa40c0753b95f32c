#include "editor/shell/win32/user_manual.h"

#include "common/files.h"
#include "common/message_boxes.h"
#include "common/ui/win32/shell_service.h"

namespace orv::editor {

TUserManual::TUserManual(std::string programDir)
    : TForm("TUserManual", "User Manual Notice", 400, 144), programDir_(std::move(programDir)) {
    OkButton.OnClick = [this] { OkButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
}

void TUserManual::OkButtonClick() {
    const std::string path = InFolder(programDir_, TutorialFileName);
    if (FileExists(path))
        CurrentShell().Open(Handle(), path, "");
    else
        ShowError(TutorialMissingMessage);
    Close(IDOK);
}

}  // namespace orv::editor
