#include "common/ui/win32/controls.h"

#include <commctrl.h>

#include <algorithm>

#include "common/ui/win32/display.h"
#include "common/whole_numbers.h"
#include "common/ui/win32/form.h"

namespace orv {

TControl::TControl(TForm& form, TControl* parent, Bounds bounds, std::string text)
    : form_(form), parent_(parent), bounds_(bounds), text_(std::move(text)) {
    id_ = form.Register(this);
}

std::string TControl::Text() const {
    if (!handle_)
        return text_;
    int length = GetWindowTextLengthA(handle_);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(handle_, text.data(), length + 1)));
    return text;
}

void TControl::SetText(std::string_view text) {
    text_ = std::string(text);
    if (handle_)
        SetWindowTextA(handle_, text_.c_str());
}

void TControl::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (handle_)
        EnableWindow(handle_, enabled);
}

void TControl::SetVisible(bool visible) {
    visible_ = visible;
    ShowState();
    form_.ShowControlsOf(this);
}

bool TControl::Showing() const {
    return visible_ && (!parent_ || parent_->Showing());
}

void TControl::SetBounds(Bounds bounds) {
    bounds_ = bounds;
    Place();
    form_.PlaceControlsOf(this);
}

void TControl::SetFocus() {
    form_.RequestFocus(this);
}

bool TControl::Focused() const {
    return handle_ && GetFocus() == handle_;
}

bool TControl::ParentMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT TControl::Send(UINT message, WPARAM w, LPARAM l) const {
    return handle_ ? SendMessageA(handle_, message, w, l) : 0;
}

POINT TControl::Origin() const {
    POINT p{bounds_.Left, bounds_.Top};
    if (parent_) {
        POINT o = parent_->Origin();
        p.x += o.x;
        p.y += o.y;
    }
    return p;
}

void TControl::Create(HWND dialog, HFONT font, DWORD groupStyle) {
    if (!WindowClass())
        return;
    POINT o = Origin();
    DWORD style = WS_CHILD | WindowStyle() | groupStyle | (Showing() ? WS_VISIBLE : 0) |
                  (enabled_ ? 0 : WS_DISABLED);
    handle_ = CreateWindowExA(
        WindowExStyle(), WindowClass(), text_.c_str(), style, Scaled(o.x), Scaled(o.y),
        Scaled(bounds_.Width), Scaled(bounds_.Height) + ExtraHeight(), dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), GetModuleHandleA(nullptr), nullptr);
    if (!handle_)
        return;
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    Apply();
}

void TControl::Destroyed() {
    if (!handle_)
        return;
    Capture();
    text_ = Text();
    handle_ = nullptr;
}

