#include "common/settings.h"

#include <string_view>
#include <type_traits>

#include "common/files.h"
#include "common/message_boxes.h"
#include "common/string_routines.h"
#include "common/whole_numbers.h"

namespace orv {

bool SettingsSaved(bool written) {
    if (!written)
        ShowError(SettingsNotSavedMessage);
    return written;
}

bool SavedOrTakenBack(SettingsBlock& settings, const SettingsBlock& before, bool written) {
    if (!written)
        settings = before;
    return SettingsSaved(written);
}

std::optional<std::string> LibraryNameToKeep(const std::string& fileName) {
    std::string full = FullPath(fileName);
    if (full.size() <= LibraryNameField::capacity)
        return full;
    ShowError(LibraryNameTooLongMessage);
    return std::nullopt;
}

std::string YesNo(bool value) {
    return value ? "Yes" : "No";
}

bool IsYes(std::string_view value) {
    return UpperAscii(value) == "YES";
}

std::string RepairActivationSort(std::string_view value) {
    std::string order(value.substr(0, 5));
    if (order.size() == 3)
        order += "45";
    if (order.size() == 4)
        order += "5";
    int count[6] = {};
    for (char c : order)
        if (c >= '1' && c <= '5')
            ++count[c - '0'];
    for (int missing = 1; missing <= 5; ++missing) {
        if (count[missing] != 0)
            continue;
        int twice = 1;
        while (twice <= 5 && count[twice] <= 1) ++twice;
        if (twice > 5)
            break;
        --count[twice];
        ++count[missing];
        order[order.find(static_cast<char>('0' + twice))] = static_cast<char>('0' + missing);
    }
    // Too short or holding other characters: the sort dialog indexes by these
    // digits, so only a true permutation may leave here.
    for (int d = 1; d <= 5; ++d)
        if (count[d] != 1 || order.size() != 5)
            return "12345";
    return order;
}

std::int32_t ReadCaseSensitive(std::string_view value) {
    if (value == "Yes")
        return 2;
    std::int32_t n = LeadingWholeNumber(value);
    return n == 0 ? 3 : n;
}

std::uint16_t ReadTimerSeconds(std::string_view value) {
    std::int32_t n = LeadingWholeNumber(value);
    return n < 1 || n > 60 ? 10 : static_cast<std::uint16_t>(n);
}

namespace {

constexpr std::size_t FlagBuffer = 15;
constexpr std::size_t NumberBuffer = 15;
constexpr std::size_t TextBuffer = 250;
constexpr std::size_t FontBuffer = 150;

// Reads each field of a section from the store...
class IniReader {
  public:
    IniReader(SettingsStore& store, const char* section) : store_(store), section_(section) {}

    void Bool(const char* key, bool& field, const char* fallback) {
        field = IsYes(Get(key, fallback, FlagBuffer));
    }
    void Int(const char* key, std::int32_t& field, const char* fallback,
             std::size_t buffer = NumberBuffer) {
        field = LeadingWholeNumber(Get(key, fallback, buffer));
    }
    void Word(const char* key, std::uint16_t& field, const char* fallback) {
        field = static_cast<std::uint16_t>(LeadingWholeNumber(Get(key, fallback, NumberBuffer)));
    }
    template <class Field>
    void Text(const char* key, Field& field, const char* fallback, std::size_t buffer) {
        field = Get(key, fallback, buffer);
    }
    // A file's name comes back whole or not at all: cut, it would name another
    // file. One longer than the field leaves it as it was.
    template <class Field>
    void Path(const char* key, Field& field, const char* fallback) {
        const std::string name = Get(key, fallback, Field::capacity + 1);
        if (name.size() <= Field::capacity)
            field = name;
    }
    template <class Convert>
    void Special(const char* key, const char* fallback, std::size_t buffer, Convert read,
                 const std::string&) {
        read(Get(key, fallback, buffer));
    }

  private:
    std::string Get(const char* key, const char* fallback, std::size_t buffer) {
        return store_.Read(section_, key, fallback, buffer);
    }
    SettingsStore& store_;
    const char* section_;
};

// ...and the same list of fields writes them back.
class IniWriter {
  public:
    IniWriter(SettingsStore& store, const char* section) : store_(store), section_(section) {}

    void Bool(const char* key, bool field, const char*) { Put(key, YesNo(field)); }
    void Int(const char* key, std::int32_t field, const char*, std::size_t = 0) {
        Put(key, std::to_string(field));
    }
    void Word(const char* key, std::uint16_t field, const char*) {
        Put(key, std::to_string(field));
    }
    template <class Field>
    void Text(const char* key, const Field& field, const char*, std::size_t) {
        Put(key, std::string(std::string_view(field)));
    }
    template <class Field>
    void Path(const char* key, const Field& field, const char*) {
        Put(key, field.str());
    }
    template <class Convert>
    void Special(const char* key, const char*, std::size_t, Convert, const std::string& written) {
        Put(key, written);
    }

