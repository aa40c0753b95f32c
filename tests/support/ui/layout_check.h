// Faults of a shown form's layout that a picture shows only to a careful eye:
// a caption cut off by its control, two controls lying over each other, a
// control beyond its form.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace orv::testing {

// One line per fault, naming the control by its class and text. Checks the
// form's visible controls: each caption of a label, button, check box, radio
// button or group box fits its control at the control's font (word-wrapped
// where the control wraps); no two controls overlap unless one holds the
// other; each lies inside its parent's client area.
std::vector<std::string> LayoutFaults(HWND form);

// One line per "&" letter that two of the form's visible captions (labels,
// buttons, check boxes, radio buttons, group boxes) or menu bar titles share:
// Alt and that letter reaches only one of them.
std::vector<std::string> MnemonicFaults(HWND form);

}  // namespace orv::testing
