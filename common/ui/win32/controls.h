// Typed wrappers of the controls forms are made of. A control keeps its
// properties itself while its window does not exist (before the form is
// shown and after it closed), so callers set them before showing a form and
// read the user's values after it closed.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TForm;

// Layout pixels (before display scaling), relative to the parent control or,
// without one, to the form's client area.
struct Bounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

class TControl {
  public:
    // Controls register with their form in declaration order, which is the
    // order they are created in and so the Tab order.
    TControl(TForm& form, TControl* parent, Bounds bounds, std::string text = {});
    virtual ~TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    HWND Handle() const { return handle_; }
    int Id() const { return id_; }
    TControl* Parent() const { return parent_; }

    std::string Text() const;
    void SetText(std::string_view text);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    // Its own flag; the control shows only while its parents show as well.
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Showing() const;
    Bounds GetBounds() const { return bounds_; }
    void SetBounds(Bounds bounds);
    void SetFocus();
    bool Focused() const;

  protected:
    // No window class: the control only groups its children (a panel).
    virtual const char* WindowClass() const = 0;
    virtual DWORD WindowStyle() const = 0;
    virtual DWORD WindowExStyle() const { return 0; }
    virtual bool TakesFocus() const { return false; }
    virtual int ExtraHeight() const { return 0; }
    // Apply puts what was set before the window existed into it; Capture keeps
    // what the user left in it before it goes.
    virtual void Apply() {}
    virtual void Capture() {}
    virtual void Notify(int code) { (void)code; }
    // A message the form receives on the control's behalf (WM_NOTIFY,
    // WM_DRAWITEM, WM_MEASUREITEM): common and owner-drawn controls answer
    // here; true when handled.
    virtual bool ParentMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result);
    LRESULT Send(UINT message, WPARAM w = 0, LPARAM l = 0) const;
    TForm& Form() const { return form_; }

  private:
    friend class TForm;
    void Create(HWND dialog, HFONT font, DWORD groupStyle);
    void Destroyed();
    void Place();
    void ShowState();
    POINT Origin() const;

    TForm& form_;
    TControl* parent_;
    Bounds bounds_;
    std::string text_;
    bool enabled_ = true;
    bool visible_ = true;
    HWND handle_ = nullptr;
    int id_;
};

class TLabel : public TControl {
  public:
    using TControl::TControl;

  protected:
    const char* WindowClass() const override { return "STATIC"; }
    DWORD WindowStyle() const override { return SS_LEFT; }
};

// A frame with a caption around its child controls.
class TGroupBox : public TControl {
  public:
    using TControl::TControl;

  protected:
    const char* WindowClass() const override { return "BUTTON"; }
    DWORD WindowStyle() const override { return BS_GROUPBOX; }
};

// Groups its children so they are shown, hidden and moved as a unit.
class TPanel : public TControl {
  public:
    TPanel(TForm& form, TControl* parent, Bounds bounds) : TControl(form, parent, bounds) {}

  protected:
    const char* WindowClass() const override { return nullptr; }
    DWORD WindowStyle() const override { return 0; }
};

enum class ButtonRole {
    Plain,
    Default,  // pressed by Enter
    Cancel,   // pressed by Escape
    DefaultAndCancel,
};

class TButton : public TControl {
  public:
    TButton(TForm& form, TControl* parent, Bounds bounds, std::string caption,
            ButtonRole role = ButtonRole::Plain);
    std::function<void()> OnClick;
    // Not 0: a click closes the form with this result, after OnClick.
    int ModalResult = 0;
    // As a click of the user: runs OnClick when the button is enabled.
    void Click();
    ButtonRole Role() const { return role_; }

  protected:
    const char* WindowClass() const override { return "BUTTON"; }
    DWORD WindowStyle() const override;
    bool TakesFocus() const override { return true; }
    void Notify(int code) override;

  private:
    friend class TForm;
    void Pressed();
    ButtonRole role_;
};

// Check boxes and radio buttons: a checked state and a click.
class TCheckable : public TControl {
  public:
    using TControl::TControl;
    bool Checked() const;
    virtual void SetChecked(bool checked);
    std::function<void()> OnClick;
    // As a click of the user.
    void Click();

  protected:
    const char* WindowClass() const override { return "BUTTON"; }
    void Apply() override;
    void Capture() override;
    void Notify(int code) override;
    void StoreChecked(bool checked);
    virtual bool TogglesOnClick() const { return true; }

  private:
    bool checked_ = false;
};

