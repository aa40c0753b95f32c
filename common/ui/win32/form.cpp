#include "common/ui/win32/form.h"

#include <commctrl.h>

#include <exception>

#include "common/message_boxes.h"
#include "common/ui/win32/display.h"
#include "common/ui/win32/services.h"

namespace orv {
namespace {

// Control identifiers start clear of the dialog manager's own (IDOK, IDCANCEL...).
constexpr int FirstControlId = 100;
// Posted to the form at its show, so the observer runs inside the modal loop.
constexpr UINT FormShownMessage = WM_APP + 1;
// Visible from its creation (after its controls exist and it is placed), so
// the form is on the screen when its modal loop starts.
constexpr DWORD FormStyle =
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

void EnsureCommonControls() {
    static bool done = [] {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)done;
}

void ReportFailure(const char* what) {
    CurrentMessageBoxes().Show("Error", what, MsgStyle::Ok | MsgStyle::IconError);
}

}  // namespace

TForm::TForm(std::string name, std::string caption, int clientWidth, int clientHeight)
    : name_(std::move(name)),
      caption_(std::move(caption)),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight) {}

int TForm::Register(TControl* control) {
    controls_.push_back(control);
    return FirstControlId + static_cast<int>(controls_.size()) - 1;
}

std::vector<WORD> TForm::Template() const {
    // The frame only: controls are created at the form's show, at their pixel
    // layout, rather than in dialog units.
    std::vector<WORD> t{LOWORD(FormStyle), HIWORD(FormStyle), 0, 0, 0, 0, 0, 0, 0, 0 /* menu */,
                        0 /* class */,     0 /* title */,     8 /* points */};
    for (const char* face = "MS Shell Dlg"; *face; ++face) t.push_back(static_cast<WORD>(*face));
    t.push_back(0);
    return t;
}

int TForm::ShowModal(HWND owner) {
    EnsureCommonControls();
    if (!owner)
        owner = GetActiveWindow();
    std::vector<WORD> frame = Template();
    modalResult_ = 0;
    INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                                             reinterpret_cast<LPCDLGTEMPLATEA>(frame.data()), owner,
                                             DialogProc, reinterpret_cast<LPARAM>(this));
    open_ = false;
    return result == -1 ? 0 : modalResult_;
}

void TForm::Close(int modalResult) {
    if (!open_)
        return;
    modalResult_ = modalResult;
    FormClose();
    open_ = false;
    EndDialog(handle_, modalResult);
}

std::string TForm::Caption() const {
    if (!handle_)
        return caption_;
    char text[256] = {};
    GetWindowTextA(handle_, text, sizeof text);
    return text;
}

void TForm::SetCaption(std::string caption) {
    caption_ = std::move(caption);
    if (handle_)
        SetWindowTextA(handle_, caption_.c_str());
}

void TForm::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    if (handle_)
        ApplySize();
}

