// The command palette of the script editor: picture buttons on four pages,
// each appending one new command to the end of the open script through its
// family's bridge, then asking whether to go on.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "common/script/catalogue.h"
#include "common/ui/win32/form.h"
#include "common/ui/win32/page_control.h"
#include "common/ui/win32/pictures.h"

namespace orv::editor {

class TDoScripting;

// One palette button: its page (0-based), its label with the "&" of its Alt
// letter, and the command its bridge is called for.
struct PaletteEntry {
    int Page;
    const char* Label;
    CommandCode Code;
};

class TDoWizard : public TForm {
  public:
    explicit TDoWizard(TDoScripting& editor);
    ~TDoWizard() override;

    TLabel Heading{*this, nullptr, {8, 8, 300, 16}, "What would you like to do?"};
    TAPageControl Pages{*this, nullptr, {8, 28, 454, 290}};
    TTabSheet TextPage{Pages, "&Text / Mouse"};
    TTabSheet SystemPage{Pages, "&System / Windows"};
    TTabSheet ProgramsPage{Pages, "&Programs / Files"};
    TTabSheet MacroPage{Pages, "&Macro Control"};
    TButton ExitButton{*this, nullptr, {306, 326, 75, 25}, "E&xit", ButtonRole::Cancel};
    TButton HelpButton{*this, nullptr, {387, 326, 75, 25}, "&Help"};

    // The button with that label (spelt as its entry, "&" included); null
    // for none.
    TSpeedButton* Button(std::string_view label) const;
    // Runs the entry's button as its click does.
    void Choose(const PaletteEntry& entry);

  protected:
    void FormKeyDown(WORD& key, ShiftState shift) override;
    void FormKeyUp(WORD& key, ShiftState shift) override;

  private:
    struct PaletteButton {
        const PaletteEntry* Entry;
        std::unique_ptr<TSpeedButton> Button;
        std::unique_ptr<TLabel> Label;
    };
    TTabSheet& PageOf(const PaletteEntry& entry);

    TDoScripting& editor_;
    std::vector<PaletteButton> buttons_;
    std::vector<HBITMAP> pictures_;
};

// The palette behind the script editor's Wizard button.
void OpenPalette(TDoScripting& editor);

}  // namespace orv::editor