    bool Written() const { return written_; }

  private:
    // Every key is tried, so one refused value does not cost the others.
    void Put(const char* key, const std::string& value) {
        written_ = store_.Write(section_, key, value) && written_;
    }
    SettingsStore& store_;
    const char* section_;
    bool written_ = true;
};

template <class Io>
void MiscFields(Io& io, SettingsBlock& s) {
    io.Path("EMail Path", s.EMailPath, "");
    io.Path("EMail Log Path", s.EMailLogPath, "");
    io.Int("System Menu", s.SystemMenu, "1");
    io.Bool("Bypass Wizard Screen", s.BypassWizardScreen, "No");
    io.Bool("Sort Header", s.SortHeader, "Yes");
    io.Text("Primary Sort", s.PrimarySort, "123", FlagBuffer);
    io.Special(
        "Activation Sort", "12345", FlagBuffer,
        [&](const std::string& v) { s.ActivationSort = RepairActivationSort(v); },
        s.ActivationSort.str());
    io.Text("Scope Sort", s.ScopeSort, "12345", FlagBuffer);
    io.Int("Last Date Format", s.LastDateFormat, "0");
    io.Int("Last Time Format", s.LastTimeFormat, "0");
    io.Bool("Suppress Zeros In Date", s.SuppressZerosInDate, "Yes");
    io.Bool("Suppress Zeros In Time", s.SuppressZerosInTime, "Yes");
    io.Bool("Show Date", s.ShowDate, "No");
    io.Bool("Use Tray", s.UseTray, "No");
    io.Bool("Start Editor", s.StartEditor, "Yes");
    io.Bool("Sound Off", s.SoundOff, "No");
    io.Bool("Auto Hooks", s.AutoHooks, "No");
    io.Bool("Disable Screen Saver", s.DisableScreenSaver, "Yes");
    io.Bool("First Use", s.FirstUse, "Yes");
    for (int i = 1; i <= 5; ++i)
        io.Path(("Last File " + std::to_string(i)).c_str(), s.MacroFiles[i], "");
}

template <class Io>
void CurrentFileFields(Io& io, SettingsBlock& s) {
    io.Path("Current File", s.MacroFiles[0], "");
}

template <class Io>
void CaptureFields(Io& io, SettingsBlock& s) {
    io.Bool("Double Alt", s.CaptureDoubleAlt, "Yes");
    io.Bool("Keys", s.CaptureKeys, "Yes");
    io.Bool("Mouse", s.CaptureMouse, "Yes");
    io.Int("Relative To Screen", s.RelativeTo, "1");
    io.Bool("Time", s.CaptureTime, "Yes");
    io.Bool("Clicks Only", s.CaptureClicksOnly, "Yes");
    io.Bool("Prompt", s.CapturePrompt, "Yes");
    io.Bool("Window Size", s.CaptureWindowSize, "Yes");
    io.Bool("Global", s.CaptureGlobal, "Yes");
    io.Int("Speed", s.CaptureSpeed, "1");
}

template <class Io>
void CuewordFields(Io& io, SettingsBlock& s) {
    io.Bool("Solitary Usage", s.SolitaryUsage, "No");
    io.Special(
        "Case Sensative", "3", NumberBuffer,
        [&](const std::string& v) { s.CaseSensitive = ReadCaseSensitive(v); },
        std::to_string(s.CaseSensitive));
    io.Bool("No Remove", s.NoRemove, "No");
    io.Bool("Use Punctuation", s.UsePunctuation, "No");
    io.Bool("Use Suffix", s.UseSuffix, "No");
    io.Text("Prefix Keys", s.PrefixKeys, "", TextBuffer);
}

template <class Io>
void MainWindowFields(Io& io, SettingsBlock& s) {
    io.Int("Width", s.MainWidth, "620");
    io.Int("Height", s.MainHeight, "460");
    io.Int("Left", s.MainLeft, "0");
    io.Int("Top", s.MainTop, "0");
    io.Int("Category Width", s.CategoryWidth, "155");
    io.Int("Col 1 Width", s.Col1Width, "155");
    io.Int("Col 2 Width", s.Col2Width, "239");
    io.Int("Col 3 Width", s.Col3Width, "138");
    io.Bool("Use Speed", s.UseSpeed, "Yes");
    io.Bool("Show Icons", s.ShowIcons, "Yes");
    io.Bool("Show Category", s.ShowCategory, "No");
}

template <class Io>
void ScriptPageFields(Io& io, SettingsBlock& s) {
    io.Int("Width", s.ScriptWidth, "606");
    io.Int("Height", s.ScriptHeight, "446");
    io.Int("Left", s.ScriptLeft, "0");
    io.Int("Top", s.ScriptTop, "0");
    io.Int("Insert Method", s.InsertMethod, "3");
}

template <class Io>
void NetworkFields(Io& io, SettingsBlock& s) {
    io.Bool("Network Mode", s.NetworkMode, "No");
    io.Bool("Auto Sync", s.AutoSync, "Yes");
    io.Word("Sync Minutes", s.SyncMinutes, "10");
}

template <class Io>
void SchedulerFields(Io& io, SettingsBlock& s) {
    io.Bool("Use Wave File", s.UseWaveFile, "No");
    io.Bool("Wave File Wait", s.WaveFileWait, "No");
    io.Path("Wave File", s.WaveFile, "");
    io.Special(
        "Timer Seconds", "10", NumberBuffer,
        [&](const std::string& v) { s.TimerSeconds = ReadTimerSeconds(v); },
        std::to_string(s.TimerSeconds));
}

template <class Io>
void EMailFields(Io& io, SettingsBlock& s) {
    io.Text("SMTP Host", s.SMTPHost, "", TextBuffer);
    io.Text("EMail Name", s.EMailName, "", TextBuffer);
    io.Text("EMail Address", s.EMailAddress, "", TextBuffer);
    io.Int("SMTP Port", s.SMTPPort, "25");
    io.Int("Attachment Encoding", s.AttachmentEncoding, "0");
    io.Bool("Keep Log", s.KeepLog, "No");
}

// The style flags a font section carries; print list fonts have no underline
// or strikeout keys.
struct FontFlags {
    bool* bold;
    bool* italic;
    bool* underline;
    bool* strikeout;
};

template <class Io>
void FontFields(Io& io, FontDescription& font, const FontFlags& flags, const char* defaultSize) {
    io.Int("Color", font.Color, "0", FontBuffer);
    io.Text("Font Name", font.Name, "Arial", FontBuffer);
    io.Int("Size", font.Size, defaultSize, FontBuffer);
    io.Bool("Bold", *flags.bold, "No");
    io.Bool("Italic", *flags.italic, "No");
    if (flags.underline)
        io.Bool("Underline", *flags.underline, "No");
    if (flags.strikeout)
        io.Bool("Strikeout", *flags.strikeout, "No");
}

void AddFlagsToStyle(FontDescription& font, const FontFlags& flags) {
    if (*flags.bold)
        font.Style |= FontStyle::Bold;
    if (*flags.italic)
        font.Style |= FontStyle::Italic;
    if (flags.underline && *flags.underline)
        font.Style |= FontStyle::Underline;
    if (flags.strikeout && *flags.strikeout)
        font.Style |= FontStyle::Strikeout;
}

void FlagsFromStyle(const FontDescription& font, const FontFlags& flags) {
    *flags.bold = font.Style & FontStyle::Bold;
    *flags.italic = font.Style & FontStyle::Italic;
    if (flags.underline)
        *flags.underline = font.Style & FontStyle::Underline;
    if (flags.strikeout)
        *flags.strikeout = font.Style & FontStyle::Strikeout;
}

FontFlags GridTitleFlags(SettingsBlock& s) {
    return {&s.GridTitleBold, &s.GridTitleItalic, &s.GridTitleUnderline, &s.GridTitleStrikeout};
}
FontFlags GridFlags(SettingsBlock& s) {
    return {&s.GridBold, &s.GridItalic, &s.GridUnderline, &s.GridStrikeout};
}
FontFlags PrintListFlags(SettingsBlock& s) {
    return {&s.PrintListBold, &s.PrintListItalic, nullptr, nullptr};
}

void ReadFont(SettingsStore& store, const char* section, FontDescription& font,
              const FontFlags& flags, const char* defaultSize) {
    IniReader io(store, section);
    FontFields(io, font, flags, defaultSize);
    AddFlagsToStyle(font, flags);
}

bool WriteFont(SettingsStore& store, const char* section, FontDescription& font,
               const FontFlags& flags) {
    FlagsFromStyle(font, flags);
    IniWriter io(store, section);
    FontFields(io, font, flags, "");
    return io.Written();
}

}  // namespace

template <class Io>
bool Configs::Section(const char* name, void (*fields)(Io&, SettingsBlock&)) {
    Io io(store_, name);
    fields(io, settings_);
    if constexpr (std::is_same_v<Io, IniWriter>)
        return io.Written();
    return true;
}

void Configs::ReadMiscSettings() {
    Section<IniReader>("Misc", MiscFields);
    if (settings_.EMailPath.empty())
        settings_.EMailPath = InFolder(programDir_, "ORVEMAIL.TXT");
    if (settings_.EMailLogPath.empty())
        settings_.EMailLogPath = InFolder(programDir_, "MAILLOG.TXT");
}
bool Configs::WriteMiscSettings() {
    return Section<IniWriter>("Misc", MiscFields);
}

void Configs::ReadCurrentFile() {
    Section<IniReader>("Misc", CurrentFileFields);
    if (settings_.MacroFiles[0].empty())
        settings_.MacroFiles[0] = InFolder(programDir_, "ORVAN.ORN");
}
bool Configs::WriteCurrentFile() {
    return Section<IniWriter>("Misc", CurrentFileFields);
}

void Configs::ReadCaptureSettings() {
    Section<IniReader>("Capture", CaptureFields);
}
bool Configs::WriteCaptureSettings() {
    return Section<IniWriter>("Capture", CaptureFields);
}
void Configs::ReadCuewordSettings() {
    Section<IniReader>("Cuewords", CuewordFields);
}
bool Configs::WriteCuewordSettings() {
    return Section<IniWriter>("Cuewords", CuewordFields);
}
void Configs::ReadMainWindowSettings() {
    Section<IniReader>("Main Window", MainWindowFields);
}
bool Configs::WriteMainWindowSettings() {
    return Section<IniWriter>("Main Window", MainWindowFields);
}
void Configs::ReadScriptPageSettings() {
    Section<IniReader>("Script Page", ScriptPageFields);
}
bool Configs::WriteScriptPageSettings() {
    return Section<IniWriter>("Script Page", ScriptPageFields);
}
void Configs::ReadNetworkSettings() {
    Section<IniReader>("Network", NetworkFields);
}
bool Configs::WriteNetworkSettings() {
    return Section<IniWriter>("Network", NetworkFields);
}
void Configs::ReadSchedulerSettings() {
    Section<IniReader>("Scheduler", SchedulerFields);
}
bool Configs::WriteSchedulerSettings() {
    return Section<IniWriter>("Scheduler", SchedulerFields);
}
void Configs::ReadEMailSettings() {
    Section<IniReader>("EMail", EMailFields);
}
bool Configs::WriteEMailSettings() {
    return Section<IniWriter>("EMail", EMailFields);
}

// The grid fonts are fresh when read, so their readers only add styles.
void Configs::ReadGridTitleFont() {
    ReadFont(store_, "Grid Title Font", settings_.GridTitleFont, GridTitleFlags(settings_), "12");
}
bool Configs::WriteGridTitleFont() {
    return WriteFont(store_, "Grid Title Font", settings_.GridTitleFont, GridTitleFlags(settings_));
}
void Configs::ReadGridFont() {
    ReadFont(store_, "Grid Font", settings_.GridFont, GridFlags(settings_), "10");
}
bool Configs::WriteGridFont() {
    return WriteFont(store_, "Grid Font", settings_.GridFont, GridFlags(settings_));
}
void Configs::ReadPrintListFont() {
    settings_.PrintListFont.Style = 0;
    ReadFont(store_, "Print List Font", settings_.PrintListFont, PrintListFlags(settings_), "10");
}
bool Configs::WritePrintListFont() {
    return WriteFont(store_, "Print List Font", settings_.PrintListFont, PrintListFlags(settings_));
}

void Configs::LoadConfig() {
    ReadMiscSettings();
    ReadCurrentFile();
    ReadCaptureSettings();
    ReadCuewordSettings();
    ReadMainWindowSettings();
    ReadGridTitleFont();
    ReadGridFont();
    ReadScriptPageSettings();
    ReadNetworkSettings();
    ReadPrintListFont();
    ReadSchedulerSettings();
    ReadEMailSettings();
}

bool Configs::SaveConfig() {
    // Every section is tried, so one refused section does not cost the others.
    bool written = true;
    written = WriteMiscSettings() && written;
    written = WriteCurrentFile() && written;
    written = WriteCaptureSettings() && written;
    written = WriteCuewordSettings() && written;
    written = WriteGridTitleFont() && written;
    written = WriteGridFont() && written;
    written = WriteMainWindowSettings() && written;
    written = WriteScriptPageSettings() && written;
    written = WriteNetworkSettings() && written;
    written = WritePrintListFont() && written;
    written = WriteSchedulerSettings() && written;
    written = WriteEMailSettings() && written;
    return written;
}

}  // namespace orv
