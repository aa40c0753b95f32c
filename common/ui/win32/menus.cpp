#include "common/ui/win32/menus.h"

#include <algorithm>

#include "common/win32/foreground.h"

namespace orv {

TMenuItem::TMenuItem(TForm& form, HMENU menu) : form_(form), menu_(menu) {}

TMenuItem::TMenuItem(TMenuItem& parent, std::string caption)
    : form_(parent.form_), parent_(&parent), caption_(std::move(caption)) {
    command_ = form_.RegisterCommand(this);
    parent.children_.push_back(this);
    Insert();
}

TMenuItem::~TMenuItem() {
    added_.clear();
    if (parent_) {
        if (InMenu())
            RemoveMenu(parent_->menu_, static_cast<UINT>(Place()), MF_BYPOSITION);
        auto& siblings = parent_->children_;
        siblings.erase(std::find(siblings.begin(), siblings.end(), this));
        if (menu_)
            DestroyMenu(menu_);
        form_.ForgetCommand(command_);
    }
}

bool TMenuItem::InMenu() const {
    return visible_ && parent_ && parent_->menu_;
}

MENUITEMINFOA TMenuItem::Info() const {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
    info.fType = caption_ == "-" ? MFT_SEPARATOR : MFT_STRING;
    info.fState = (checked_ ? MFS_CHECKED : 0) | (enabled_ ? 0 : MFS_GRAYED);
    info.wID = static_cast<UINT>(command_);
    info.hSubMenu = menu_;
    info.dwTypeData = const_cast<char*>(caption_.c_str());
    return info;
}

int TMenuItem::Place() const {
    // Among the items of its parent that are in the menu.
    int place = 0;
    for (const TMenuItem* sibling : parent_->children_) {
        if (sibling == this)
            break;
        place += sibling->visible_ ? 1 : 0;
    }
    return place;
}

HMENU TMenuItem::SubmenuForItems() {
    if (!menu_) {
        menu_ = CreatePopupMenu();
        Update();
    }
    return menu_;
}

void TMenuItem::Insert() {
    if (!visible_)
        return;
    MENUITEMINFOA info = Info();
    InsertMenuItemA(parent_->SubmenuForItems(), static_cast<UINT>(Place()), TRUE, &info);
    Changed();
}

void TMenuItem::Update() {
    if (!InMenu())
        return;
    MENUITEMINFOA info = Info();
    SetMenuItemInfoA(parent_->menu_, static_cast<UINT>(Place()), TRUE, &info);
    Changed();
}

void TMenuItem::Changed() const {
    // Only the bar needs redrawing; pop-up menus are drawn as they open.
    if (form_.Handle() && form_.menu_ && GetMenu(form_.Handle()) == form_.menu_->Handle())
        DrawMenuBar(form_.Handle());
}

// Setting what an item already shows does nothing: each change redraws the
// menu bar, which lists that refresh their items often would pay for.
void TMenuItem::SetCaption(std::string caption) {
    if (caption == caption_)
        return;
    caption_ = std::move(caption);
    Update();
}

void TMenuItem::SetChecked(bool checked) {
    if (checked == checked_)
        return;
    checked_ = checked;
    Update();
}

void TMenuItem::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Update();
}

void TMenuItem::SetVisible(bool visible) {
    if (visible == visible_ || !parent_)
        return;
    if (visible) {
        visible_ = true;
        Insert();
    } else {
        RemoveMenu(parent_->menu_, static_cast<UINT>(Place()), MF_BYPOSITION);
        visible_ = false;
        Changed();
    }
}

void TMenuItem::Click() {
    if (enabled_ && OnClick)
        OnClick();
}

TMenuItem& TMenuItem::AddItem(std::string caption, std::function<void()> onClick) {
    added_.push_back(std::make_unique<TMenuItem>(*this, std::move(caption)));
    added_.back()->OnClick = std::move(onClick);
    return *added_.back();
}

void TMenuItem::ClearAddedItems() {
    added_.clear();
}

TMainMenu::TMainMenu(TForm& form) : TMenuItem(form, CreateMenu()) {
    form.menu_ = this;
    if (form.Handle())
        SetMenu(form.Handle(), Handle());
}

TMainMenu::~TMainMenu() {
    if (Form().Handle())
        Form().Abandon();
    Form().menu_ = nullptr;
    DestroyMenu(Handle());
}

TPopupMenu::TPopupMenu(TForm& form) : TMenuItem(form, CreatePopupMenu()) {}

TPopupMenu::~TPopupMenu() {
    DestroyMenu(Handle());
}

void TPopupMenu::Popup(int screenX, int screenY) {
    HWND owner = Form().Handle();
    if (!owner)
        return;
    // The menu closes when the user clicks elsewhere only while its owner
    // is the foreground window.
    TransferForeground(owner);
    auto chosen =
        static_cast<int>(TrackPopupMenu(Handle(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON,
                                        screenX, screenY, 0, owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    if (chosen)
        SendMessageA(owner, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
}

TAccelerators::TAccelerators(TForm& form) : form_(form) {
    form.accelerators_ = this;
}

TAccelerators::~TAccelerators() {
    form_.accelerators_ = nullptr;
    for (int command : commands_) form_.ForgetCommand(command);
    if (handle_)
        DestroyAcceleratorTable(handle_);
}

void TAccelerators::AddCommand(WORD key, ShiftState shift, int command) {
    auto flags =
        static_cast<BYTE>(FVIRTKEY | ((shift & CtrlDown) ? FCONTROL : 0) |
                          ((shift & ShiftDown) ? FSHIFT : 0) | ((shift & AltDown) ? FALT : 0));
    table_.push_back({flags, key, static_cast<WORD>(command)});
    if (handle_) {
        DestroyAcceleratorTable(handle_);
        handle_ = nullptr;
    }
}

void TAccelerators::Add(WORD key, ShiftState shift, std::function<void()> action) {
    actions_.push_back(std::make_unique<Action>());
    actions_.back()->Run = std::move(action);
    int command = form_.RegisterCommand(actions_.back().get());
    commands_.push_back(command);
    AddCommand(key, shift, command);
}

void TAccelerators::Add(WORD key, ShiftState shift, const TMenuItem& item) {
    AddCommand(key, shift, item.Command());
}

bool TAccelerators::Translate(HWND form, MSG& msg) {
    if (table_.empty())
        return false;
    if (!handle_)
        handle_ = CreateAcceleratorTableA(table_.data(), static_cast<int>(table_.size()));
    return handle_ && TranslateAcceleratorA(form, handle_, &msg) != 0;
}

}  // namespace orv
