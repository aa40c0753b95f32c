#include "common/win32/icons.h"

namespace orv {

const char* IconResourceName(OrvaneIcon icon) {
    switch (icon) {
        case OrvaneIcon::Program:
            return "APPICON";
        case OrvaneIcon::Loaded:
            return "MAIN";
        case OrvaneIcon::Menu:
            return "MENU";
        case OrvaneIcon::Running:
            return "RUNNING";
        case OrvaneIcon::Record:
            return "RECORD";
    }
    return "APPICON";
}

HICON LoadProgramIcon(OrvaneIcon icon, bool small) {
    // Shared icons: the system keeps one per size, so handing them around
    // needs no owner.
    int size = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), IconResourceName(icon),
                                         IMAGE_ICON, size, size, LR_SHARED));
}

}  // namespace orv
