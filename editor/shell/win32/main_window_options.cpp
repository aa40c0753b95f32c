// The main window's side of the options: the appearance the options dialogs
// set, the menu's settings, the hooks' restore, the printer's font and the
// network considerations.
#include "common/message_boxes.h"
#include "common/ui/win32/font_dialogs.h"
#include "editor/commands/win32/network_considerations.h"
#include "editor/shell/main_menu_texts.h"
#include "editor/shell/win32/main_window.h"

namespace orv::editor {

void TMainWin::ApplyAppearance(bool categoriesSwitched) {
    AdjustGridSpacing();
    const bool categories = settings_.ShowCategory;
    CatPanel.SetEnabled(categories);
    CatPanel.SetVisible(categories);
    MenuAddCat.SetEnabled(categories);
    if (!categories) {
        categoryFilter_ = 0;
        CatList.SetItemIndex(0);
    }
    SpeedPanel.SetVisible(settings_.UseSpeed);
    LetterPanel.SetVisible(!settings_.UseSpeed);
    Layout();
    if (categoriesSwitched && !categories)
        FillList();
    RepaintList();
}

void TMainWin::ToggleSetting(TMenuItem& item, bool& setting) {
    setting = !setting;
    item.SetChecked(setting);
    if (SettingsSaved(context_.Config.WriteMiscSettings()))
        context_.Notices.Post(NoticeCode::MiscSettingsChanged, 0);
}

void TMainWin::RestoreHooks(bool keyboard) {
    if (CurrentMessageBoxes().Show(HookRestoreCaption(keyboard), HookRestoreQuestion(keyboard),
                                   MsgStyle::YesNo | MsgStyle::IconQuestion) != MsgResult::Yes)
        return;
    context_.Notices.Post(NoticeCode::HookChange, keyboard ? 2 : 4);
    context_.Notices.Post(NoticeCode::HookChange, keyboard ? 1 : 3);
}

void TMainWin::ChoosePrinterFont() {
    std::optional<FontDescription> font =
        CurrentFontDialogs().Choose(Handle(), settings_.PrintListFont, true);
    if (!font)
        return;
    font->Style &= static_cast<std::uint8_t>(~(FontStyle::Underline | FontStyle::Strikeout));
    settings_.PrintListFont = *font;
    if (SettingsSaved(context_.Config.WritePrintListFont()))
        context_.Notices.Post(NoticeCode::PrintListFontChanged, 0);
}

// Turning network mode off or on under a recording's lock would strand it.
void TMainWin::ChooseNetwork() {
    if (roads_.RefusedWhileRecording())
        return;
    TNetworkConsiderations dialog(settings_, context_.Config, roads_.Lock(), context_.Notices);
    dialog.ShowModal(Handle());
}

}  // namespace orv::editor
