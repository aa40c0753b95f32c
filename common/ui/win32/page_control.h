// A tab control whose tabs each show one page of controls. Alt plus the
// accelerator letter of a tab selects it from anywhere in its form, as a
// click on the tab would.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "common/ui/win32/controls.h"

namespace orv {

class TTabSheet;

class TAPageControl : public TControl {
  public:
    TAPageControl(TForm& form, TControl* parent, Bounds bounds);
    ~TAPageControl() override;

    TTabSheet& Pages(int index) const { return *pages_.at(index); }
    TTabSheet* ActivePage() const { return active_; }
    // By code: OnChange does not run.
    void SetActivePage(TTabSheet& page);
    // After the user chose another page.
    std::function<void()> OnChange;

    // A dialog character (Alt plus a letter): the first page with a visible
    // tab and that accelerator becomes active, as by a click; false when no
    // tab has it.
    bool DialogChar(char letter);

    // Where the pages lie in the control: a form that resizes the control
    // gives its pages these bounds.
    Bounds PageBounds() const;

  protected:
    const char* WindowClass() const override;
    DWORD WindowStyle() const override { return WS_CLIPSIBLINGS; }
    bool TakesFocus() const override { return true; }
    void Apply() override;
    void Capture() override;
    bool ParentMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;

  private:
    friend class TTabSheet;
    TForm& OwnerForm() const { return Form(); }
    void Add(TTabSheet& page);
    void TabsChanged();
    void ShowActive();
    void ChosenByUser(TTabSheet& page);
    int TabIndexOf(const TTabSheet* page) const;

    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
};

// One page: its controls are declared with the page as their parent and show
// while it is the active page.
class TTabSheet : public TControl {
  public:
    TTabSheet(TAPageControl& control, std::string caption);
    // A page without a visible tab cannot be chosen by the user.
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);

  protected:
    const char* WindowClass() const override { return nullptr; }
    DWORD WindowStyle() const override { return 0; }

  private:
    TAPageControl& control_;
    bool tabVisible_ = true;
};

// Offers an Alt+letter to the visible page controls of the key's window; true
// when one selected a tab with it. Called by the forms' key filter, before the
// dialog manager looks for a button with that letter.
bool PageControlTakesDialogChar(const MSG& msg);

}  // namespace orv
