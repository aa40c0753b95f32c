#include "common/ui/win32/status_bar.h"

#include <commctrl.h>

namespace orv {

const char* TStatusBar::WindowClass() const {
    return STATUSCLASSNAMEA;
}

DWORD TStatusBar::WindowStyle() const {
    // Without parts the bar's window text is its one text.
    return CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
}

}  // namespace orv
