#include "editor/script/win32/palette.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "common/message_boxes.h"
#include "editor/script/bridges.h"
#include "editor/script/win32/palette_pictures.h"
#include "editor/script/win32/script_editor.h"

namespace orv::editor {
namespace {

using C = CommandCode;

// The buttons in page order; button n shows picture n of the palette.
const PaletteEntry PaletteEntries[] = {
    {0, "&Enter Text, Symbols, Keystrokes", static_cast<C>(1)},
    {0, "M&ouse Clicks, Movements, Wheel", static_cast<C>(24)},
    {0, "Insert &Date (current, past or future)", static_cast<C>(2)},
    {0, "I&nsert Time", static_cast<C>(3)},
    {0, "&Clipboard Functions (copy, paste)", static_cast<C>(37)},
    {0, "Enter a Comment or &Remark", static_cast<C>(29)},
    {0, "&Alt, Ctrl, Shift, Win Down and Up", static_cast<C>(40)},
    {0, "&Insert a Text File", static_cast<C>(15)},
    {0, "Encr&ypted Text", static_cast<C>(113)},
    {1, "&Audio CD Functions", static_cast<C>(56)},
    {1, "&Network Connections", static_cast<C>(52)},
    {1, "Set a Window Si&ze or Position", static_cast<C>(16)},
    {1, "Maximize, Minimize, etc &Windows", static_cast<C>(19)},
    {1, "&Dial-Up Networking", static_cast<C>(94)},
    {1, "Spea&ker Controls", static_cast<C>(87)},
    {1, "Set De&fault Printer", static_cast<C>(72)},
    {1, "Set S&creen Resolution", static_cast<C>(73)},
    {1, "T&ile, Cascade, Minimize Desktop", static_cast<C>(67)},
    {1, "&Reboot, Logoff, Shutdown", static_cast<C>(75)},
    {1, "Screen Sa&ver Settings, Wallpaper", static_cast<C>(81)},
    {2, "&Activate / Launch Programs", static_cast<C>(33)},
    {2, "&Launch a Web Site", static_cast<C>(43)},
    {2, "&FTP Download", static_cast<C>(44)},
    {2, "&Delete, Copy, Rename Files, etc", static_cast<C>(46)},
    {2, "Pla&y a Sound", static_cast<C>(13)},
    {2, "Play a &Video Clip", static_cast<C>(55)},
    {2, "&Open Folder In Explorer", static_cast<C>(66)},
    {2, "&Send E-Mail", static_cast<C>(112)},
    {3, "Set &Keyboard or Mouse Speed", static_cast<C>(8)},
    {3, "Insert a &Delay", static_cast<C>(4)},
    {3, "&Repeat Loop", static_cast<C>(6)},
    {3, "&Wait For Window", static_cast<C>(93)},
    {3, "Play, Delete, &Activate Macros", static_cast<C>(51)},
    {3, "Ma&cro Pause", static_cast<C>(5)},
    {3, "&Load New Macro File", static_cast<C>(14)},
    {3, "Display a Text &Box", static_cast<C>(54)},
};

// Two columns of picture buttons, each with its label (up to two lines) to
// the right.
constexpr int ColumnWidth = 222, RowHeight = 40, PictureSize = 36, Margin = 8;

// Released with Alt, these letters go no further (the dialog manager would
// only beep at them).
constexpr const char* AltReleaseLetters = "ACDEFIKLMNPSTWYZ";

// The upper-cased letter after the label's "&".
char AltLetter(const char* label) {
    const char* amp = std::strchr(label, '&');
    char letter = amp ? amp[1] : '\0';
    return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
}

HBITMAP LoadPicture(int number) {
    return static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                           MAKEINTRESOURCEA(PaletteResource::PictureBase + number),
                                           IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

}  // namespace

TDoWizard::TDoWizard(TDoScripting& editor)
    : TForm("TDoWizard", "Scripting Wizard", 470, 360), editor_(editor) {
    HelpKeyword = "Command Wizard";
    KeyPreview = true;
    ExitButton.OnClick = [this] { Close(IDCANCEL); };
    HelpButton.OnClick = [this] { ShowHelp(); };
    int indexOnPage = 0, lastPage = 0, number = 0;
    for (const PaletteEntry& entry : PaletteEntries) {
        if (entry.Page != lastPage)
            indexOnPage = 0;
        lastPage = entry.Page;
        const int left = Margin + (indexOnPage % 2) * ColumnWidth;
        const int top = Margin + (indexOnPage / 2) * RowHeight;
        ++indexOnPage;
        HBITMAP picture = LoadPicture(++number);
        if (picture)
            pictures_.push_back(picture);
        TTabSheet& page = PageOf(entry);
        PaletteButton button{&entry,
                             std::make_unique<TSpeedButton>(
                                 *this, &page, Bounds{left, top, PictureSize, PictureSize},
                                 Picture{picture, nullptr}),
                             std::make_unique<TLabel>(*this, &page,
                                                      Bounds{left + PictureSize + 6, top + 2,
                                                             ColumnWidth - PictureSize - 10, 32},
                                                      entry.Label)};
        const bool available = BridgeAvailable(*BridgeFor(entry.Code));
        button.Button->SetEnabled(available);
        button.Label->SetEnabled(available);
        button.Button->OnClick = [this, &entry] { Choose(entry); };
        buttons_.push_back(std::move(button));
    }
}

TDoWizard::~TDoWizard() {
    buttons_.clear();
    for (HBITMAP picture : pictures_) DeleteObject(picture);
}

TTabSheet& TDoWizard::PageOf(const PaletteEntry& entry) {
    TTabSheet* pages[] = {&TextPage, &SystemPage, &ProgramsPage, &MacroPage};
    return *pages[entry.Page];
}

TSpeedButton* TDoWizard::Button(std::string_view label) const {
    for (const PaletteButton& b : buttons_)
        if (label == b.Entry->Label)
            return b.Button.get();
    return nullptr;
}

void TDoWizard::Choose(const PaletteEntry& entry) {
    editor_.PaletteAdd(entry.Code);
    if (editor_.Modified != 1)
        return;
    int answer = CurrentMessageBoxes().Show("Added",
                                            "Macro object successfully added.  Continue with "
                                            "wizard?",
                                            MsgStyle::YesNo | MsgStyle::IconQuestion);
    if (answer == MsgResult::No)
        Close(IDOK);
}

void TDoWizard::FormKeyDown(WORD& key, ShiftState shift) {
    if (!(shift & AltDown))
        return;
    for (const PaletteButton& b : buttons_) {
        if (&PageOf(*b.Entry) != Pages.ActivePage() || AltLetter(b.Entry->Label) != key)
            continue;
        key = 0;
        if (b.Button->Enabled())
            Choose(*b.Entry);
        return;
    }
}

void TDoWizard::FormKeyUp(WORD& key, ShiftState shift) {
    if ((shift & AltDown) && key < 0x80 && key != 0 &&
        std::strchr(AltReleaseLetters, static_cast<char>(key)))
        key = 0;
}

void OpenPalette(TDoScripting& editor) {
    TDoWizard palette(editor);
    palette.ShowModal(editor.Handle());
}

}  // namespace orv::editor
