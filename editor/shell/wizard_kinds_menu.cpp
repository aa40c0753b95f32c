#include "editor/shell/wizard_kinds_menu.h"

#include <array>

namespace orv::editor {

std::span<const WizardMenuEntry> WizardMenuEntries() {
    static const std::array<WizardMenuEntry, 28> entries = {{
        {1, "&Type Text and Keystrokes", {"Type Text", "and", "Keystrokes"}},
        {2, "&Paste Text or Graphics", {"Paste Text", "or", "Graphics"}},
        {3, "Type A &Symbol", {"Type", "A", "Symbol"}},
        {4, "&Launch or Activate Programs", {"Launch or", "Activate", "Programs"}},
        {5, "&Go To A Web Site", {"Go To", "a", "Web Site"}},
        {6, "Type A &Date or Time", {"Type a", "Date", "or Time"}},
        {7, "&Capture A Macro", {"Capture", "A", "Macro"}},
        {8, "&Connect Network", {"Connect", "Network"}},
        {9, "&Reboot or Shut Down", {"Reboot", "or", "Shut Down"}},
        {10, "&Create A Reminder", {"Create", "a", "Reminder"}},
        {11, "&Copy, Delete, Rename", {"Copy,", "Delete,", "Rename"}},
        {12, "&Dial-Up Networking", {"Dial-Up", "Network"}},
        {13, "&Set Display Resolution", {"Set", "Display", "Resolution"}},
        {14, "Choose A &Printer", {"Choose", "A", "Printer"}},
        {15, "&Play Audio CD-Rom", {"Play", "Audio", "CD-Rom"}},
        {16, "Pla&y A Video Clip", {"Play a", "Video", "Clip"}},
        {17, "Sounds and &Volume", {"Sounds", "and", "Volume"}},
        {18, "&Web Sweepstakes", {"Web", "Sweep-", "stakes"}},
        {19, "Change Desktop &Wallpaper", {"Change", "Desktop", "Wallpaper"}},
        {20, "&Move or Size a Window", {"Move or", "Size", "a Window"}},
        {21, "Ma&ximize, Minimize Windows", {"Maximize,", "Minimize", "Windows"}},
        {22, "&Open an Explorer Folder", {"Open an", "Explorer", "Folder"}},
        {23, "&Desktop Goodies", {"Desktop", "Goodies"}},
        {24, "Screen Saver &Options", {"Screen", "Saver", "Options"}},
        {25, "Create &Menu of Macros", {"Create", "Menu", "of Macros"}},
        {26, "&Build Macros From Other Macros", {"Build", "From Other", "Macros"}},
        {27, "", {"Single", "Macro", "Command"}},
        {29, "&Send E-Mail", {"Send", "E-Mail"}},
    }};
    return entries;
}

std::vector<int> WizardCaptionTops(std::size_t lineCount) {
    if (lineCount == 2)
        return {8, 24};
    return {2, 16, 30};
}

int WizardCaptionLeft(int glyphWidth, int textWidth) {
    return (glyphWidth - textWidth) / 2 + 25;
}

}  // namespace orv::editor
