#include "common/ui/win32/page_control.h"

#include <commctrl.h>

#include <algorithm>

#include "common/ui/accelerators.h"
#include "common/ui/win32/handler_guard.h"

namespace orv {
namespace {

// Layout pixels between the control's edges and its pages.
constexpr int TabStripHeight = 24;
constexpr int PageMargin = 4;

// Page controls with windows, offered each Alt+letter by the form's key
// filter before the dialog manager looks for a button's mnemonic.
std::vector<TAPageControl*>& Live() {
    static std::vector<TAPageControl*> live;
    return live;
}

bool CanTakeFocus(HWND control, HWND keyTarget) {
    return IsWindowVisible(control) && IsWindowEnabled(control) &&
           GetAncestor(control, GA_ROOT) == GetAncestor(keyTarget, GA_ROOT);
}

void Forget(TAPageControl* control) {
    auto& live = Live();
    live.erase(std::remove(live.begin(), live.end(), control), live.end());
}

// The pages' area lets the mouse through to the pages' controls, which lie
// below the tab control (it was created before them).
LRESULT CALLBACK PageAreaTransparent(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                     DWORD_PTR) {
    LRESULT hit = DefSubclassProc(window, message, w, l);
    if (message != WM_NCHITTEST || hit != HTCLIENT)
        return hit;
    POINT p{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
    ScreenToClient(window, &p);
    RECT area{};
    GetClientRect(window, &area);
    SendMessageA(window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return PtInRect(&area, p) ? HTTRANSPARENT : hit;
}

}  // namespace

bool PageControlTakesDialogChar(const MSG& msg) {
    std::vector<TAPageControl*> candidates = Live();
    for (TAPageControl* control : candidates) {
        if (!CanTakeFocus(control->Handle(), msg.hwnd))
            continue;
        bool taken = true;  // a failing OnChange still had the key
        RunGuarded([&] { taken = control->DialogChar(static_cast<char>(msg.wParam)); });
        if (taken)
            return true;
    }
    return false;
}

TAPageControl::TAPageControl(TForm& form, TControl* parent, Bounds bounds)
    : TControl(form, parent, bounds) {}

TAPageControl::~TAPageControl() {
    Forget(this);
}

const char* TAPageControl::WindowClass() const {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_TAB_CLASSES};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)registered;
    return WC_TABCONTROLA;
}

Bounds TAPageControl::PageBounds() const {
    Bounds b = GetBounds();
    return {PageMargin, TabStripHeight, b.Width - 2 * PageMargin,
            b.Height - TabStripHeight - PageMargin};
}

void TAPageControl::Add(TTabSheet& page) {
    pages_.push_back(&page);
    if (!active_)
        active_ = &page;
    ShowActive();
}

void TAPageControl::Apply() {
    SetWindowSubclass(Handle(), PageAreaTransparent, 0, 0);
    Live().push_back(this);
    TabsChanged();
}

void TAPageControl::Capture() {
    Forget(this);
}

int TAPageControl::TabIndexOf(const TTabSheet* page) const {
    int tab = 0;
    for (const TTabSheet* p : pages_) {
        if (p == page)
            return p->TabVisible() ? tab : -1;
        tab += p->TabVisible() ? 1 : 0;
    }
    return -1;
}

void TAPageControl::TabsChanged() {
    if (!Handle())
        return;
    Send(TCM_DELETEALLITEMS);
    int tab = 0;
    for (TTabSheet* page : pages_) {
        if (!page->TabVisible())
            continue;
        std::string caption = page->Text();
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        Send(TCM_INSERTITEMA, static_cast<WPARAM>(tab++), reinterpret_cast<LPARAM>(&item));
    }
    Send(TCM_SETCURSEL, static_cast<WPARAM>(TabIndexOf(active_)));
}

void TAPageControl::ShowActive() {
    for (TTabSheet* page : pages_) page->SetVisible(page == active_);
}

void TAPageControl::SetActivePage(TTabSheet& page) {
    active_ = &page;
    ShowActive();
    Send(TCM_SETCURSEL, static_cast<WPARAM>(TabIndexOf(active_)));
}

void TAPageControl::ChosenByUser(TTabSheet& page) {
    SetActivePage(page);
    // The focus leaves a page that went out of sight with it.
    if (HWND focus = GetFocus(); Handle() && focus && !IsWindowVisible(focus))
        SetFocus();
    if (OnChange)
        OnChange();
}

bool TAPageControl::DialogChar(char letter) {
    std::vector<std::string> captions;
    std::vector<AcceleratedTab> tabs;
    for (const TTabSheet* page : pages_) captions.push_back(page->Text());
    for (std::size_t i = 0; i < pages_.size(); ++i)
        tabs.push_back({captions[i], pages_[i]->TabVisible()});
    int index = TabForAccelerator(tabs, letter);
    if (index < 0)
        return false;
    ChosenByUser(*pages_[index]);
    return true;
}

bool TAPageControl::ParentMessage(UINT message, WPARAM, LPARAM l, LRESULT& result) {
    if (message != WM_NOTIFY || reinterpret_cast<NMHDR*>(l)->code != TCN_SELCHANGE)
        return false;
    int tab = static_cast<int>(Send(TCM_GETCURSEL));
    for (TTabSheet* page : pages_)
        if (page->TabVisible() && TabIndexOf(page) == tab) {
            ChosenByUser(*page);
            break;
        }
    result = 0;
    return true;
}

TTabSheet::TTabSheet(TAPageControl& control, std::string caption)
    : TControl(control.OwnerForm(), &control, control.PageBounds(), std::move(caption)),
      control_(control) {
    control.Add(*this);
}

void TTabSheet::SetTabVisible(bool visible) {
    tabVisible_ = visible;
    // The active page keeps showing until another is chosen, as a hidden
    // tab leaves its page in place.
    control_.TabsChanged();
}

}  // namespace orv
