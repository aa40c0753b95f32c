#include "common/ui/win32/about_box.h"

#include "common/win32/icons.h"

namespace orv {

TAboutBox::TAboutBox(std::string program)
    : TForm("TAboutBox", "About", 268, 137), program_(std::move(program)) {
    OkButton.ModalResult = IDOK;
    Notice.SetText("Copyright (c) 2026 the Orvane developers. All rights reserved.");
}

void TAboutBox::FormShow() {
    ProductName.SetText(program_);
    Version.SetText("Version " ORVANE_VERSION_TEXT);
    ProgramIcon.SetPicture({.Icon = LoadProgramIcon(OrvaneIcon::Program)});
}

}  // namespace orv
