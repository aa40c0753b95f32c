// The icons of common/win32/icons.rc, which every program links in.
#pragma once

#include <windows.h>

namespace orv {

enum class OrvaneIcon {
    Program,  // the program file's own icon
    Loaded,   // macros loaded, waiting
    Menu,     // a pop-up menu macro
    Running,  // a macro playing
    Record,   // a capture going on
};

// The resource name of the icon.
const char* IconResourceName(OrvaneIcon icon);
// The icon at the system's large (or small) icon size, loaded once from the
// running program and kept for its life; null when the program lacks it.
HICON LoadProgramIcon(OrvaneIcon icon, bool small = false);

}  // namespace orv
