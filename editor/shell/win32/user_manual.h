// "User Manual Notice": where the tutorial is, and OK opens it.
#pragma once

#include <string>

#include "common/ui/win32/form.h"

namespace orv::editor {

inline constexpr const char* TutorialFileName = "OVTUT.PDF";
inline constexpr const char* TutorialMissingMessage =
    "The Tutorial / User Manual could not be located.  Please make sure that it was installed.";

class TUserManual : public TForm {
  public:
    explicit TUserManual(std::string programDir);

    TLabel Notice1{*this,
                   nullptr,
                   {12, 12, 376, 48},
                   "The Tutorial / User Guide is a PDF document: reading it needs a PDF reader "
                   "(a web browser of today opens it too)."};
    TLabel Notice2{*this,
                   nullptr,
                   {12, 66, 376, 32},
                   "It is OVTUT.PDF in the program folder, beside Tavrol.exe; the Help menu's "
                   "Contents tell more."};
    TButton OkButton{*this, nullptr, {118, 108, 75, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {207, 108, 75, 25}, "&Cancel", ButtonRole::Cancel};

    void OkButtonClick();

  private:
    std::string programDir_;
};

}  // namespace orv::editor
