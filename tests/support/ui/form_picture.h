// Pictures of forms for review by eye.
#pragma once

#include <windows.h>

#include <string>

namespace orv {
class TForm;
}

namespace orv::testing {

// Shows the form as it would appear, writes its picture to path as a 24-bit
// BMP file and closes it again (as if cancelled). False when the picture
// could not be taken or written, or when the shown form's layout has faults
// (LayoutFaults) or two captions share an "&" letter (MnemonicFaults), each
// of which is written to the error output.
bool WriteFormPicture(TForm& form, const std::string& path);

// The same for a form already on show, left as it is: for the states a form
// passes through while it shows (a wizard's panels), each checked as the
// user sees it.
bool WriteShownFormPicture(HWND form, const std::string& path);

}  // namespace orv::testing
