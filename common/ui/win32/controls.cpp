#include "common/ui/win32/controls.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

#include "common/ui/win32/canvas.h"
#include "common/ui/win32/display.h"
#include "common/ui/win32/form.h"
#include "common/ui/win32/handler_guard.h"
#include "common/whole_numbers.h"

namespace orv {

ShiftState CurrentShift() {
    auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    return (down(VK_SHIFT) ? ShiftDown : 0) | (down(VK_MENU) ? AltDown : 0) |
           (down(VK_CONTROL) ? CtrlDown : 0) | (down(VK_LBUTTON) ? LeftButtonDown : 0) |
           (down(VK_RBUTTON) ? RightButtonDown : 0) | (down(VK_MBUTTON) ? MiddleButtonDown : 0);
}

TControl::TControl(TForm& form, TControl* parent, Bounds bounds, std::string text)
    : form_(form), parent_(parent), bounds_(bounds), text_(std::move(text)) {
    id_ = form.Register(this);
}

TControl::~TControl() {
    if (form_.Handle())
        form_.Abandon();
    if (font_)
        DeleteObject(font_);
    if (brush_)
        DeleteObject(brush_);
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
    if (form_.Handle())
        form_.CreateShownControls();
    ShowState();
    form_.ShowControlsOf(this);
}

bool TControl::AwaitsShow() const {
    for (const TControl* p = parent_; p; p = p->parent_)
        if (!p->Realised())
            return true;
    return false;
}

void TPanel::RealiseIfShowing() {
    if (lazy_ && !realised_ && Showing())
        realised_ = true;
}

void TControl::SetFont(const FontDescription& font) {
    if (font_)
        DeleteObject(font_);
    font_ = CreateFontFrom(font);
    fontColor_ = static_cast<COLORREF>(font.Color);
    if (handle_) {
        Send(WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
        InvalidateRect(handle_, nullptr, TRUE);
    }
}

void TControl::SetColor(COLORREF background) {
    color_ = background;
    if (brush_)
        DeleteObject(brush_);
    brush_ = background == CLR_INVALID ? nullptr : CreateSolidBrush(background);
    if (handle_)
        InvalidateRect(handle_, nullptr, TRUE);
}

void TControl::SetFontColor(COLORREF text) {
    fontColor_ = text;
    if (handle_)
        InvalidateRect(handle_, nullptr, TRUE);
}

HBRUSH TControl::Colours(HDC dc, int systemBackground) const {
    if (color_ == CLR_INVALID && fontColor_ == CLR_INVALID)
        return nullptr;
    if (fontColor_ != CLR_INVALID)
        SetTextColor(dc, fontColor_);
    // Only the text's colour set: the background the system would give.
    SetBkColor(dc, color_ == CLR_INVALID ? GetSysColor(systemBackground) : color_);
    return color_ == CLR_INVALID ? GetSysColorBrush(systemBackground) : brush_;
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

int TControl::ItemAt(int, int) const {
    return -1;
}

LRESULT TControl::CallDefault(UINT message, WPARAM w, LPARAM l) const {
    return DefSubclassProc(handle_, message, w, l);
}

LRESULT CALLBACK TControl::SubclassProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                        DWORD_PTR self) {
    auto* control = reinterpret_cast<TControl*>(self);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, SubclassProc, 0);
        return DefSubclassProc(window, message, w, l);
    }
    if (!TForm::Of(window) || control->handle_ != window)
        return DefSubclassProc(window, message, w, l);  // the form is going
    LRESULT result = 0;
    bool handled = false;
    RunGuarded([&] { handled = control->WindowMessage(message, w, l, result); });
    return handled ? result : DefSubclassProc(window, message, w, l);
}

