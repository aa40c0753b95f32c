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

#include "common/font_description.h"
#include "common/ui/bounds.h"

namespace orv {

class TForm;
class TControl;
class TCanvas;

// Keys and mouse buttons held down with a key or mouse event.
using ShiftState = unsigned;
constexpr ShiftState ShiftDown = 1;
constexpr ShiftState AltDown = 2;
constexpr ShiftState CtrlDown = 4;
constexpr ShiftState LeftButtonDown = 8;
constexpr ShiftState RightButtonDown = 16;
constexpr ShiftState MiddleButtonDown = 32;
ShiftState CurrentShift();

enum class MouseButton { Left, Right, Middle };

// Where a dragged control was dropped, in the target's client pixels, with
// the target's item under that point (-1 where it has none).
struct DropPoint {
    TControl* Source = nullptr;
    int X = 0;
    int Y = 0;
    int Item = -1;
};

// A drag starts once the mouse moved this far (pixels, either way) with the
// left button down on a control whose AutoDrag is set.
constexpr int DragThreshold = 15;

class TControl {
  public:
    // Controls register with their form in declaration order, which is the
    // order they are created in and so the Tab order.
    TControl(TForm& form, TControl* parent, Bounds bounds, std::string text = {});
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    HWND Handle() const { return handle_; }
    int Id() const { return id_; }
    TControl* Parent() const { return parent_; }
    TForm& Form() const { return form_; }

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

    // Its own font and colours instead of the form's; CLR_INVALID is the
    // system's colour.
    void SetFont(const FontDescription& font);
    void SetColor(COLORREF background);
    void SetFontColor(COLORREF text);

    // Events of the control's window. A key handler may change the key, or
    // set it to 0 to keep it from the control. Mouse positions are client
    // pixels of the control.
    std::function<void()> OnEnter;
    std::function<void()> OnExit;
    std::function<void(WORD& key, ShiftState shift)> OnKeyDown;
    std::function<void(char& key)> OnKeyPress;
    std::function<void(MouseButton button, ShiftState shift, int x, int y)> OnMouseDown;
    std::function<void(MouseButton button, ShiftState shift, int x, int y)> OnMouseUp;
    std::function<void(ShiftState shift, int x, int y)> OnMouseMove;
    std::function<void()> OnDblClick;

    // Dragging (within the program's own windows): the source is a control
    // with AutoDrag; a target accepts it in OnDragOver (without one, a target
    // with OnDragDrop accepts everything) and gets it in OnDragDrop.
    bool AutoDrag = false;
    std::function<bool(TControl& source, int x, int y)> OnDragOver;
    std::function<void(const DropPoint& drop)> OnDragDrop;
    bool Dragging() const { return dragging_; }

  protected:
    // No window class: the control only groups its children (a panel).
    virtual const char* WindowClass() const = 0;
    virtual DWORD WindowStyle() const = 0;
    virtual DWORD WindowExStyle() const { return 0; }
    virtual bool TakesFocus() const { return false; }
    virtual int ExtraHeight() const { return 0; }
    // Keys the control wants from the dialog manager beyond its class's own
    // (DLGC_WANTCHARS, DLGC_WANTARROWS, ...).
    virtual UINT WantedKeys() const { return 0; }
    // Apply puts what was set before the window existed into it; Capture keeps
    // what the user left in it before it goes.
    virtual void Apply() {}
    virtual void Capture() {}
    virtual void Notify(int code) { (void)code; }
    // A message the form receives on the control's behalf (WM_NOTIFY,
    // WM_DRAWITEM, WM_MEASUREITEM, and WM_USER messages before the form's
    // own handler): common and owner-drawn controls answer here; true when
    // handled.
    virtual bool ParentMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result);
    // A message of the control's own window, before its class handles it;
    // overrides call this one for what they leave. True when handled.
    virtual bool WindowMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result);
    LRESULT CallDefault(UINT message, WPARAM w, LPARAM l) const;
    // The item under a client point, for drops; -1 where there is none.
    virtual int ItemAt(int x, int y) const;
    // The form closes or hides.
    virtual void FormClosing() {}
    // The form's window went (the control's with it).
    virtual void WindowDestroyed() {}
    // A control that exists only once shown (a lazy panel) says so here.
    virtual bool Realised() const { return true; }
    virtual void RealiseIfShowing() {}
    bool AwaitsShow() const;
    LRESULT Send(UINT message, WPARAM w = 0, LPARAM l = 0) const;

  private:
    friend class TForm;
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                         DWORD_PTR self);
    void Create(HWND dialog, HFONT font, DWORD groupStyle);
    void Destroyed();
    void Place();
    void ShowState();
    POINT Origin() const;
    HBRUSH Colours(HDC dc, int systemBackground) const;
    bool MouseMessage(UINT message, WPARAM w, LPARAM l);
    void TrackDrag(UINT message, POINT at);
    TControl* DropTarget(POINT at, POINT& targetPoint) const;

    TForm& form_;
    TControl* parent_;
    Bounds bounds_;
    std::string text_;
    bool enabled_ = true;
    bool visible_ = true;
    HWND handle_ = nullptr;
    int id_;
    HFONT font_ = nullptr;
    HBRUSH brush_ = nullptr;
    COLORREF color_ = CLR_INVALID;
    COLORREF fontColor_ = CLR_INVALID;
    POINT dragStart_{};
    bool dragPending_ = false;
    bool dragging_ = false;
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