void TForm::ApplySize() {
    RECT r{0, 0, Scaled(clientWidth_), Scaled(clientHeight_)};
    AdjustWindowRectEx(&r, FormStyle, FALSE, WS_EX_DLGMODALFRAME);
    SetWindowPos(handle_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::ShowHelp() const {
    CurrentHelp().ShowHelp(handle_, HelpKeyword);
}

TControl* TForm::FocusedControl() const {
    HWND focus = GetFocus();
    for (TControl* c : controls_)
        if (c->Handle() && c->Handle() == focus)
            return c;
    return nullptr;
}

bool TForm::UserMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

void TForm::RequestFocus(TControl* control) {
    if (handle_ && !initialising_ && control->Handle()) {
        // Through the dialog manager, so the default button and the selection
        // of an edit box follow the focus.
        SendMessageA(handle_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->Handle()), TRUE);
    } else {
        focusRequest_ = control;
    }
}

void TForm::ShowControlsOf(TControl* parent) {
    for (TControl* c : controls_)
        if (c->Parent() == parent) {
            c->ShowState();
            ShowControlsOf(c);
        }
}

void TForm::PlaceControlsOf(TControl* parent) {
    for (TControl* c : controls_)
        if (c->Parent() == parent) {
            c->Place();
            PlaceControlsOf(c);
        }
}

TControl* TForm::ControlById(int id) const {
    int index = id - FirstControlId;
    return index >= 0 && index < static_cast<int>(controls_.size()) ? controls_[index] : nullptr;
}

TButton* TForm::ButtonWithRole(ButtonRole role) const {
    for (TControl* c : controls_)
        if (auto* b = dynamic_cast<TButton*>(c);
            b && (b->Role() == role || b->Role() == ButtonRole::DefaultAndCancel))
            return b;
    return nullptr;
}

DWORD TForm::GroupStyle(const TControl* control) const {
    // A radio group is one dialog group with one Tab stop; every other control
    // is a group of its own, so arrow keys stay inside radio groups.
    if (auto* radio = dynamic_cast<const TRadioButton*>(control))
        return radio->Group() == radio->Id() ? WS_GROUP | WS_TABSTOP : 0;
    return WS_GROUP | (control->TakesFocus() ? WS_TABSTOP : 0);
}

void TForm::Initialise() {
    SetWindowTextA(handle_, caption_.c_str());
    auto font = reinterpret_cast<HFONT>(SendMessageA(handle_, WM_GETFONT, 0, 0));
    for (TControl* c : controls_) c->Create(handle_, font, GroupStyle(c));
    if (TButton* b = ButtonWithRole(ButtonRole::Default)) {
        settingDefault_ = true;
        SendMessageA(handle_, DM_SETDEFID, static_cast<WPARAM>(b->Id()), 0);
        settingDefault_ = false;
    }

    initialising_ = true;
    FormShow();
    initialising_ = false;
    // Centred at the size the show left it.
    ApplySize();
    RECT r{};
    GetWindowRect(handle_, &r);
    const DisplayMetrics& d = Display();
    SetWindowPos(handle_, nullptr, (d.ScreenWidth - (r.right - r.left)) / 2,
                 (d.ScreenHeight - (r.bottom - r.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    TControl* wanted = focusRequest_;
    focusRequest_ = nullptr;
    HWND target = wanted && wanted->Handle() && wanted->Showing()
                      ? wanted->Handle()
                      : GetNextDlgTabItem(handle_, nullptr, FALSE);
    if (target)
        SendMessageA(handle_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
    PostMessageA(handle_, FormShownMessage, 0, 0);
}

void TForm::Command(int id, int code) {
    if (id == IDOK || id == IDCANCEL) {
        // Enter and Escape from the dialog manager.
        TButton* b = ButtonWithRole(id == IDOK ? ButtonRole::Default : ButtonRole::Cancel);
        if (b && b->Enabled())
            b->Pressed();
        return;
    }
    if (TControl* c = ControlById(id))
        c->Notify(code);
}

INT_PTR TForm::ForControl(int id, UINT message, WPARAM w, LPARAM l) {
    TControl* c = ControlById(id);
    LRESULT result = 0;
    if (!c || !c->ParentMessage(message, w, l, result))
        return FALSE;
    SetWindowLongPtrA(handle_, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR TForm::Dispatch(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_INITDIALOG:
            open_ = true;
            Initialise();
            return FALSE;
        case WM_COMMAND:
            Command(LOWORD(w), HIWORD(w));
            return TRUE;
        case WM_CLOSE:
            Close(IDCANCEL);
            return TRUE;
        case FormShownMessage:
            if (FormObserver* observer = CurrentFormObserver(); observer && open_)
                observer->FormShown(*this);
            return TRUE;
        case WM_NOTIFY:
            return ForControl(static_cast<int>(reinterpret_cast<NMHDR*>(l)->idFrom), message, w, l);
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
            return ForControl(static_cast<int>(w), message, w, l);
        case WM_DESTROY:
            for (TControl* c : controls_) c->Destroyed();
            return FALSE;
        case WM_NCDESTROY:
            handle_ = nullptr;
            return FALSE;
        default:
            break;
    }
    // The dialog manager's own messages share the WM_USER range with those the
    // hook library and the other program post: only the manager's question
    // for the default button and the form's own setting of it reach it; every
    // other message there is the form's, handled or dropped, never taken for
    // a dialog command.
    if (message >= WM_USER && message < WM_APP && message != DM_GETDEFID &&
        !(message == DM_SETDEFID && settingDefault_)) {
        LRESULT result = 0;
        UserMessage(message, w, l, result);
        SetWindowLongPtrA(handle_, DWLP_MSGRESULT, result);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK TForm::DialogProc(HWND dialog, UINT message, WPARAM w, LPARAM l) {
    auto* form = reinterpret_cast<TForm*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (message == WM_INITDIALOG) {
        form = reinterpret_cast<TForm*>(l);
        SetWindowLongPtrA(dialog, DWLP_USER, l);
        form->handle_ = dialog;
    }
    if (!form)
        return FALSE;
    // Nothing a handler throws may cross into the system's dialog code.
    try {
        return form->Dispatch(message, w, l);
    } catch (const std::exception& e) {
        ReportFailure(e.what());
    } catch (...) {
        ReportFailure("An unexpected error occurred.");
    }
    return FALSE;
}

}  // namespace orv
