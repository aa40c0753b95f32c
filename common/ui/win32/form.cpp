#include "common/ui/win32/form.h"

#include <commctrl.h>

#include "common/message_boxes.h"
#include "common/ui/win32/display.h"
#include "common/ui/win32/handler_guard.h"
#include "common/ui/win32/menus.h"
#include "common/ui/win32/page_control.h"
#include "common/ui/win32/services.h"
#include "common/win32/foreground.h"
#include "common/win32/message_pump.h"

namespace orv {
namespace {

// Control identifiers start clear of the dialog manager's own (IDOK, IDCANCEL...).
constexpr int FirstControlId = 100;
// Menu items and accelerators, clear of the controls.
constexpr int FirstCommandId = 0x4000;
// Posted to the form at its show, so the observer runs inside the loop that
// serves the form (its modal loop, or whichever loop runs a modeless form).
constexpr UINT FormShownMessage = WM_APP + 1;
// Marks the windows of forms, so a message finds its form.
constexpr const char* FormProperty = "OrvaneForm";

void EnsureFormsReady() {
    static bool done = [] {
        INITCOMMONCONTROLSEX init{sizeof init,
                                  ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&init);
        SetFormMessageFilter(IsFormMessage);
        return true;
    }();
    (void)done;
    // The dialog manager offers every message to this hook first, in modal
    // loops and in IsDialogMessage alike: key preview and accelerators live
    // there once for both.
    thread_local HHOOK filter =
        SetWindowsHookExA(WH_MSGFILTER, FormMessageFilter, nullptr, GetCurrentThreadId());
    (void)filter;
}

int ShowCommand(WindowState state) {
    switch (state) {
        case WindowState::Minimized:
            return SW_SHOWMINIMIZED;
        case WindowState::Maximized:
            return SW_SHOWMAXIMIZED;
        default:
            return SW_SHOWNORMAL;
    }
}

}  // namespace

LRESULT CALLBACK FormMessageFilter(int code, WPARAM w, LPARAM l) {
    if (code == MSGF_DIALOGBOX) {
        auto* msg = reinterpret_cast<MSG*>(l);
        TForm* form = TForm::Of(msg->hwnd);
        bool handled = false;
        // A form disabled under a modal one takes no keys.
        if (form && IsWindowEnabled(form->handle_))
            RunGuarded([&] { handled = form->PreTranslate(*msg); });
        if (handled)
            return TRUE;
    }
    return CallNextHookEx(nullptr, code, w, l);
}

bool IsFormMessage(MSG& msg) {
    TForm* form = TForm::Of(msg.hwnd);
    return form && form->handle_ && IsDialogMessageA(form->handle_, &msg);
}

int Application::Run() {
    MSG msg{};
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
        if (!IsFormMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return got == 0 ? static_cast<int>(msg.wParam) : -1;
}

TForm::TForm(std::string name, std::string caption, int clientWidth, int clientHeight)
    : name_(std::move(name)),
      caption_(std::move(caption)),
      clientWidth_(clientWidth),
      clientHeight_(clientHeight) {}

TForm::~TForm() {
    Abandon();
}

void TForm::Abandon() {
    // The derived form and some of its members are gone already: the window
    // goes without any of them being asked.
    abandoned_ = true;
    if (handle_)
        DestroyWindow(handle_);
}

TForm* TForm::Of(HWND window) {
    HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    auto* form = root ? static_cast<TForm*>(GetPropA(root, FormProperty)) : nullptr;
    return form && !form->abandoned_ ? form : nullptr;
}

int TForm::Register(TControl* control) {
    controls_.push_back(control);
    return FirstControlId + static_cast<int>(controls_.size()) - 1;
}

int TForm::RegisterCommand(CommandTarget* target) {
    commands_.push_back(target);
    return FirstCommandId + static_cast<int>(commands_.size()) - 1;
}

void TForm::ForgetCommand(int command) {
    std::size_t index = static_cast<std::size_t>(command - FirstCommandId);
    if (index < commands_.size())
        commands_[index] = nullptr;
}

int TForm::RegisterTimer(TTimer* timer) {
    timers_.push_back(timer);
    return static_cast<int>(timers_.size());
}

DWORD TForm::FrameStyle() const {
    constexpr DWORD common = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT;
    switch (BorderStyle) {
        case FormBorder::Sizeable:
            return common | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        case FormBorder::ToolWindow:
            return common | WS_THICKFRAME;
        default:
            return common | DS_MODALFRAME;
    }
}

DWORD TForm::FrameExStyle() const {
    return (BorderStyle == FormBorder::ToolWindow ? WS_EX_TOOLWINDOW : 0) |
           (stayOnTop_ ? WS_EX_TOPMOST : 0);
}

std::vector<WORD> TForm::Template(bool visible) const {
    // The frame only: controls are created at the form's show, at their pixel
    // layout, rather than in dialog units.
    DWORD style = FrameStyle() | (visible ? WS_VISIBLE : 0);
    DWORD exStyle = FrameExStyle();
    std::vector<WORD> t{LOWORD(style),
                        HIWORD(style),
                        LOWORD(exStyle),
                        HIWORD(exStyle),
                        0,
                        0,
                        0,
                        0,
                        0,
                        0 /* menu */,
                        0 /* class */,
                        0 /* title */,
                        8 /* points */};
    for (const char* face = "MS Shell Dlg"; *face; ++face) t.push_back(static_cast<WORD>(*face));
    t.push_back(0);
    return t;
}

int TForm::ShowModal(HWND owner) {
    if (handle_)
        return 0;  // shown already, modeless
    EnsureFormsReady();
    if (!owner)
        owner = GetActiveWindow();
    // Visible from its creation (after its controls exist and it is placed),
    // so the form is on the screen when its modal loop starts.
    std::vector<WORD> frame = Template(true);
    modal_ = true;
    modalResult_ = 0;
    INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                                             reinterpret_cast<LPCDLGTEMPLATEA>(frame.data()), owner,
                                             DialogProc, reinterpret_cast<LPARAM>(this));
    modal_ = false;
    open_ = false;
    return result == -1 ? 0 : modalResult_;
}

void TForm::Show(HWND owner, bool activate) {
    if (!handle_) {
        EnsureFormsReady();
        std::vector<WORD> frame = Template(false);
        modal_ = false;
        modalResult_ = 0;
        CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                   reinterpret_cast<LPCDLGTEMPLATEA>(frame.data()), owner,
                                   DialogProc, reinterpret_cast<LPARAM>(this));
        if (!handle_)
            return;
    } else if (modal_) {
        return;
    }
    if (!activate) {
        ShowWindow(handle_, SW_SHOWNOACTIVATE);
        return;
    }
    ShowWindow(handle_, ShowCommand(state_));
    TransferForeground(handle_);
}

