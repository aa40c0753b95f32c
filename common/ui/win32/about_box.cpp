#include "common/ui/win32/about_box.h"

#include "common/win32/icons.h"

namespace orv {

TAboutBox::TAboutBox(std::string caption) : TForm("TAboutBox", std::move(caption), 268, 137) {
    OkButton.ModalResult = IDOK;
    Notice.SetText("Copyright (c) 2026 the Orvane developers. All rights reserved.");
}

void TAboutBox::FormShow() {
    ProductName.SetText("Orvane Editor");
    Version.SetText("Version " ORVANE_VERSION_TEXT);
    ProgramIcon.SetPicture({.Icon = LoadProgramIcon(OrvaneIcon::Program)});
}

}  // namespace orv