bool TControl::WindowMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) {
    switch (message) {
        case WM_GETDLGCODE:
            result = CallDefault(message, w, l) | WantedKeys();
            return true;
        case WM_SETFOCUS:
            result = CallDefault(message, w, l);
            if (OnEnter)
                OnEnter();
            return true;
        case WM_KILLFOCUS:
            result = CallDefault(message, w, l);
            if (OnExit)
                OnExit();
            return true;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (!OnKeyDown)
                return false;
            {
                auto key = static_cast<WORD>(w);
                OnKeyDown(key, CurrentShift());
                result = key ? CallDefault(message, key, l) : 0;
            }
            return true;
        case WM_CHAR:
            if (!OnKeyPress)
                return false;
            {
                auto key = static_cast<char>(w);
                OnKeyPress(key);
                result = key ? CallDefault(message, static_cast<unsigned char>(key), l) : 0;
            }
            return true;
        default:
            return MouseMessage(message, w, l);
    }
}

bool TControl::MouseMessage(UINT message, WPARAM w, LPARAM l) {
    POINT at{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
    ShiftState shift = ((w & MK_SHIFT) ? ShiftDown : 0) | ((w & MK_CONTROL) ? CtrlDown : 0) |
                       ((w & MK_LBUTTON) ? LeftButtonDown : 0) |
                       ((w & MK_RBUTTON) ? RightButtonDown : 0) |
                       ((w & MK_MBUTTON) ? MiddleButtonDown : 0);
    auto down = [&](MouseButton b) {
        if (OnMouseDown)
            OnMouseDown(b, shift, at.x, at.y);
    };
    auto up = [&](MouseButton b) {
        if (OnMouseUp)
            OnMouseUp(b, shift, at.x, at.y);
    };
    switch (message) {
        case WM_LBUTTONDOWN:
            TrackDrag(message, at);
            down(MouseButton::Left);
            break;
        case WM_RBUTTONDOWN:
            down(MouseButton::Right);
            break;
        case WM_MBUTTONDOWN:
            down(MouseButton::Middle);
            break;
        case WM_LBUTTONUP:
            up(MouseButton::Left);
            TrackDrag(message, at);
            break;
        case WM_RBUTTONUP:
            up(MouseButton::Right);
            break;
        case WM_MBUTTONUP:
            up(MouseButton::Middle);
            break;
        case WM_MOUSEMOVE:
            if (OnMouseMove)
                OnMouseMove(shift, at.x, at.y);
            TrackDrag(message, at);
            return dragging_;
        case WM_LBUTTONDBLCLK:
            if (OnDblClick)
                OnDblClick();
            break;
        default:
            break;
    }
    return false;
}

void TControl::TrackDrag(UINT message, POINT at) {
    if (!AutoDrag)
        return;
    if (message == WM_LBUTTONDOWN) {
        dragStart_ = at;
        dragPending_ = true;
        return;
    }
    POINT targetPoint{};
    TControl* target = dragging_ ? DropTarget(at, targetPoint) : nullptr;
    auto accepts = [&] {
        if (!target)
            return false;
        if (target->OnDragOver)
            return target->OnDragOver(*this, targetPoint.x, targetPoint.y);
        return static_cast<bool>(target->OnDragDrop);
    };
    if (message == WM_MOUSEMOVE) {
        if (dragPending_ && (std::abs(at.x - dragStart_.x) >= DragThreshold ||
                             std::abs(at.y - dragStart_.y) >= DragThreshold)) {
            dragPending_ = false;
            dragging_ = true;
            SetCapture(handle_);
            target = DropTarget(at, targetPoint);
        }
        if (dragging_)
            SetCursor(LoadCursorA(nullptr, accepts() ? IDC_ARROW : IDC_NO));
        return;
    }
    // Button up: a drop when a drag was on, nothing else.
    dragPending_ = false;
    if (!dragging_)
        return;
    dragging_ = false;
    if (GetCapture() == handle_)
        ReleaseCapture();
    if (accepts() && target->OnDragDrop)
        target->OnDragDrop(
            {this, targetPoint.x, targetPoint.y, target->ItemAt(targetPoint.x, targetPoint.y)});
}

TControl* TControl::DropTarget(POINT at, POINT& targetPoint) const {
    POINT screen = at;
    ClientToScreen(handle_, &screen);
    TControl* target = form_.ControlOf(WindowFromPoint(screen));
    if (!target)
        return nullptr;
    targetPoint = screen;
    ScreenToClient(target->handle_, &targetPoint);
    return target;
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
    // Made hidden and filled before the subclass goes on, then shown: a list
    // filled while showing repaints for every line, and under Wine every
    // message through the subclass costs property look-ups.
    DWORD style = WS_CHILD | WindowStyle() | groupStyle | (enabled_ ? 0 : WS_DISABLED);
    const PixelBox box = ScaledBox(o.x, o.y, bounds_.Width, bounds_.Height);
    handle_ = CreateWindowExA(WindowExStyle(), WindowClass(), text_.c_str(), style, box.Left,
                              box.Top, box.Width, box.Height + ExtraHeight(), dialog,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
                              GetModuleHandleA(nullptr), nullptr);
    if (!handle_)
        return;
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_ ? font_ : font), FALSE);
    Apply();
    SetWindowSubclass(handle_, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
    ShowState();
}