void TForm::Hide() {
    if (!handle_ || modal_)
        return;
    for (TControl* c : controls_) c->FormClosing();
    ShowWindow(handle_, SW_HIDE);
}

void TForm::Close(int modalResult) {
    if (!open_ || !FormCloseQuery())
        return;
    modalResult_ = modalResult;
    Closing();
    if (modal_)
        EndDialog(handle_, modalResult);
    else
        DestroyWindow(handle_);
}

void TForm::Closing() {
    open_ = false;
    FormClose();
    for (TControl* c : controls_) c->FormClosing();
}

std::string TForm::Caption() const {
    if (!handle_)
        return caption_;
    int length = GetWindowTextLengthA(handle_);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(handle_, text.data(), length + 1)));
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

void TForm::SetStayOnTop(bool stayOnTop) {
    stayOnTop_ = stayOnTop;
    if (handle_)
        SetWindowPos(handle_, stayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

WindowState TForm::State() const {
    if (!handle_)
        return state_;
    if (IsIconic(handle_))
        return WindowState::Minimized;
    return IsZoomed(handle_) ? WindowState::Maximized : WindowState::Normal;
}

void TForm::SetWindowState(WindowState state) {
    state_ = state;
    if (handle_ && IsWindowVisible(handle_))
        ShowWindow(handle_, ShowCommand(state));
}

void TForm::SetRestoredGeometry(ScreenRect window) {
    restored_ = window;
    Position = FormPosition::Restored;
}

ScreenRect TForm::Geometry() const {
    if (!handle_)
        return restored_;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(handle_, &placement);
    const RECT& r = placement.rcNormalPosition;
    return {Unscaled(r.left), Unscaled(r.top), Unscaled(r.right - r.left),
            Unscaled(r.bottom - r.top)};
}

RECT TForm::FrameFor(int clientWidth, int clientHeight) const {
    RECT r{0, 0, Scaled(clientWidth), Scaled(clientHeight)};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(handle_, GWL_STYLE)),
                       GetMenu(handle_) != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrA(handle_, GWL_EXSTYLE)));
    return r;
}