void TControl::Place() {
    if (!handle_)
        return;
    POINT o = Origin();
    SetWindowPos(handle_, nullptr, Scaled(o.x), Scaled(o.y), Scaled(bounds_.Width),
                 Scaled(bounds_.Height) + ExtraHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TControl::ShowState() {
    if (handle_)
        ShowWindow(handle_, Showing() ? SW_SHOWNA : SW_HIDE);
}

// Buttons ----------------------------------------------------------------

TButton::TButton(TForm& form, TControl* parent, Bounds bounds, std::string caption, ButtonRole role)
    : TControl(form, parent, bounds, std::move(caption)), role_(role) {}

DWORD TButton::WindowStyle() const {
    bool isDefault = role_ == ButtonRole::Default || role_ == ButtonRole::DefaultAndCancel;
    return isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::Click() {
    if (Handle()) {
        // Through the window, as the user's click goes.
        if (IsWindowEnabled(Handle()) && IsWindowVisible(Handle()))
            Send(BM_CLICK);
    } else if (Enabled()) {
        Pressed();
    }
}

void TButton::Pressed() {
    if (OnClick)
        OnClick();
    if (ModalResult != 0)
        Form().Close(ModalResult);
}

void TButton::Notify(int code) {
    if (code == BN_CLICKED)
        Pressed();
}

bool TCheckable::Checked() const {
    return Handle() ? Send(BM_GETCHECK) == BST_CHECKED : checked_;
}

void TCheckable::SetChecked(bool checked) {
    StoreChecked(checked);
}

void TCheckable::StoreChecked(bool checked) {
    checked_ = checked;
    Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

void TCheckable::Click() {
    if (Handle()) {
        if (IsWindowEnabled(Handle()) && IsWindowVisible(Handle()))
            Send(BM_CLICK);
    } else if (Enabled()) {
        SetChecked(TogglesOnClick() ? !checked_ : true);
        if (OnClick)
            OnClick();
    }
}

void TCheckable::Apply() {
    Send(BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED);
}

void TCheckable::Capture() {
    checked_ = Send(BM_GETCHECK) == BST_CHECKED;
}

void TCheckable::Notify(int code) {
    if (code == BN_CLICKED && OnClick)
        OnClick();
}

TRadioButton::TRadioButton(TForm& form, TControl* parent, Bounds bounds, std::string caption)
    : TCheckable(form, parent, bounds, std::move(caption)) {
    // The form numbers the control before this constructor runs; the group
    // is that of the radio button declared just before under the same parent.
    const auto& all = form.Controls();
    TRadioButton* previous =
        all.size() >= 2 ? dynamic_cast<TRadioButton*>(all[all.size() - 2]) : nullptr;
    group_ = previous && previous->Parent() == parent ? previous->group_ : Id();
}

void TRadioButton::SetChecked(bool checked) {
    if (checked)
        for (TControl* c : Form().Controls())
            if (auto* other = dynamic_cast<TRadioButton*>(c);
                other && other != this && other->group_ == group_)
                other->StoreChecked(false);
    StoreChecked(checked);
}

// Edit boxes ---------------------------------------------------------------

DWORD TEdit::WindowStyle() const {
    return ES_AUTOHSCROLL | (passwordChar_ ? ES_PASSWORD : 0) | (readOnly_ ? ES_READONLY : 0);
}

void TEdit::SetMaxLength(int length) {
    maxLength_ = std::max(length, 0);
    Send(EM_LIMITTEXT, static_cast<WPARAM>(maxLength_));
}

void TEdit::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    Send(EM_SETREADONLY, readOnly);
}

void TEdit::SetPasswordChar(char c) {
    passwordChar_ = c;
    if (Handle()) {
        Send(EM_SETPASSWORDCHAR, static_cast<unsigned char>(c));
        InvalidateRect(Handle(), nullptr, TRUE);
    }
}

void TEdit::Apply() {
    Send(EM_LIMITTEXT, static_cast<WPARAM>(maxLength_));
    if (passwordChar_)
        Send(EM_SETPASSWORDCHAR, static_cast<unsigned char>(passwordChar_));
}

void TEdit::Notify(int code) {
    if (code == EN_CHANGE && OnChange)
        OnChange();
}

DWORD TMemo::WindowStyle() const {
    return TEdit::WindowStyle() | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
}

// Lists ------------------------------------------------------------------------

TItemsControl::TItemsControl(TForm& form, TControl* parent, Bounds bounds, bool sorted)
    : TControl(form, parent, bounds), sorted_(sorted) {}

int TItemsControl::AddToWindow(const ListItem& item) {
    const Messages& m = ItemMessages();
    auto index = static_cast<int>(Send(m.add, 0, reinterpret_cast<LPARAM>(item.Text.c_str())));
    if (index >= 0)
        Send(m.setData, static_cast<WPARAM>(index), item.Object);
    return index;
}

int TItemsControl::AddItem(std::string_view text, std::intptr_t object) {
    ListItem item{std::string(text), object, false};
    int index = static_cast<int>(items_.size());
    if (Handle()) {
        index = std::clamp(AddToWindow(item), 0, index);
    } else if (sorted_) {
        // Ordered as the window orders them, without regard to case.
        auto place = std::find_if(items_.begin(), items_.end(), [&](const ListItem& i) {
            return lstrcmpiA(i.Text.c_str(), item.Text.c_str()) > 0;
        });
        index = static_cast<int>(place - items_.begin());
    }
    if (itemIndex_ >= index)
        ++itemIndex_;
    items_.insert(items_.begin() + index, std::move(item));
    return index;
}

void TItemsControl::ClearItems() {
    items_.clear();
    itemIndex_ = -1;
    Send(ItemMessages().reset);
}

int TItemsControl::ItemIndex() const {
    return Handle() ? static_cast<int>(Send(ItemMessages().getCurSel)) : itemIndex_;
}

void TItemsControl::SetItemIndex(int index) {
    itemIndex_ = index >= 0 && index < Count() ? index : -1;
    Send(ItemMessages().setCurSel, static_cast<WPARAM>(itemIndex_));
}

void TItemsControl::Apply() {
    std::vector<ListItem> ordered;
    ordered.reserve(items_.size());
    Send(ItemMessages().reset);
    for (const ListItem& item : items_) {
        int at = std::clamp(AddToWindow(item), 0, static_cast<int>(ordered.size()));
        ordered.insert(ordered.begin() + at, item);
    }
    items_ = std::move(ordered);
    Send(ItemMessages().setCurSel, static_cast<WPARAM>(itemIndex_));
}

void TItemsControl::Capture() {
    itemIndex_ = static_cast<int>(Send(ItemMessages().getCurSel));
}

void TItemsControl::Notify(int code) {
    if (code == ItemMessages().selectionChanged && OnChange)
        OnChange();
}

TListBox::TListBox(TForm& form, TControl* parent, Bounds bounds, bool sorted, bool multiSelect)
    : TItemsControl(form, parent, bounds, sorted), multiSelect_(multiSelect) {}

DWORD TListBox::WindowStyle() const {
    return LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | (Sorted() ? LBS_SORT : 0) |
           (multiSelect_ ? LBS_EXTENDEDSEL : 0);
}

const TItemsControl::Messages& TListBox::ItemMessages() const {
    // A multi-select list has no single selection; its caret stands in.
    static const Messages single{LB_ADDSTRING, LB_RESETCONTENT, LB_SETITEMDATA,
                                 LB_GETCURSEL, LB_SETCURSEL,    LBN_SELCHANGE};
    static const Messages multi{LB_ADDSTRING,     LB_RESETCONTENT,  LB_SETITEMDATA,
                                LB_GETCARETINDEX, LB_SETCARETINDEX, LBN_SELCHANGE};
    return multiSelect_ ? multi : single;
}

bool TListBox::Selected(int index) const {
    if (index < 0 || index >= Count())
        return false;
    if (!Handle())
        return Items()[index].Selected;
    return multiSelect_ ? Send(LB_GETSEL, static_cast<WPARAM>(index)) > 0 : ItemIndex() == index;
}

void TListBox::SetSelected(int index, bool selected) {
    if (index < 0 || index >= Count())
        return;
    if (!multiSelect_) {
        if (selected)
            SetItemIndex(index);
        return;
    }
    Items()[index].Selected = selected;
    Send(LB_SETSEL, selected, index);
}

void TListBox::Apply() {
    TItemsControl::Apply();
    if (multiSelect_)
        for (int i = 0; i < Count(); ++i)
            if (Items()[i].Selected)
                Send(LB_SETSEL, TRUE, i);
}

void TListBox::Capture() {
    TItemsControl::Capture();
    if (multiSelect_)
        for (int i = 0; i < Count(); ++i) Items()[i].Selected = Send(LB_GETSEL, i) > 0;
}

DWORD TComboBox::WindowStyle() const {
    return CBS_DROPDOWNLIST | WS_VSCROLL | (Sorted() ? CBS_SORT : 0);
}

const TItemsControl::Messages& TComboBox::ItemMessages() const {
    static const Messages m{CB_ADDSTRING, CB_RESETCONTENT, CB_SETITEMDATA,
                            CB_GETCURSEL, CB_SETCURSEL,    CBN_SELCHANGE};
    return m;
}

// Up-down ----------------------------------------------------------------------

TUpDown::TUpDown(TForm& form, TControl* parent, Bounds bounds, TEdit& associate, int min, int max)
    : TControl(form, parent, bounds), associate_(associate), min_(min), max_(max), position_(min) {}

const char* TUpDown::WindowClass() const {
    return UPDOWN_CLASSA;
}

DWORD TUpDown::WindowStyle() const {
    return UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
}

int TUpDown::Position() const {
    return Handle() ? static_cast<int>(Send(UDM_GETPOS32)) : position_;
}

void TUpDown::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    if (Handle()) {
        Send(UDM_SETPOS32, 0, position_);
    } else {
        associate_.SetText(std::to_string(position_));
    }
}

void TUpDown::Apply() {
    // A number the associate was given stands for the position.
    position_ = std::clamp(WholeNumberOr(associate_.Text(), position_), min_, max_);
    Send(UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_.Handle()));
    Send(UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    Send(UDM_SETPOS32, 0, position_);
}

void TUpDown::Capture() {
    position_ = Position();
}

}  // namespace orv
