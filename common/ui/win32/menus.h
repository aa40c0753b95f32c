// Menus of forms: the menu bar, pop-up menus and keyboard accelerators. Each
// item gets a command id of its form in declaration order, so ids stay the
// same from run to run; a WM_COMMAND with one runs the item's OnClick.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/ui/win32/form.h"

namespace orv {

class TMenuItem : public CommandTarget {
  public:
    // Under its parent (an item or a menu), after the items declared before
    // it. A caption of "-" makes a separator.
    TMenuItem(TMenuItem& parent, std::string caption);
    virtual ~TMenuItem();
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    std::function<void()> OnClick;
    int Command() const { return command_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // A hidden item is taken out of its menu and put back at its place.
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // As the user's choice of the item: OnClick runs when it is enabled.
    void Click();

    // Items made at run time (a list of recent files, say), owned by this
    // one and placed after its other items.
    TMenuItem& AddItem(std::string caption, std::function<void()> onClick = {});
    void ClearAddedItems();
    const std::vector<TMenuItem*>& Items() const { return children_; }

    // Its submenu (null while it has no items), or the menu of a root.
    HMENU Handle() const { return menu_; }

  protected:
    // A root: the menu bar or a pop-up menu.
    TMenuItem(TForm& form, HMENU menu);
    TForm& Form() const { return form_; }

  private:
    void RunCommand() override { Click(); }
    HMENU SubmenuForItems();
    MENUITEMINFOA Info() const;
    int Place() const;
    void Insert();
    void Update();
    void Changed() const;
    bool InMenu() const;

    TForm& form_;
    TMenuItem* parent_ = nullptr;
    std::vector<TMenuItem*> children_;
    std::vector<std::unique_ptr<TMenuItem>> added_;
    HMENU menu_ = nullptr;
    std::string caption_;
    int command_ = 0;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
};

// The form's menu bar, shown with the form (modal or not).
class TMainMenu : public TMenuItem {
  public:
    explicit TMainMenu(TForm& form);
    ~TMainMenu() override;
};

class TPopupMenu : public TMenuItem {
  public:
    explicit TPopupMenu(TForm& form);
    ~TPopupMenu() override;
    // Opens at a screen point and returns once it closed, after running the
    // chosen item. The form comes to the foreground first and gets a WM_NULL
    // after, or the menu would not close when the user clicks elsewhere.
    void Popup(int screenX, int screenY);
};

// Key combinations that run commands while the form is active, modal or not.
class TAccelerators {
  public:
    explicit TAccelerators(TForm& form);
    ~TAccelerators();
    TAccelerators(const TAccelerators&) = delete;
    TAccelerators& operator=(const TAccelerators&) = delete;

    // key: a virtual key; shift: any of CtrlDown, ShiftDown, AltDown.
    void Add(WORD key, ShiftState shift, std::function<void()> action);
    // Runs the item as its click does (not while it is disabled).
    void Add(WORD key, ShiftState shift, const TMenuItem& item);

  private:
    friend class TForm;
    struct Action final : CommandTarget {
        std::function<void()> Run;
        void RunCommand() override { Run(); }
    };
    void AddCommand(WORD key, ShiftState shift, int command);
    bool Translate(HWND form, MSG& msg);

    TForm& form_;
    std::vector<std::unique_ptr<Action>> actions_;
    std::vector<int> commands_;
    std::vector<ACCEL> table_;
    HACCEL handle_ = nullptr;
};

}  // namespace orv