class TCheckBox : public TCheckable {
  public:
    using TCheckable::TCheckable;

  protected:
    DWORD WindowStyle() const override { return BS_AUTOCHECKBOX; }
    bool TakesFocus() const override { return true; }
};

// Radio buttons declared one after another under the same parent form one
// group: checking one unchecks the others.
class TRadioButton : public TCheckable {
  public:
    TRadioButton(TForm& form, TControl* parent, Bounds bounds, std::string caption);
    void SetChecked(bool checked) override;
    int Group() const { return group_; }

  protected:
    DWORD WindowStyle() const override { return BS_AUTORADIOBUTTON; }
    bool TakesFocus() const override { return true; }
    bool TogglesOnClick() const override { return false; }

  private:
    int group_;
};

class TEdit : public TControl {
  public:
    using TControl::TControl;
    // 0 is no limit. A limit only stops typing; text set by code is kept whole.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    // A password box shows this character in place of each typed one.
    void SetPasswordChar(char c);
    std::function<void()> OnChange;

  protected:
    const char* WindowClass() const override { return "EDIT"; }
    DWORD WindowStyle() const override;
    DWORD WindowExStyle() const override { return WS_EX_CLIENTEDGE; }
    bool TakesFocus() const override { return true; }
    void Apply() override;
    void Notify(int code) override;

  private:
    int maxLength_ = 0;
    bool readOnly_ = false;
    char passwordChar_ = 0;
};

// Several lines of text; lines end with CR LF.
class TMemo : public TEdit {
  public:
    using TEdit::TEdit;

  protected:
    DWORD WindowStyle() const override;
};

struct ListItem {
    std::string Text;
    std::intptr_t Object = 0;
    bool Selected = false;
};

// The items of a list box or drop-down list, each with an integer object.
class TItemsControl : public TControl {
  public:
    TItemsControl(TForm& form, TControl* parent, Bounds bounds, bool sorted);
    // The item's index (its sorted place in a sorted control).
    int AddItem(std::string_view text, std::intptr_t object = 0);
    void ClearItems();
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& Item(int index) const { return items_.at(index).Text; }
    std::intptr_t Object(int index) const { return items_.at(index).Object; }
    // -1 when nothing is selected.
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool Sorted() const { return sorted_; }
    std::function<void()> OnChange;

  protected:
    struct Messages {
        UINT add, reset, setData, getCurSel, setCurSel;
        int selectionChanged;
    };
    virtual const Messages& ItemMessages() const = 0;
    bool TakesFocus() const override { return true; }
    void Apply() override;
    void Capture() override;
    void Notify(int code) override;
    int AddToWindow(const ListItem& item);
    std::vector<ListItem>& Items() { return items_; }
    const std::vector<ListItem>& Items() const { return items_; }

  private:
    std::vector<ListItem> items_;
    int itemIndex_ = -1;
    bool sorted_;
};

class TListBox : public TItemsControl {
  public:
    TListBox(TForm& form, TControl* parent, Bounds bounds, bool sorted = false,
             bool multiSelect = false);
    bool MultiSelect() const { return multiSelect_; }
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);

  protected:
    const char* WindowClass() const override { return "LISTBOX"; }
    DWORD WindowStyle() const override;
    DWORD WindowExStyle() const override { return WS_EX_CLIENTEDGE; }
    const Messages& ItemMessages() const override;
    void Apply() override;
    void Capture() override;

  private:
    bool multiSelect_;
};

// A drop-down list: the user picks one of the items and types nothing.
class TComboBox : public TItemsControl {
  public:
    TComboBox(TForm& form, TControl* parent, Bounds bounds, bool sorted = false)
        : TItemsControl(form, parent, bounds, sorted) {}

  protected:
    const char* WindowClass() const override { return "COMBOBOX"; }
    DWORD WindowStyle() const override;
    int ExtraHeight() const override { return 200; }
    const Messages& ItemMessages() const override;
};

// Arrows that step the number in their associated edit box.
class TUpDown : public TControl {
  public:
    TUpDown(TForm& form, TControl* parent, Bounds bounds, TEdit& associate, int min, int max);
    int Position() const;
    void SetPosition(int position);
    int Min() const { return min_; }
    int Max() const { return max_; }

  protected:
    const char* WindowClass() const override;
    DWORD WindowStyle() const override;
    void Apply() override;
    void Capture() override;

  private:
    TEdit& associate_;
    int min_;
    int max_;
    int position_;
};

}  // namespace orv