void TForm::ApplySize() {
    RECT r = FrameFor(clientWidth_, clientHeight_);
    SetWindowPos(handle_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Place() {
    const ScreenRect area = WorkArea();
    ScreenRect at;
    if (Position == FormPosition::Restored) {
        const ScreenRect r = restored_;
        at = KeptOnScreen({Scaled(r.Left), Scaled(r.Top), Scaled(r.Width), Scaled(r.Height)}, area);
    } else {
        ApplySize();
        RECT r{};
        GetWindowRect(handle_, &r);
        int width = r.right - r.left;
        int height = r.bottom - r.top;
        at = Position == FormPosition::Designed ? MovedOnto({Left, Top, width, height}, area)
                                                : Centred(width, height, area);
    }
    SetWindowPos(handle_, nullptr, at.Left, at.Top, at.Width, at.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
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

TControl* TForm::ControlOf(HWND window) const {
    // Up from the window to the first control, so the edit inside a combo
    // box counts as the combo box.
    for (HWND w = window; w && w != handle_; w = GetParent(w))
        for (TControl* c : controls_)
            if (c->Handle() == w)
                return c;
    return nullptr;
}

bool TForm::UserMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

bool TForm::FormMessage(UINT, WPARAM, LPARAM, LRESULT&) {
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

void TForm::CreateShownControls() {
    // In declaration order, so a lazy panel is realised before its children
    // are looked at.
    for (TControl* c : controls_) {
        c->RealiseIfShowing();
        if (!c->Handle() && !c->AwaitsShow())
            CreateControl(c);
    }
}

void TForm::CreateControl(TControl* control) {
    control->Create(handle_, font_, GroupStyle(control));
    if (!control->Handle())
        return;
    // Created late (a lazy panel's), it still takes its declared place in the
    // Tab order: right after the nearest control declared before it.
    HWND after = HWND_TOP;
    for (TControl* c : controls_) {
        if (c == control)
            break;
        if (c->Handle())
            after = c->Handle();
    }
    SetWindowPos(control->Handle(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
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
    // Every control is a dialog group of its own: the radios of a question
    // need not stand together, and they move the arrow keys' choice
    // themselves. A question has one Tab stop.
    if (auto* radio = dynamic_cast<const TRadioButton*>(control))
        return WS_GROUP | (radio->IsTabStop() ? WS_TABSTOP : 0);
    return WS_GROUP | (control->TakesFocus() ? WS_TABSTOP : 0);
}

void TForm::Initialise() {
    // Until placed, the window's sizes (from the empty template, or a menu
    // being set) are not the form's.
    initialising_ = true;
    SetPropA(handle_, FormProperty, this);
    SetWindowTextA(handle_, caption_.c_str());
    if (menu_)
        SetMenu(handle_, menu_->Handle());
    font_ = reinterpret_cast<HFONT>(SendMessageA(handle_, WM_GETFONT, 0, 0));
    CreateShownControls();
    if (TButton* b = ButtonWithRole(ButtonRole::Default)) {
        settingDefault_ = true;
        SendMessageA(handle_, DM_SETDEFID, static_cast<WPARAM>(b->Id()), 0);
        settingDefault_ = false;
    }

    FormShow();
    const int shownWidth = clientWidth_, shownHeight = clientHeight_;
    Place();
    RECT client{};
    GetClientRect(handle_, &client);
    clientWidth_ = Unscaled(client.right);
    clientHeight_ = Unscaled(client.bottom);
    initialising_ = false;
    // A form restored at another size lays itself out for that size at once.
    if (clientWidth_ != shownWidth || clientHeight_ != shownHeight)
        FormResize();
    if (stayOnTop_)
        SetStayOnTop(true);
    for (TTimer* t : timers_)
        if (t)
            t->Start();
    TControl* wanted = focusRequest_;
    focusRequest_ = nullptr;
    HWND target = wanted && wanted->Handle() && wanted->Showing()
                      ? wanted->Handle()
                      : GetNextDlgTabItem(handle_, nullptr, FALSE);
    if (target)
        SendMessageA(handle_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
    if (modal_ && state_ != WindowState::Normal)
        ShowWindow(handle_, ShowCommand(state_));
    PostMessageA(handle_, FormShownMessage, 0, 0);
}

bool TForm::PreTranslate(MSG& msg) {
    switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (KeyPreview) {
                auto key = static_cast<WORD>(msg.wParam);
                FormKeyDown(key, CurrentShift());
                if (key == 0)
                    return true;
                msg.wParam = key;
            }
            return accelerators_ && accelerators_->Translate(handle_, msg);
        case WM_KEYUP:
        case WM_SYSKEYUP:
            if (KeyPreview) {
                auto key = static_cast<WORD>(msg.wParam);
                FormKeyUp(key, CurrentShift());
                if (key == 0)
                    return true;
                msg.wParam = key;
            }
            return false;
        case WM_CHAR:
            if (KeyPreview) {
                auto key = static_cast<char>(msg.wParam);
                FormKeyPress(key);
                if (key == 0)
                    return true;
                msg.wParam = static_cast<unsigned char>(key);
            }
            // A plain character goes to its control and never presses a
            // button through its "&" letter, whatever has the focus: only
            // Alt plus the letter (WM_SYSCHAR) does. So typing into a list
            // or grid cannot set off a command.
            DispatchMessageA(&msg);
            return true;
        case WM_SYSCHAR:
            return PageControlTakesDialogChar(msg);
        default:
            return false;
    }
}

void TForm::Command(int id, int code, HWND from) {
    if (id == IDOK || id == IDCANCEL) {
        // Enter and Escape from the dialog manager.
        TButton* b = ButtonWithRole(id == IDOK ? ButtonRole::Default : ButtonRole::Cancel);
        if (b && b->Enabled())
            b->Pressed();
        return;
    }
    if (!from && id >= FirstCommandId) {
        // A menu item or an accelerator.
        std::size_t index = static_cast<std::size_t>(id - FirstCommandId);
        if (index < commands_.size() && commands_[index])
            commands_[index]->RunCommand();
        return;
    }
    if (TControl* c = ControlById(id))
        c->Notify(code);
}

INT_PTR TForm::Answer(LRESULT result) {
    SetWindowLongPtrA(handle_, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR TForm::ForControl(int id, UINT message, WPARAM w, LPARAM l) {
    TControl* c = ControlById(id);
    LRESULT result = 0;
    if (!c || !c->ParentMessage(message, w, l, result))
        return FALSE;
    return Answer(result);
}

INT_PTR TForm::ControlColours(UINT message, WPARAM w, LPARAM l) {
    // The dialog procedure answers these with the brush itself.
    TControl* c = ControlOf(reinterpret_cast<HWND>(l));
    bool onFace = message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN;
    if (HBRUSH brush =
            c ? c->Colours(reinterpret_cast<HDC>(w), onFace ? COLOR_BTNFACE : COLOR_WINDOW)
              : nullptr)
        return reinterpret_cast<INT_PTR>(brush);
    LRESULT result = 0;
    return FormMessage(message, w, l, result) ? static_cast<INT_PTR>(result) : FALSE;
}

void TForm::Destroying() {
    if (open_) {
        // Not closed through Close: a WM_QUIT ended the modal loop, or the
        // window went with its owner. It counts as cancelled.
        modalResult_ = IDCANCEL;
        Closing();
    }
    FormDestroy();
    for (TTimer* t : timers_)
        if (t)
            t->Stop();
    // The menu outlives the window, for the next show.
    if (menu_)
        SetMenu(handle_, nullptr);
    for (TControl* c : controls_) c->Destroyed();
    RemovePropA(handle_, FormProperty);
}

INT_PTR TForm::Dispatch(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_INITDIALOG:
            open_ = true;
            Initialise();
            return FALSE;
        case WM_COMMAND:
            Command(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l));
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
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            return ControlColours(message, w, l);
        case WM_TIMER:
            if (w > 0 && w <= timers_.size() && timers_[w - 1]) {
                timers_[w - 1]->Tick();
                return TRUE;
            }
            break;
        case WM_SIZE:
            if (open_ && !initialising_ && w != SIZE_MINIMIZED) {
                clientWidth_ = Unscaled(LOWORD(l));
                clientHeight_ = Unscaled(HIWORD(l));
                FormResize();
            }
            break;
        case WM_GETMINMAXINFO:
            if (handle_ && (MinClientWidth > 0 || MinClientHeight > 0)) {
                RECT r = FrameFor(MinClientWidth, MinClientHeight);
                auto* info = reinterpret_cast<MINMAXINFO*>(l);
                info->ptMinTrackSize = {r.right - r.left, r.bottom - r.top};
            }
            break;
        case WM_ACTIVATE:
            if (open_ && LOWORD(w) != WA_INACTIVE)
                FormActivate();
            break;
        case WM_DESTROY:
            Destroying();
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
    // other message there is the form's (or one of its controls'), handled or
    // dropped, never taken for a dialog command.
    LRESULT result = 0;
    if (message >= WM_USER && message < WM_APP && message != DM_GETDEFID &&
        !(message == DM_SETDEFID && settingDefault_)) {
        for (TControl* c : controls_)
            if (c->ParentMessage(message, w, l, result))
                return Answer(result);
        UserMessage(message, w, l, result);
        return Answer(result);
    }
    return FormMessage(message, w, l, result) ? Answer(result) : FALSE;
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
    if (form->abandoned_) {
        if (message == WM_NCDESTROY)
            form->handle_ = nullptr;
        return FALSE;
    }
    INT_PTR answer = FALSE;
    RunGuarded([&] { answer = form->Dispatch(message, w, l); });
    return answer;
}

// Timers ---------------------------------------------------------------------

TTimer::TTimer(TForm& form, unsigned interval)
    : form_(form), id_(form.RegisterTimer(this)), interval_(interval) {}

TTimer::~TTimer() {
    Stop();
    form_.timers_[static_cast<std::size_t>(id_ - 1)] = nullptr;
}

void TTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled)
        Start();
    else
        Stop();
}

void TTimer::Start() {
    if (form_.handle_ && enabled_ && interval_ > 0)
        SetTimer(form_.handle_, static_cast<UINT_PTR>(id_), interval_, nullptr);
}

void TTimer::Stop() {
    if (form_.handle_)
        KillTimer(form_.handle_, static_cast<UINT_PTR>(id_));
}

void TTimer::Tick() {
    if (enabled_ && OnTimer)
        OnTimer();
}

}  // namespace orv