// Groups its children so they are shown, hidden and moved as a unit. A lazy
// panel's controls get their windows only when it first shows (forms with
// many panels open quickly); values set before are kept, and so is the Tab
// order of their declaration.
class TPanel : public TControl {
  public:
    TPanel(TForm& form, TControl* parent, Bounds bounds, bool lazy = false)
        : TControl(form, parent, bounds), lazy_(lazy) {}

  protected:
    const char* WindowClass() const override { return nullptr; }
    DWORD WindowStyle() const override { return 0; }
    bool Realised() const override { return !lazy_ || realised_; }
    void RealiseIfShowing() override;
    void WindowDestroyed() override { realised_ = false; }

  private:
    bool lazy_;
    bool realised_ = false;
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

// Radio buttons on the same parent control (the form itself for none) are
// one question, whatever else stands between them: checking one unchecks the
// others. A question is one Tab stop, at its checked radio (its first while
// none is), and the arrow keys move the choice within it.
class TRadioButton : public TCheckable {
  public:
    using TCheckable::TCheckable;
    void SetChecked(bool checked) override;
    // The radios of its question in declaration order, itself among them.
    std::vector<TRadioButton*> Question() const;
    // Where the Tab key stops in its question.
    bool IsTabStop() const;

  protected:
    // Checked by the form, not the system: the system would keep to
    // neighbours in the window order.
    DWORD WindowStyle() const override { return BS_RADIOBUTTON; }
    bool TakesFocus() const override { return true; }
    bool TogglesOnClick() const override { return false; }
    UINT WantedKeys() const override { return DLGC_WANTARROWS; }
    void Apply() override;
    void Notify(int code) override;
    bool WindowMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;

  private:
    void MoveChoice(int step);
    void ShowTabStops() const;
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
    // The selection, in characters from the start of the text.
    int SelStart() const;
    int SelLength() const;
    void SetSelection(int start, int length);
    // The Edit menu's operations on the selection, through the clipboard.
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    void ClearSelection();
    std::function<void()> OnChange;

  protected:
    const char* WindowClass() const override { return "EDIT"; }
    DWORD WindowStyle() const override;
    DWORD WindowExStyle() const override { return WS_EX_CLIENTEDGE; }
    bool TakesFocus() const override { return true; }
    void Apply() override;
    void Notify(int code) override;

  private:
    std::pair<int, int> Selection() const;
    int maxLength_ = 0;
    bool readOnly_ = false;
    char passwordChar_ = 0;
    std::pair<int, int> selection_{0, 0};
};

// Several lines of text; lines end with CR LF.
class TMemo : public TEdit {
  public:
    using TEdit::TEdit;
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    void AddLine(std::string_view line);
    int LineCount() const { return static_cast<int>(Lines().size()); }

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
    void DeleteItem(int index);
    // A new text at the same place, keeping the item's object and selection.
    void ReplaceItem(int index, std::string_view text);
    // The first item with exactly that text, regardless of case; -1 for none.
    int IndexOf(std::string_view text) const;
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
        UINT add, insert, remove, reset, setData, getCurSel, setCurSel;
        int selectionChanged;
    };
    virtual const Messages& ItemMessages() const = 0;
    bool TakesFocus() const override { return true; }
    void Apply() override;
    void Capture() override;
    void Notify(int code) override;
    int AddToWindow(const ListItem& item);
    void InsertIntoWindow(int index, const ListItem& item);
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
    // Before the show: a click toggles the line it hits, leaving the others
    // (a multi-select list without Shift or Ctrl).
    void SetClickToggles(bool toggles);
    // Before the show: the lines are drawn by OnDrawItem, each this high.
    void SetOwnerDraw(int itemHeight);
    std::function<void(TCanvas& canvas, int index, const RECT& rect, bool selected)> OnDrawItem;
    // The line at a client point, -1 below the last.
    int ItemAtPoint(int x, int y) const;

  protected:
    const char* WindowClass() const override { return "LISTBOX"; }
    DWORD WindowStyle() const override;
    DWORD WindowExStyle() const override { return WS_EX_CLIENTEDGE; }
    const Messages& ItemMessages() const override;
    void Apply() override;
    void Capture() override;
    bool ParentMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;
    int ItemAt(int x, int y) const override { return ItemAtPoint(x, y); }

  private:
    bool multiSelect_;
    bool clickToggles_ = false;
    int itemHeight_ = 0;
};

// A drop-down list: the user picks one of the items and types nothing.
class TComboBox : public TItemsControl {
  public:
    TComboBox(TForm& form, TControl* parent, Bounds bounds, bool sorted = false)
        : TItemsControl(form, parent, bounds, sorted) {}
    // How many rows the list shows when it drops down.
    void SetDropDownRows(int rows);

  protected:
    const char* WindowClass() const override { return "COMBOBOX"; }
    DWORD WindowStyle() const override;
    int ExtraHeight() const override;
    void Notify(int code) override;
    const Messages& ItemMessages() const override;
    void Apply() override;

  private:
    int dropRows_ = 12;
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