void TControl::Destroyed() {
    WindowDestroyed();
    dragPending_ = dragging_ = false;
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
    const PixelBox box = ScaledBox(o.x, o.y, bounds_.Width, bounds_.Height);
    SetWindowPos(handle_, nullptr, box.Left, box.Top, box.Width, box.Height + ExtraHeight(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
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

std::vector<TRadioButton*> TRadioButton::Question() const {
    std::vector<TRadioButton*> question;
    for (TControl* c : Form().Controls())
        if (auto* radio = dynamic_cast<TRadioButton*>(c); radio && radio->Parent() == Parent())
            question.push_back(radio);
    return question;
}

namespace {

// A question's Tab stop: its checked radio, else its first.
const TRadioButton* TabStopOf(const std::vector<TRadioButton*>& question) {
    for (const TRadioButton* radio : question)
        if (radio->Checked())
            return radio;
    return question.front();
}

}  // namespace

bool TRadioButton::IsTabStop() const {
    return TabStopOf(Question()) == this;
}

void TRadioButton::SetChecked(bool checked) {
    if (checked)
        for (TRadioButton* other : Question())
            if (other != this)
                other->StoreChecked(false);
    StoreChecked(checked);
    ShowTabStops();
}

void TRadioButton::ShowTabStops() const {
    // The system moves the Tab stop of a radio with its check, and would
    // leave a question none of whose radios is checked without one.
    const std::vector<TRadioButton*> question = Question();
    const TRadioButton* stop = TabStopOf(question);
    for (const TRadioButton* radio : question) {
        if (!radio->Handle())
            continue;
        LONG_PTR style = GetWindowLongPtrA(radio->Handle(), GWL_STYLE);
        LONG_PTR wanted = radio == stop ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP};
        if (wanted != style)
            SetWindowLongPtrA(radio->Handle(), GWL_STYLE, wanted);
    }
}

void TRadioButton::Apply() {
    TCheckable::Apply();
    ShowTabStops();
}

void TRadioButton::Notify(int code) {
    if (code == BN_CLICKED)
        SetChecked(true);
    TCheckable::Notify(code);
}

bool TRadioButton::WindowMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) {
    if (message == WM_KEYDOWN && (w == VK_UP || w == VK_LEFT || w == VK_DOWN || w == VK_RIGHT)) {
        MoveChoice(w == VK_UP || w == VK_LEFT ? -1 : 1);
        result = 0;
        return true;
    }
    return TCheckable::WindowMessage(message, w, l, result);
}

void TRadioButton::MoveChoice(int step) {
    // To the next radio of the question the user can reach, round the end,
    // choosing it as the system does for its own radio groups.
    const std::vector<TRadioButton*> question = Question();
    const int count = static_cast<int>(question.size());
    const int at =
        static_cast<int>(std::find(question.begin(), question.end(), this) - question.begin());
    for (int i = 1; i < count; ++i) {
        TRadioButton* next = question[static_cast<std::size_t>((at + step * i + count) % count)];
        if (next->Handle() && IsWindowVisible(next->Handle()) && IsWindowEnabled(next->Handle())) {
            next->SetFocus();
            next->Click();
            return;
        }
    }
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
    Send(EM_SETSEL, static_cast<WPARAM>(selection_.first), selection_.second);
}

std::pair<int, int> TEdit::Selection() const {
    if (!Handle())
        return selection_;
    DWORD start = 0, end = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

int TEdit::SelStart() const {
    return Selection().first;
}

int TEdit::SelLength() const {
    auto [start, end] = Selection();
    return end - start;
}

void TEdit::SetSelection(int start, int length) {
    int size = static_cast<int>(Text().size());
    start = std::clamp(start, 0, size);
    selection_ = {start, start + std::clamp(length, 0, size - start)};
    Send(EM_SETSEL, static_cast<WPARAM>(selection_.first), selection_.second);
    Send(EM_SCROLLCARET);
}

void TEdit::CutToClipboard() {
    Send(WM_CUT);
}

void TEdit::CopyToClipboard() {
    Send(WM_COPY);
}

void TEdit::PasteFromClipboard() {
    Send(WM_PASTE);
}

void TEdit::ClearSelection() {
    Send(WM_CLEAR);
}

void TEdit::Notify(int code) {
    if (code == EN_CHANGE && OnChange)
        OnChange();
}

DWORD TMemo::WindowStyle() const {
    return TEdit::WindowStyle() | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
}

std::vector<std::string> TMemo::Lines() const {
    std::vector<std::string> lines;
    std::string text = Text();
    if (text.empty())
        return lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

void TMemo::SetLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    SetText(text);
}

void TMemo::AddLine(std::string_view line) {
    std::vector<std::string> lines = Lines();
    lines.emplace_back(line);
    SetLines(lines);
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

void TItemsControl::InsertIntoWindow(int index, const ListItem& item) {
    const Messages& m = ItemMessages();
    Send(m.insert, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.Text.c_str()));
    Send(m.setData, static_cast<WPARAM>(index), item.Object);
}

void TItemsControl::DeleteItem(int index) {
    if (index < 0 || index >= Count())
        return;
    Send(ItemMessages().remove, static_cast<WPARAM>(index));
    items_.erase(items_.begin() + index);
    if (itemIndex_ == index)
        itemIndex_ = -1;
    else if (itemIndex_ > index)
        --itemIndex_;
}

void TItemsControl::ReplaceItem(int index, std::string_view text) {
    if (index < 0 || index >= Count())
        return;
    ListItem& item = items_[index];
    item.Text = std::string(text);
    if (!Handle())
        return;
    bool current = ItemIndex() == index;
    Capture();  // the window's selections, which the new line must keep
    Send(ItemMessages().remove, static_cast<WPARAM>(index));
    InsertIntoWindow(index, item);
    Apply();
    if (current)
        SetItemIndex(index);
}

int TItemsControl::IndexOf(std::string_view text) const {
    std::string wanted(text);
    for (int i = 0; i < Count(); ++i)
        if (lstrcmpiA(items_[i].Text.c_str(), wanted.c_str()) == 0)
            return i;
    return -1;
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

void TListBox::SetClickToggles(bool toggles) {
    clickToggles_ = toggles;
    multiSelect_ = multiSelect_ || toggles;
}

void TListBox::SetOwnerDraw(int itemHeight) {
    itemHeight_ = itemHeight;
}

DWORD TListBox::WindowStyle() const {
    DWORD selection = clickToggles_ ? LBS_MULTIPLESEL : multiSelect_ ? LBS_EXTENDEDSEL : 0;
    return LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | (Sorted() ? LBS_SORT : 0) | selection |
           (itemHeight_ > 0 ? LBS_OWNERDRAWFIXED | LBS_HASSTRINGS : 0);
}

const TItemsControl::Messages& TListBox::ItemMessages() const {
    // A multi-select list has no single selection; its caret stands in.
    static const Messages single{LB_ADDSTRING,   LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT,
                                 LB_SETITEMDATA, LB_GETCURSEL,    LB_SETCURSEL,    LBN_SELCHANGE};
    static const Messages multi{LB_ADDSTRING,   LB_INSERTSTRING,  LB_DELETESTRING,  LB_RESETCONTENT,
                                LB_SETITEMDATA, LB_GETCARETINDEX, LB_SETCARETINDEX, LBN_SELCHANGE};
    return multiSelect_ ? multi : single;
}

int TListBox::ItemAtPoint(int x, int y) const {
    if (!Handle())
        return -1;
    auto answer = static_cast<DWORD>(Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y)));
    // The high word says the point lies outside every line.
    return HIWORD(answer) ? -1 : static_cast<int>(LOWORD(answer));
}

bool TListBox::ParentMessage(UINT message, WPARAM, LPARAM l, LRESULT& result) {
    if (itemHeight_ <= 0)
        return false;
    if (message == WM_MEASUREITEM) {
        reinterpret_cast<MEASUREITEMSTRUCT*>(l)->itemHeight =
            static_cast<UINT>(Scaled(itemHeight_));
        result = TRUE;
        return true;
    }
    if (message != WM_DRAWITEM)
        return false;
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(l);
    int index = static_cast<int>(item->itemID);
    if (index >= 0 && index < Count()) {
        TCanvas canvas(item->hDC);
        bool selected = (item->itemState & ODS_SELECTED) != 0;
        if (OnDrawItem) {
            OnDrawItem(canvas, index, item->rcItem, selected);
        } else {
            canvas.FillSystem(item->rcItem, selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
            canvas.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
            canvas.WriteText(item->rcItem.left + 2, item->rcItem.top, Item(index));
        }
    }
    if (item->itemState & ODS_FOCUS)
        DrawFocusRect(item->hDC, &item->rcItem);
    result = TRUE;
    return true;
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

void TComboBox::SetDropDownRows(int rows) {
    dropRows_ = rows;
    SetBounds(GetBounds());
    Send(CB_SETMINVISIBLE, static_cast<WPARAM>(rows));
}

// Common Controls 6.0 drops the list to its own count of rows (30 unless
// told), whatever the window's height: it is told.
void TComboBox::Apply() {
    TItemsControl::Apply();
    Send(CB_SETMINVISIBLE, static_cast<WPARAM>(dropRows_));
}

// The dropped list lies below the box inside the window's height: its rows at
// the item height (estimated before the window exists), and its frame.
int TComboBox::ExtraHeight() const {
    LRESULT item = Handle() ? SendMessageA(Handle(), CB_GETITEMHEIGHT, 0, 0) : CB_ERR;
    int rowHeight = item > 0 ? static_cast<int>(item) : Scaled(16);
    return dropRows_ * rowHeight + 2;
}

// The list gets the height of its rows at the font it has when it drops.
void TComboBox::Notify(int code) {
    if (code == CBN_DROPDOWN)
        SetBounds(GetBounds());
    TItemsControl::Notify(code);
}

DWORD TComboBox::WindowStyle() const {
    return CBS_DROPDOWNLIST | WS_VSCROLL | (Sorted() ? CBS_SORT : 0);
}

const TItemsControl::Messages& TComboBox::ItemMessages() const {
    static const Messages m{CB_ADDSTRING,   CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT,
                            CB_SETITEMDATA, CB_GETCURSEL,    CB_SETCURSEL,    CBN_SELCHANGE};
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
