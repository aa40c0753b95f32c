// The icon button of the script editors: choosing an icon file (copied into
// the program's "\Icons" folder), resetting to the program's icon, and the
// picture the button shows.
#pragma once

#include <windows.h>

#include <string>

#include "common/ui/win32/pictures.h"
#include "common/win32/icons.h"

namespace orv::editor {

class IconChooser {
  public:
    // mainIcon: the picture "MAIN" stands for on this button.
    IconChooser(TSpeedButton& button, std::string programDir,
                OrvaneIcon mainIcon = OrvaneIcon::Loaded);
    ~IconChooser();
    IconChooser(const IconChooser&) = delete;
    IconChooser& operator=(const IconChooser&) = delete;

    // "MAIN" or the icon's file name in the icons folder.
    const std::string& Name() const { return name_; }
    // The stored name, when its file is there; else the program's icon, silently.
    void Restore(const std::string& name);
    // The left click: the file dialog and the copy into the icons folder.
    void Choose(HWND owner);
    // The right click: asks, then the program's icon.
    void AskReset();

  private:
    void ShowFile(const std::string& path, std::string name);
    void ShowMain();

    TSpeedButton& button_;
    std::string programDir_;
    OrvaneIcon mainIcon_;
    std::string name_;
    HICON icon_ = nullptr;
};

}  // namespace orv::editor
