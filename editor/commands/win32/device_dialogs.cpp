#include "editor/commands/win32/device_dialogs.h"

#include "editor/commands/win32/system_device_lists.h"

namespace orv::editor {

// Default printer -------------------------------------------------------------------------------

TDoDefPrint::TDoDefPrint() : TDoDefPrint(ThePrinterList()) {}

TDoDefPrint::TDoDefPrint(const PrinterList& printers)
    : TCommandDialog("TDoDefPrint", "Default Printer", 316, 184 + FooterHeight, "Default Printer"),
      printers_(printers) {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
}

void TDoDefPrint::LoadInput(const DefPrintInput& input) {
    PrinterName = input.Printer.value_or("");
}

DefPrintInput TDoDefPrint::ReadInput() const {
    int row = SettingBox.ItemIndex();
    if (row < 0)
        return {};
    return {SettingBox.Item(row)};
}

void TDoDefPrint::FormShow() {
    TCommandDialog::FormShow();
    SettingBox.ClearItems();
    for (const std::string& name : printers_.PrinterNames()) SettingBox.AddItem(name);
    SettingBox.SetItemIndex(FreshInsert == 1 ? -1 : SettingBox.IndexOf(PrinterName));
    SettingBox.SetFocus();
}

void TDoDefPrint::OkButtonClick() {
    DefPrintOutcome out = ComposeDefPrint(ReadInput());
    if (Accept(out, [this](DefPrintField) -> TControl& { return SettingBox; }))
        PrinterName = out.Raw.PrinterName;
}

// Screen mode -----------------------------------------------------------------------------------

TDoScreen::TDoScreen() : TDoScreen(TheDisplayModes()) {}

TDoScreen::TDoScreen(const DisplayModes& modes)
    : TCommandDialog("TDoScreen", "Screen Display Setting", 356, 216 + FooterHeight,
                     "Screen Setting"),
      modes_(modes) {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
}

void TDoScreen::LoadInput(const ScreenInput& input) {
    ModeIndex = input.Row;
}

ScreenInput TDoScreen::ReadInput() const {
    return {SettingBox.ItemIndex()};
}

void TDoScreen::FormShow() {
    TCommandDialog::FormShow();
    SettingBox.ClearItems();
    for (const DisplayMode& mode : modes_.Modes()) SettingBox.AddItem(DisplayModeRow(mode));
    SettingBox.SetItemIndex(InitialModeRow(SettingBox.Count(), FreshInsert == 1, ModeIndex));
    SettingBox.SetFocus();
}

void TDoScreen::OkButtonClick() {
    ScreenOutcome out = ComposeScreen(ReadInput());
    if (Accept(out, [this](ScreenField) -> TControl& { return SettingBox; }))
        ModeIndex = out.Raw.ModeIndex;
}

}  // namespace orv::editor
