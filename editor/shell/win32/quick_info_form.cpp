#include "editor/shell/win32/quick_info_form.h"

#include "common/files.h"
#include "common/win32/system_routines.h"
#include "editor/shell/quick_info.h"

namespace orv::editor {

TQuickInfo::TQuickInfo(const MacroRecord& record, MacroIcons& icons, std::string programDir)
    : TForm("TQuickInfo", "Quick Info", 420, 332),
      record_(record),
      icons_(icons),
      programDir_(std::move(programDir)) {
    Line6.SetReadOnly(true);
    OkButton.ModalResult = IDOK;
}

void TQuickInfo::FormShow() {
    const QuickInfoTexts texts = QuickInfoOf(record_);
    LastMod.SetText(LastModifiedText(record_.Changed, [](const DateTimeParts& when) {
        return SystemDateText(when) + " " + SystemTimeText(when);
    }));
    // Here a missing icon file shows the program's icon, whatever the macro.
    IconChoice icon;
    if (record_.IconName == "MENU") {
        icon.source = IconChoice::Source::Menu;
    } else if (record_.IconName != "MAIN") {
        std::string path = InFolder(InFolder(programDir_, "Icons"), record_.IconName.str());
        if (FileExists(path))
            icon = {IconChoice::Source::File, path};
    }
    MySpeed.SetPicture({nullptr, icons_.IconOf(icon)});
    ActivationLabel.SetText(texts.ActivationCaption);
    Line1.SetText(texts.ActivationValue);
    Line2.SetText(texts.Nickname);
    Line3.SetText(texts.Scope);
    Line4.SetText(texts.Active);
    if (texts.ShowScript) {
        Line6.SetText(texts.Script);
    } else {
        TextLabel.SetText("");
        Line6.SetVisible(false);
        Line6.SetEnabled(false);
    }
    OkButton.SetFocus();
}

}  // namespace orv::editor
