#include "editor/shell/win32/menu_builder.h"

#include <algorithm>
#include <utility>

#include "common/files.h"
#include "common/hotkeys.h"
#include "common/macro_texts.h"
#include "common/message_boxes.h"
#include "common/ui/win32/canvas.h"
#include "common/ui/win32/services.h"
#include "common/win32/icons.h"

namespace orv::editor {

namespace {

constexpr int LineHeight = 18;
constexpr COLORREF ColumnLineColour = RGB(0x80, 0x80, 0x80);

constexpr const char* NoMacroSelected = "No macro selected.  Please select one.";
constexpr const char* IconNotOpened = "Icon could not be opened.";

// The left edges of the three columns of a line whose cell is width wide.
struct ColumnEdges {
    explicit ColumnEdges(int width) : Unit(width / 7) {}
    int Unit;
    int Nick() const { return 3 * Unit; }
    int Scope() const { return 5 * Unit; }
};

// Over the list, from its seventh firstUnit, units sevenths wide.
Bounds TitleBounds(Bounds list, int firstUnit, int units) {
    const ColumnEdges at(list.Width);
    return {list.Left + firstUnit * at.Unit + 2, list.Top - 17, units * at.Unit, 16};
}

}  // namespace

MenuColumnTitles::MenuColumnTitles(TForm& form, Bounds list)
    : Activation(form, nullptr, TitleBounds(list, 0, 3), "Activation"),
      Nick(form, nullptr, TitleBounds(list, 3, 2), "NickName"),
      Scope(form, nullptr, TitleBounds(list, 5, 2), "Scope") {}

PopupMenuEdit EditPopupMenu(HWND owner, MacroRecord& record, bool isExisting,
                            bool holdsUnsavedEdits, const EditorContext& context) {
    TDoBuildMenu builder(record, context);
    builder.IsExisting = isExisting;
    builder.HoldsUnsavedEdits = holdsUnsavedEdits;
    builder.ShowModal(owner);
    return {builder.Saved, builder.MenuInTray};
}

TDoBuildMenu::TDoBuildMenu(MacroRecord& record, const EditorContext& context)
    : TForm("TDoBuildMenu", "Build Macro Menu", 652, 435), record_(record), context_(context) {
    HelpKeyword = "Build Macro Menu";
    NickName.SetMaxLength(50);
    for (const char* size : MenuIconSizes) IconSize.AddItem(size);
    for (TListBox* list : {&OptionBox, &Script}) list->SetOwnerDraw(LineHeight);
    OptionBox.OnDrawItem = [this](TCanvas& canvas, int index, const RECT& rect, bool selected) {
        DrawLine(model_.Available(), canvas, index, rect, selected);
    };
    Script.OnDrawItem = [this](TCanvas& canvas, int index, const RECT& rect, bool selected) {
        DrawLine(model_.InMenu(), canvas, index, rect, selected);
    };
    OptionBox.OnChange = [this] {
        model_.SelectAvailable(OptionBox.ItemIndex());
        EnableDisable();
    };
    Script.OnChange = [this] {
        model_.SelectInMenu(Script.ItemIndex());
        EnableDisable();
    };
    OptionBox.OnDblClick = [this] { AddButtonClick(); };
    WireQuickInfo(OptionBox, model_.Available());
    WireQuickInfo(Script, model_.InMenu());

    AddButton.OnClick = [this] { AddButtonClick(); };
    InsertBefore.OnClick = [this] { InsertBeforeClick(); };
    InsertAfter.OnClick = [this] { InsertAfterClick(); };
    RemoveIt.OnClick = [this] { RemoveItClick(); };
    DoUp.OnClick = [this] { DoUpClick(); };
    DoDown.OnClick = [this] { DoDownClick(); };
    MySpeed.OnClick = [this] { MySpeedClick(); };
    MySpeed.OnMouseUp = [this](MouseButton button, ShiftState, int, int) {
        if (button == MouseButton::Right)
            MySpeedMouseUp();
    };
    OkButton.OnClick = [this] { OkButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
    MenuExit.OnClick = [this] { Close(IDCANCEL); };
    HelpButton.OnClick = [this] { ShowHelp(); };
}

TDoBuildMenu::~TDoBuildMenu() {
    if (icon_)
        DestroyIcon(icon_);
}

void TDoBuildMenu::FormShow() {
    MenuInTray = false;
    Saved = false;
    const std::uint16_t code = record_.ActivationCode;
    HotKeyLabel.SetText(IsHotKeyCode(code) ? KeyName(code) : std::string());
    if (IsExisting)
        shown_ = PopupMenuChoicesOf(record_);
    else
        shown_ = PopupMenuChoices{};
    NickName.SetText(shown_.Nickname);
    SysTray.SetChecked(shown_.Tray);
    ShowText.SetChecked(shown_.Display == MenuDisplay::FirstPart);
    ShowIcon.SetChecked(shown_.Display == MenuDisplay::Icons);
    ShowNick.SetChecked(shown_.Display == MenuDisplay::NicknameAndScope);
    IconSize.SetItemIndex(shown_.IconSize);
    // A menu whose icon file has gone shows, and then stores, the menu icon.
    if (shown_.IconName == MenuIconName || !LoadInIcon(shown_.IconName))
        LoadInMenuIcon();
    FillIt();
    opened_ = Chosen();
}

bool TDoBuildMenu::FormCloseQuery() {
    return Saved || ChangesMayGo(HoldsUnsavedEdits || Chosen() != opened_);
}

void TDoBuildMenu::FillIt() {
    offered_ = ListMacrosOf(context_.Settings, context_.Table);
    listed_.emplace(context_.Library, offered_);
    model_.FillIt(offered_, shown_.Members);
    ShowLists();
}

void TDoBuildMenu::DropMoved() {
    std::erase_if(offered_, [this](const ListMacro& line) { return !listed_->Holds(line.Number); });
    std::vector<int> members = model_.Members();
    std::erase_if(members, [this](int n) { return !listed_->Holds(n); });
    model_.FillIt(offered_, members);
    ShowLists();
}

// The list boxes after the model changed: their lines and selections.
void TDoBuildMenu::ShowLists() {
    auto fill = [](TListBox& list, const std::vector<ListMacro>& lines, int selected) {
        list.ClearItems();
        for (const ListMacro& m : lines) list.AddItem(m.Nickname, m.Number);
        list.SetItemIndex(selected);
    };
    fill(OptionBox, model_.Available(), model_.AvailableIndex());
    fill(Script, model_.InMenu(), model_.MenuIndex());
    EnableDisable();
}

void TDoBuildMenu::EnableDisable() {
    const MenuBuilderModel::Enabling e = model_.EnableDisable();
    for (TButton* b : {&AddButton, &InsertBefore, &InsertAfter}) b->SetEnabled(e.Add);
    RemoveIt.SetEnabled(e.Remove);
    DoUp.SetEnabled(e.Up);
    DoDown.SetEnabled(e.Down);
}

void TDoBuildMenu::AddALine(MenuBuilderModel::Placement placement) {
    if (model_.AvailableIndex() < 0) {
        ShowError(NoMacroSelected);
        return;
    }
    if (model_.Add(placement))
        ShowLists();
}

void TDoBuildMenu::AddButtonClick() {
    AddALine(MenuBuilderModel::Placement::AtEnd);
}

void TDoBuildMenu::InsertBeforeClick() {
    AddALine(MenuBuilderModel::Placement::Before);
}

void TDoBuildMenu::InsertAfterClick() {
    AddALine(MenuBuilderModel::Placement::After);
}

void TDoBuildMenu::RemoveItClick() {
    if (!model_.Remove()) {
        ShowError(NoMacroSelected);
        return;
    }
    ShowLists();
}

void TDoBuildMenu::DoUpClick() {
    model_.MoveUp();
    ShowLists();
}

void TDoBuildMenu::DoDownClick() {
    model_.MoveDown();
    ShowLists();
}

PopupMenuChoices TDoBuildMenu::Chosen() const {
    PopupMenuChoices c;
    c.Nickname = NickName.Text();
    c.Tray = SysTray.Checked();
    c.Display = ShowText.Checked()   ? MenuDisplay::FirstPart
                : ShowIcon.Checked() ? MenuDisplay::Icons
                                     : MenuDisplay::NicknameAndScope;
    c.IconSize = std::max(IconSize.ItemIndex(), 0);
    c.IconName = iconName_;
    c.Members = model_.Members();
    return c;
}

void TDoBuildMenu::OkButtonClick() {
    const PopupMenuChoices chosen = Chosen();
    // Members are numbers: written only while each still names the macro
    // listed. The rest of the menu stays, to be saved with Ok again.
    if (!std::ranges::all_of(chosen.Members, [this](int n) { return listed_->Holds(n); })) {
        DropMoved();
        ShowError(MenuMembersMovedMessage);
        return;
    }
    WritePopupMenu(chosen, !IsExisting, record_);
    MenuInTray = MenuInTrayAfter(!IsExisting, shown_, chosen);
    Saved = true;
    Close(IDOK);
}

// ---- the lists' lines and quick info ----

void TDoBuildMenu::DrawLine(const std::vector<ListMacro>& lines, TCanvas& canvas, int index,
                            const RECT& rect, bool selected) {
    canvas.FillSystem(rect, selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    if (index < 0 || index >= static_cast<int>(lines.size()))
        return;
    const ListMacro& macro = lines[static_cast<std::size_t>(index)];
    const ColumnEdges at(rect.right - rect.left);
    const int left = rect.left;
    canvas.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const int y = rect.top + 1;
    canvas.WriteFitted(left + 2, y, at.Nick() - 4, ActivationText(macro));
    canvas.WriteFitted(left + at.Nick() + 2, y, at.Scope() - at.Nick() - 4, macro.Nickname);
    canvas.WriteFitted(left + at.Scope() + 2, y,
                       static_cast<int>(rect.right) - left - at.Scope() - 4,
                       ScopeText(macro.Kind, macro.ScopeText, ScopeWording::Menu));
    for (int x : {at.Nick(), at.Scope()})
        canvas.Fill({left + x, rect.top, left + x + 1, rect.bottom}, ColumnLineColour);
    canvas.Fill({rect.left, rect.bottom - 1, rect.right, rect.bottom}, ColumnLineColour);
}

// A left press and release on the same line shows that macro's quick info.
void TDoBuildMenu::WireQuickInfo(TListBox& list, const std::vector<ListMacro>& lines) {
    list.OnMouseDown = [this, &list](MouseButton button, ShiftState, int x, int y) {
        if (button == MouseButton::Left)
            pressedLine_ = list.ItemAtPoint(x, y);
    };
    list.OnMouseUp = [this, &list, &lines](MouseButton button, ShiftState, int x, int y) {
        const int pressed = std::exchange(pressedLine_, -1);
        if (button != MouseButton::Left || pressed < 0 || list.ItemAtPoint(x, y) != pressed ||
            pressed >= static_cast<int>(lines.size()))
            return;
        ShowQuickInfo(lines[static_cast<std::size_t>(pressed)].Number);
    };
}

void TDoBuildMenu::ShowQuickInfo(int macroNumber) {
    MacroRecord macro;
    if (!listed_->Read(macroNumber, macro))
        return;
    CurrentMessageBoxes().Show("Quick Info", MenuQuickInfoText(macro),
                               MsgStyle::Ok | MsgStyle::IconInformation);
}

// ---- the icon ----

std::string TDoBuildMenu::IconsFolder() const {
    return InFolder(context_.ProgramDir, "Icons");
}

bool TDoBuildMenu::LoadInIcon(const std::string& name) {
    const std::string path = InFolder(IconsFolder(), name);
    if (!FileExists(path))
        return false;
    HICON loaded =
        static_cast<HICON>(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
    if (!loaded)
        return false;
    if (icon_)
        DestroyIcon(icon_);
    icon_ = loaded;
    iconName_ = name;
    MySpeed.SetPicture({nullptr, icon_});
    return true;
}

void TDoBuildMenu::LoadInMenuIcon() {
    iconName_ = MenuIconName;
    MySpeed.SetPicture({nullptr, LoadProgramIcon(OrvaneIcon::Menu)});
    if (icon_)
        DestroyIcon(icon_);
    icon_ = nullptr;
}

void TDoBuildMenu::MySpeedClick() {
    FileDialogOptions options;
    options.Title = "Open Icon";
    options.Filter = "Icons (*.ICO)|*.ICO";
    options.InitialDir = IconsFolder();
    options.FileMustExist = true;
    options.HideReadOnly = true;
    const std::optional<std::string> chosen = CurrentFileDialogs().Open(Handle(), options);
    if (!chosen)
        return;
    if (!IsIconFileName(*chosen)) {
        ShowError("Invalid file type selected.");
        return;
    }
    using A = IconPlacement::Action;
    const IconPlacement placed = PlaceIcon(*chosen, IconsFolder());
    switch (placed.What) {
        case A::NoRoom:
            ShowError(IconNotOpened);
            return;
        case A::Copy:
            CreateDirectoryA(IconsFolder().c_str(), nullptr);
            if (!CopyFileA(chosen->c_str(), InFolder(IconsFolder(), placed.Name).c_str(), TRUE)) {
                ShowError(IconNotOpened);
                return;
            }
            break;
        case A::UseExisting:
            CurrentMessageBoxes().Show(
                "Notice",
                "The selected icon could not be opened.  An icon of this name already exists in "
                "the default icon folder.  It will be opened instead.",
                MsgStyle::Ok | MsgStyle::IconInformation);
            break;
        case A::UseInPlace:
            break;
    }
    if (!LoadInIcon(placed.Name))
        ShowError(IconNotOpened);
}

void TDoBuildMenu::MySpeedMouseUp() {
    if (CurrentMessageBoxes().Show("Icon", "Reset icon to program default?",
                                   MsgStyle::YesNo | MsgStyle::IconQuestion) == MsgResult::Yes)
        LoadInMenuIcon();
}

}  // namespace orv::editor
