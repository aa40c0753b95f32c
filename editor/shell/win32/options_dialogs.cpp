#include "editor/shell/win32/options_dialogs.h"

#include <algorithm>
#include <variant>

#include "common/hook_library.h"
#include "common/hotkeys.h"
#include "common/notices.h"
#include "common/string_routines.h"
#include "common/ui/win32/font_dialogs.h"
#include "editor/shell/option_checks.h"
#include "editor/shell/win32/dialog_refusal.h"
#include "editor/shell/win32/main_window.h"

namespace orv::editor {
namespace {

constexpr const char* SystemCaptions[] = {
    "Activate Editor", "Start/Stop Capture", "Resume Pause",
    "Display Menu of all Hot Keys associated with top most Window", "Terminate Program"};

void CheckCase(std::int32_t value, TRadioButton& match, TRadioButton& sense, TRadioButton& none) {
    (value == 1 ? match : value == 2 ? sense : none).SetChecked(true);
}

std::int32_t CaseOf(const TRadioButton& match, const TRadioButton& sense) {
    return sense.Checked() ? 2 : match.Checked() ? 1 : 3;
}

}  // namespace

// ---- settings ----

TPreference::TPreference(SettingsBlock& settings, Configs& configs, ProgramNotices& notices)
    : TForm("TPreference", "Settings", 356, 274),
      settings_(settings),
      configs_(configs),
      notices_(notices) {
    EMailPath.SetMaxLength(255);
    EMailLog.SetMaxLength(255);
    OkButton.OnClick = [this] { OkButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
}

void TPreference::FormShow() {
    (settings_.UseTray ? DoTray : DoHide).SetChecked(true);
    StartEditor.SetChecked(settings_.StartEditor);
    SoundOff.SetChecked(settings_.SoundOff);
    AutoHooks.SetChecked(settings_.AutoHooks);
    EMailPath.SetText(settings_.EMailPath.str());
    EMailLog.SetText(settings_.EMailLogPath.str());
}

void TPreference::OkButtonClick() {
    const SettingsBlock before = settings_;
    settings_.UseTray = DoTray.Checked();
    settings_.AutoHooks = AutoHooks.Checked();
    settings_.SoundOff = SoundOff.Checked();
    settings_.StartEditor = StartEditor.Checked();
    settings_.EMailPath = TrimStr(EMailPath.Text());
    settings_.EMailLogPath = TrimStr(EMailLog.Text());
    // A change the file refused is not handed on: the dialog stays for Cancel.
    if (!SavedOrTakenBack(settings_, before, configs_.WriteMiscSettings()))
        return;
    notices_.Post(NoticeCode::TrayIconShown, settings_.UseTray ? 1 : 0);
    notices_.Post(NoticeCode::MiscSettingsChanged, 0);
    Close(IDOK);
}

// ---- appearance ----

TDoAppear::TDoAppear(SettingsBlock& settings, Configs& configs, ProgramNotices& notices,
                     std::function<void(bool)> apply)
    : TForm("TDoAppear", "Appearance", 356, 204),
      settings_(settings),
      configs_(configs),
      notices_(notices),
      apply_(std::move(apply)) {
    for (TEdit* width : {&Col1Wid, &Col2Wid, &Col3Wid, &CatWid}) width->SetMaxLength(4);
    GridFont.OnClick = [this] { GridFontClick(); };
    GridTitleFont.OnClick = [this] { GridTitleFontClick(); };
    OkButton.OnClick = [this] { OkButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
}

void TDoAppear::FormShow() {
    Col1Wid.SetText(std::to_string(settings_.Col1Width));
    Col2Wid.SetText(std::to_string(settings_.Col2Width));
    Col3Wid.SetText(std::to_string(settings_.Col3Width));
    (settings_.UseSpeed ? SpeedButtons : LetterButtons).SetChecked(true);
    ShowIcons.SetChecked(settings_.ShowIcons);
    ShowCats.SetChecked(settings_.ShowCategory);
    CatWid.SetText(settings_.ShowCategory ? std::to_string(settings_.CategoryWidth) : "120");
    gridFont_ = settings_.GridFont;
    titleFont_ = settings_.GridTitleFont;
}

void TDoAppear::ChooseFont(FontDescription& font) {
    std::optional<FontDescription> chosen = CurrentFontDialogs().Choose(Handle(), font, true);
    if (!chosen)
        return;
    chosen->Style &= static_cast<std::uint8_t>(
        ~(FontStyle::Italic | FontStyle::Underline | FontStyle::Strikeout));
    font = *chosen;
}

void TDoAppear::GridFontClick() {
    ChooseFont(gridFont_);
}

void TDoAppear::GridTitleFontClick() {
    ChooseFont(titleFont_);
}

void TDoAppear::OkButtonClick() {
    AppearanceEntry entry{
        {Col1Wid.Text(), Col2Wid.Text(), Col3Wid.Text()}, CatWid.Text(), ShowCats.Checked()};
    auto checked = CheckAppearance(entry);
    if (auto* refusal = std::get_if<AppearanceRefusal>(&checked)) {
        TEdit* fields[] = {&Col1Wid, &Col2Wid, &Col3Wid, &CatWid};
        RefuseAt(refusal->Message, *fields[refusal->Field]);
        return;
    }
    const AppearanceValues& values = std::get<AppearanceValues>(checked);
    const bool switched = settings_.ShowCategory != ShowCats.Checked();
    const SettingsBlock before = settings_;
    settings_.Col1Width = values.ColumnWidths[0];
    settings_.Col2Width = values.ColumnWidths[1];
    settings_.Col3Width = values.ColumnWidths[2];
    settings_.CategoryWidth = values.CategoryWidth;
    settings_.ShowCategory = ShowCats.Checked();
    settings_.ShowIcons = ShowIcons.Checked();
    settings_.UseSpeed = SpeedButtons.Checked();
    settings_.GridFont = gridFont_;
    settings_.GridTitleFont = titleFont_;
    apply_(switched);
    bool written = configs_.WriteMainWindowSettings();
    written = configs_.WriteGridFont() && written;
    written = configs_.WriteGridTitleFont() && written;
    if (!SavedOrTakenBack(settings_, before, written)) {
        apply_(switched);
        return;
    }
    notices_.Post(NoticeCode::MainWindowSettingsChanged, 0);
    Close(IDOK);
}

// ---- Cueword options ----

TCuewordOptions::TCuewordOptions(SettingsBlock& settings, Configs& configs, ProgramNotices& notices)
    : TForm("TCuewordOptions", "Cueword Options", 376, 292),
      settings_(settings),
      configs_(configs),
      notices_(notices) {
    PrefixKeys.SetMaxLength(2);
    UsePrefix.OnClick = [this] { EnableDisable(); };
    UseSuffix.OnClick = [this] { EnableDisable(); };
    PrefixKeys.OnChange = [this] { PrefixKeysChange(); };
    PrefixKeys.OnExit = [this] { PrefixKeysExit(); };
    OkButton.OnClick = [this] { OkButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
}

void TCuewordOptions::FormShow() {
    Solitary.SetChecked(settings_.SolitaryUsage);
    (settings_.UseSuffix ? UseSuffix : UsePrefix).SetChecked(true);
    PrefixKeys.SetText(settings_.PrefixKeys.str());
    Punct.SetChecked(settings_.UsePunctuation);
    CheckCase(settings_.CaseSensitive, CaseMatch, CaseSense, CaseNone);
    NoRemove.SetChecked(settings_.NoRemove);
    EnableDisable();
}

void TCuewordOptions::EnableDisable() {
    const bool prefix = UsePrefix.Checked();
    PrefixKeys.SetEnabled(prefix);
    Punct.SetEnabled(!prefix);
}

void TCuewordOptions::PrefixKeysChange() {
    if (auto refusal = PrefixKeysRefusal(PrefixKeys.Text(), false))
        RefuseAt(*refusal, PrefixKeys);
}

bool TCuewordOptions::PrefixKeysExit() {
    if (!PrefixKeys.Enabled())
        return true;
    auto refusal = PrefixKeysRefusal(PrefixKeys.Text(), true);
    if (refusal)
        RefuseAt(*refusal, PrefixKeys);
    return !refusal;
}

void TCuewordOptions::OkButtonClick() {
    // OK leaves the field: a prefix that leaving refuses is not stored.
    if (!PrefixKeysExit())
        return;
    const SettingsBlock before = settings_;
    settings_.SolitaryUsage = Solitary.Checked();
    settings_.CaseSensitive = CaseOf(CaseMatch, CaseSense);
    settings_.UseSuffix = UseSuffix.Checked();
    settings_.PrefixKeys = TrimStr(PrefixKeys.Text());
    settings_.NoRemove = NoRemove.Checked();
    settings_.UsePunctuation = Punct.Checked();
    if (!SavedOrTakenBack(settings_, before, configs_.WriteCuewordSettings()))
        return;
    notices_.Post(NoticeCode::CuewordSettingsChanged, 0);
    Close(IDOK);
}

// ---- system hot keys ----

TSystemKeys::TSystemKeys(TMainWin& main, EditorContext& context, LibraryChange& change)
    : TForm("TSystemKeys", "System Hot Keys", 416, 348),
      main_(main),
      context_(context),
      change_(change) {
    HelpKeyword = "SYSTEM Hot Keys";
    for (int i = 0; i < 5; ++i) {
        Bounds field = FieldBounds(i);
        Captions.push_back(std::make_unique<TLabel>(
            *this, nullptr, Bounds{field.Left, field.Top - 17, 400, 16}, SystemCaptions[i]));
        Field(i).OnHotKey = [this, i](int code) { HotKeyReported(i, code); };
    }
    OkButton.OnClick = [this] { OkButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
    HelpButton.OnClick = [this] { ShowHelp(); };
}

THotKeyEntry& TSystemKeys::Field(int index) {
    THotKeyEntry* fields[] = {&ActProg, &StartCap, &Resume, &MenuTop, &TermProg};
    return *fields[index];
}

void TSystemKeys::SetSecondWindow(HWND window, bool on) {
    SetSecWind(context_.Table, context_.Hooks, context_.Notices,
               static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window)), on);
}

void TSystemKeys::FormShow() {
    keys_ = SystemKeysOf(KeyHoldersOf(context_.Table));
    // Held as listed: OK writes each only where it still is.
    held_.clear();
    for (const SystemCommandKey& key : keys_)
        if (HeldMacro held; key.Macro && context_.Library.HoldMacroRecord(key.Macro, held))
            held_.push_back(std::move(held));
    for (int i = 0; i < 5; ++i) Field(i).SetText(keys_[i].Macro ? KeyName(keys_[i].Code) : "");
    const std::int32_t menu = context_.Settings.SystemMenu;
    (menu == 2 ? ShowIcon : menu == 3 ? ShowNick : ShowText).SetChecked(true);
    Field(FocusedField >= 1 && FocusedField <= 5 ? FocusedField - 1 : 0).SetFocus();
}

void TSystemKeys::HotKeyReported(int field, int code) {
    if (!IsHotKeyCode(code))
        return;
    if (auto refusal = HotKeyTakenRefusal(KeyHoldersOf(context_.Table), code)) {
        ShowError(*refusal);
        return;
    }
    keys_[field].Code = static_cast<std::uint16_t>(code);
    Field(field).SetText(KeyName(code));
}

void TSystemKeys::OkButtonClick() {
    if (SharesAKey(keys_)) {
        ShowError(SameSystemKeyMessage);
        return;
    }
    bool rewritten = false;
    bool mayLandLater = false;
    for (const SystemCommandKey& key : ChangedSystemKeys(keys_)) {
        auto held = std::ranges::find(held_, key.Macro, &HeldMacro::Number);
        // One not read at the show, or no system macro then, is not written
        // by its number alone.
        if (held == held_.end() || held->AsRead.MacroKind != MacroKind::System) {
            ShowError(LibraryMessage::ListedMacroMoved);
            continue;
        }
        MacroRecord record = held->AsRead;
        record.ActivationCode = key.Code;
        if (const LibraryStatus status = change_.SaveOver(*held, record);
            status != LibraryStatus::Done) {
            mayLandLater |= MayLandLater(status);
            continue;
        }
        rewritten = true;
        // Written: another Ok does not write it again.
        std::ranges::find(keys_, key.Macro, &SystemCommandKey::Macro)->ShownCode = key.Code;
    }
    // The hook library and the list must know the new keys at once, not at
    // the next load.
    if (rewritten) {
        main_.FillList();
        main_.SetHotKeys();
    }
    // A write that may land later (said) keeps the dialog with the keys
    // chosen, to be saved once the file is free; nothing else is written
    // meanwhile.
    if (mayLandLater)
        return;
    const SettingsBlock before = context_.Settings;
    context_.Settings.SystemMenu = ShowIcon.Checked() ? 2 : ShowNick.Checked() ? 3 : 1;
    if (!SavedOrTakenBack(context_.Settings, before, context_.Config.WriteMiscSettings()))
        return;
    context_.Notices.Post(NoticeCode::MiscSettingsChanged, 0);
    Close(IDOK);
}

}  // namespace orv::editor
