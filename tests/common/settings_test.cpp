#include "common/settings.h"

#include <gtest/gtest.h>

#include <memory>

#include "common/files.h"

namespace orv {
namespace {

const std::string ProgramFolder = "C:\\Orvane";

struct Loaded {
    MemorySettingsStore store;
    std::unique_ptr<SettingsBlock> settings = std::make_unique<SettingsBlock>();
    Configs configs{store, *settings, ProgramFolder};

    void Set(const char* section, const char* key, const char* value) {
        store.Write(section, key, value);
    }
};

TEST(SettingsStoreInMemory, KeysIgnoreCaseAndValuesAreCutToTheBuffer) {
    MemorySettingsStore store;
    store.Write("Misc", "Use Tray", "Yes");
    EXPECT_EQ(store.Read("MISC", "use tray", "No", 15), "Yes");
    EXPECT_EQ(store.Read("Misc", "Missing", "fallback", 15), "fallback");
    EXPECT_EQ(store.Read("Misc", "Missing", "fallback", 4), "fall");
    store.Write("misc", "USE TRAY", "No");
    EXPECT_EQ(store.Values().size(), 1u);
    EXPECT_EQ(store.Raw("Misc", "Use Tray"), "No");
}

TEST(Settings, EmptyFileGivesEveryDefault) {
    Loaded l;
    // Start from values that are all different from the defaults.
    SettingsBlock& s = *l.settings;
    s.SystemMenu = 7, s.SortHeader = false, s.ActivationSort = "54321", s.FirstUse = false;
    s.TimerSeconds = 33, s.SyncMinutes = 2, s.AutoSync = false, s.SMTPPort = 1;
    s.MainWidth = 1, s.ScriptWidth = 1, s.InsertMethod = 1, s.CaseSensitive = 1;
    s.GridTitleFont.Size = 3, s.PrintListFont.Name = "Courier";
    l.configs.LoadConfig();

    EXPECT_EQ(s.MacroFiles[0], InFolder(ProgramFolder, "ORVAN.ORN"));
    EXPECT_EQ(s.EMailPath, InFolder(ProgramFolder, "ORVEMAIL.TXT"));
    EXPECT_EQ(s.EMailLogPath, InFolder(ProgramFolder, "MAILLOG.TXT"));
    EXPECT_EQ(s.SystemMenu, 1);
    EXPECT_TRUE(s.SortHeader);
    EXPECT_EQ(s.PrimarySort, "123");
    EXPECT_EQ(s.ActivationSort, "12345");
    EXPECT_EQ(s.ScopeSort, "12345");
    EXPECT_TRUE(s.SuppressZerosInDate && s.SuppressZerosInTime && s.StartEditor);
    EXPECT_TRUE(s.DisableScreenSaver && s.FirstUse);
    EXPECT_FALSE(s.ShowDate || s.UseTray || s.SoundOff || s.AutoHooks || s.BypassWizardScreen);
    EXPECT_TRUE(s.CaptureDoubleAlt && s.CaptureKeys && s.CaptureMouse && s.CaptureTime);
    EXPECT_TRUE(s.CaptureClicksOnly && s.CapturePrompt && s.CaptureWindowSize && s.CaptureGlobal);
    EXPECT_EQ(s.RelativeTo, 1);
    EXPECT_EQ(s.CaptureSpeed, 1);
    EXPECT_EQ(s.CaseSensitive, 3);
    EXPECT_FALSE(s.SolitaryUsage || s.NoRemove || s.UsePunctuation || s.UseSuffix);
    EXPECT_TRUE(s.PrefixKeys.empty());
    EXPECT_EQ(s.MainWidth, 620);
    EXPECT_EQ(s.MainHeight, 460);
    EXPECT_EQ(s.CategoryWidth, 155);
    EXPECT_EQ(s.Col2Width, 239);
    EXPECT_EQ(s.Col3Width, 138);
    EXPECT_TRUE(s.UseSpeed && s.ShowIcons);
    EXPECT_FALSE(s.ShowCategory);
    EXPECT_EQ(s.ScriptWidth, 606);
    EXPECT_EQ(s.ScriptHeight, 446);
    EXPECT_EQ(s.InsertMethod, 3);
    EXPECT_FALSE(s.NetworkMode);
    EXPECT_TRUE(s.AutoSync);
    EXPECT_EQ(s.SyncMinutes, 10);
    EXPECT_EQ(s.TimerSeconds, 10);
    EXPECT_FALSE(s.UseWaveFile || s.WaveFileWait);
    EXPECT_EQ(s.SMTPPort, 25);
    EXPECT_EQ(s.AttachmentEncoding, 0);
    EXPECT_FALSE(s.KeepLog);
    EXPECT_EQ(s.GridTitleFont.Size, 12);
    EXPECT_EQ(s.GridFont.Size, 10);
    EXPECT_EQ(s.PrintListFont.Name, "Arial");
    EXPECT_EQ(s.PrintListFont.Size, 10);
    EXPECT_TRUE(l.store.Values().empty()) << "reading never writes";
}

TEST(Settings, BooleansAreYesInAnyCaseAndWrittenAsYesOrNo) {
    Loaded l;
    l.Set("Misc", "Use Tray", "yes");
    l.Set("Misc", "Show Date", "Y");
    l.Set("Misc", "Start Editor", "1");
    l.Set("Misc", "Sound Off", "YES");
    l.configs.ReadMiscSettings();
    EXPECT_TRUE(l.settings->UseTray);
    EXPECT_FALSE(l.settings->ShowDate);
    EXPECT_FALSE(l.settings->StartEditor);
    EXPECT_TRUE(l.settings->SoundOff);
    EXPECT_TRUE(l.configs.WriteMiscSettings());
    EXPECT_EQ(l.store.Raw("Misc", "Use Tray"), "Yes");
    EXPECT_EQ(l.store.Raw("Misc", "Show Date"), "No");
    EXPECT_EQ(l.store.Raw("Misc", "Start Editor"), "No");
}

TEST(Settings, ActivationSortIsRepairedToAPermutation) {
    EXPECT_EQ(RepairActivationSort("123"), "12345");
    EXPECT_EQ(RepairActivationSort("1234"), "12345");
    EXPECT_EQ(RepairActivationSort("32145"), "32145");
    std::string repaired = RepairActivationSort("11345");
    EXPECT_TRUE(repaired == "21345" || repaired == "12345") << repaired;
    EXPECT_EQ(RepairActivationSort("55555"), "12345");
    // What cannot be repaired falls back to the plain order.
    EXPECT_EQ(RepairActivationSort("12"), "12345");
    EXPECT_EQ(RepairActivationSort("1234x"), "12345");
    EXPECT_EQ(RepairActivationSort(""), "12345");

    Loaded l;
    l.Set("Misc", "Activation Sort", "1234");
    l.Set("Misc", "Scope Sort", "99");
    l.configs.ReadMiscSettings();
    EXPECT_EQ(l.settings->ActivationSort, "12345");
    EXPECT_EQ(l.settings->ScopeSort, "99") << "only the activation order is checked";
}

TEST(Settings, CaseSensativeReadsYesAsExactCase) {
    EXPECT_EQ(ReadCaseSensitive("Yes"), 2);
    EXPECT_EQ(ReadCaseSensitive("yes"), 3);
    EXPECT_EQ(ReadCaseSensitive("No"), 3);
    EXPECT_EQ(ReadCaseSensitive("1"), 1);
    EXPECT_EQ(ReadCaseSensitive("2"), 2);
    Loaded l;
    l.Set("Cuewords", "Case Sensative", "Yes");
    l.configs.ReadCuewordSettings();
    EXPECT_EQ(l.settings->CaseSensitive, 2);
    EXPECT_TRUE(l.configs.WriteCuewordSettings());
    EXPECT_EQ(l.store.Raw("Cuewords", "Case Sensative"), "2");
}

TEST(Settings, NumbersReadTheirLeadingDigits) {
    Loaded l;
    l.Set("Main Window", "Width", "700px");
    l.Set("Main Window", "Height", "px");
    l.Set("Main Window", "Left", "-4");
    l.Set("Scheduler", "Timer Seconds", "61");
    l.Set("Network", "Sync Minutes", "65537");
    l.Set("Cuewords", "Prefix Keys", "abc");
    l.configs.LoadConfig();
    EXPECT_EQ(l.settings->MainWidth, 700);
    EXPECT_EQ(l.settings->MainHeight, 0);
    EXPECT_EQ(l.settings->MainLeft, -4);
    EXPECT_EQ(l.settings->TimerSeconds, 10);
    EXPECT_EQ(l.settings->SyncMinutes, 1) << "kept to 16 bits, not range-checked";
    EXPECT_EQ(l.settings->PrefixKeys, "ab");
    EXPECT_TRUE(l.configs.WriteMainWindowSettings());
    EXPECT_EQ(l.store.Raw("Main Window", "Left"), "-4");

    EXPECT_EQ(ReadTimerSeconds("0"), 10);
    EXPECT_EQ(ReadTimerSeconds("60"), 60);
    EXPECT_EQ(ReadTimerSeconds("1"), 1);
    EXPECT_EQ(ReadTimerSeconds("-5"), 10);
}

TEST(Settings, FontStylesTravelThroughTheFlags) {
    Loaded l;
    l.Set("Grid Font", "Bold", "Yes");
    l.Set("Grid Font", "Strikeout", "Yes");
    l.Set("Grid Font", "Color", "255");
    l.Set("Print List Font", "Italic", "Yes");
    l.Set("Print List Font", "Underline", "Yes");  // no such key for the print list
    l.settings->PrintListFont.Style = FontStyle::Bold | FontStyle::Underline;
    l.configs.ReadGridFont();
    l.configs.ReadPrintListFont();
    EXPECT_EQ(l.settings->GridFont.Style, FontStyle::Bold | FontStyle::Strikeout);
    EXPECT_EQ(l.settings->GridFont.Color, 255);
    EXPECT_EQ(l.settings->PrintListFont.Style, FontStyle::Italic) << "cleared before reading";

    // The font is the truth when writing: its style sets the flags.
    l.settings->GridFont.Style = FontStyle::Italic | FontStyle::Underline;
    EXPECT_TRUE(l.configs.WriteGridFont());
    EXPECT_EQ(l.store.Raw("Grid Font", "Bold"), "No");
    EXPECT_EQ(l.store.Raw("Grid Font", "Italic"), "Yes");
    EXPECT_EQ(l.store.Raw("Grid Font", "Underline"), "Yes");
    EXPECT_EQ(l.store.Raw("Grid Font", "Strikeout"), "No");
    EXPECT_TRUE(l.settings->GridUnderline);
    l.settings->PrintListFont.Style = FontStyle::Bold | FontStyle::Strikeout;
    l.store.Write("Print List Font", "Underline", "kept");
    EXPECT_TRUE(l.configs.WritePrintListFont());
    EXPECT_EQ(l.store.Raw("Print List Font", "Bold"), "Yes");
    EXPECT_EQ(l.store.Raw("Print List Font", "Underline"), "kept");
    EXPECT_FALSE(l.store.Has("Print List Font", "Strikeout"));
}

// A file's name of length characters, told apart by its last letter.
std::string NameOfLength(std::size_t length, char last) {
    return "F:\\" + std::string(length - 8, 'd') + last + ".ORN";
}

// Every INI field set away from its default, so a field that is not written,
// or not read back, shows in the second save; names as long as their fields.
void SetEveryField(SettingsBlock& s) {
    s.LastDateFormat = 12, s.LastTimeFormat = 7;
    s.SuppressZerosInDate = false, s.SuppressZerosInTime = false, s.ShowDate = true;
    s.UseTray = true, s.StartEditor = false, s.SoundOff = true, s.AutoHooks = true;
    s.DisableScreenSaver = false, s.FirstUse = false;
    s.EMailPath = NameOfLength(255, 'm'), s.EMailLogPath = "D:\\mail\\log.txt";
    s.KeepLog = true, s.NetworkMode = true, s.AutoSync = false, s.SyncMinutes = 45;
    s.BypassWizardScreen = true, s.UseWaveFile = true, s.WaveFileWait = true;
    s.WaveFile = NameOfLength(255, 'w'), s.TimerSeconds = 30;
    for (int i = 0; i < 6; ++i) s.MacroFiles[i] = NameOfLength(255, static_cast<char>('0' + i));
    s.SortHeader = false, s.PrimarySort = "312", s.ActivationSort = "54321", s.ScopeSort = "21";
    s.PrintListFont = {8, "Courier New", 9, FontStyle::Bold | FontStyle::Italic};
    s.MainWidth = 800, s.MainHeight = 600, s.MainLeft = -10, s.MainTop = 20;
    s.CategoryWidth = 100, s.Col1Width = 101, s.Col2Width = 102, s.Col3Width = 103;
    s.UseSpeed = false, s.ShowIcons = false, s.ShowCategory = true;
    s.ScriptWidth = 500, s.ScriptHeight = 400, s.ScriptLeft = 5, s.ScriptTop = 6;
    s.InsertMethod = 1;
    s.GridTitleFont = {3, "Tahoma", 14, FontStyle::Underline | FontStyle::Strikeout};
    s.GridFont = {4, "Verdana", 11, FontStyle::Bold | FontStyle::Strikeout};
    s.CaptureDoubleAlt = false, s.CaptureKeys = false, s.CaptureMouse = false;
    s.CaptureTime = false, s.CapturePrompt = false, s.RelativeTo = 3;
    s.CaptureClicksOnly = false, s.CaptureWindowSize = false, s.CaptureGlobal = false;
    s.CaptureSpeed = 4, s.SMTPHost = "mail.example", s.SMTPPort = 587;
    s.EMailName = "Ann", s.EMailAddress = "ann@example", s.AttachmentEncoding = 1;
    s.SystemMenu = 3, s.SolitaryUsage = true, s.CaseSensitive = 1;
    s.UsePunctuation = true, s.NoRemove = true, s.UseSuffix = true, s.PrefixKeys = "\xE9;";
}

TEST(Settings, EverySectionSurvivesAWriteAndReadBack) {
    Loaded first;
    SetEveryField(*first.settings);
    EXPECT_TRUE(first.configs.SaveConfig());

    Loaded second;
    for (const auto& [slot, value] : first.store.Values())
        second.store.Write(slot.substr(0, slot.find('\0')), slot.substr(slot.find('\0') + 1),
                           value);
    second.configs.LoadConfig();
    EXPECT_EQ(second.settings->PrintListFont.Style, FontStyle::Bold | FontStyle::Italic);
    EXPECT_EQ(second.settings->GridFont.Name, "Verdana");
    EXPECT_EQ(second.settings->PrefixKeys, "\xE9;");
    EXPECT_EQ(second.settings->MacroFiles[0], NameOfLength(255, '0'));
    EXPECT_EQ(second.settings->MacroFiles[5], NameOfLength(255, '5'));

    MemorySettingsStore again;
    EXPECT_TRUE(Configs(again, *second.settings, ProgramFolder).SaveConfig());
    EXPECT_EQ(again.Values(), first.store.Values());
    EXPECT_EQ(first.store.Raw("Misc", "Last File 3"), NameOfLength(255, '3'));
    EXPECT_EQ(first.store.Raw("Network", "Sync Minutes"), "45");

    // A name longer than its field is none of it, for cut it would name
    // another file (one a program would create): the field keeps what it had.
    const std::string tooLong = NameOfLength(256, 'x');
    const struct {
        const char* Section;
        const char* Key;
    } names[] = {{"Misc", "Current File"}, {"Misc", "Last File 1"},    {"Misc", "Last File 5"},
                 {"Misc", "EMail Path"},   {"Misc", "EMail Log Path"}, {"Scheduler", "Wave File"}};
    Loaded overlong;
    for (const auto& name : names) overlong.Set(name.Section, name.Key, tooLong.c_str());
    overlong.configs.LoadConfig();
    const SettingsBlock& s = *overlong.settings;
    EXPECT_EQ(s.MacroFiles[0], InFolder(ProgramFolder, "ORVAN.ORN"));
    EXPECT_TRUE(s.MacroFiles[1].empty() && s.MacroFiles[5].empty());
    EXPECT_EQ(s.EMailPath, InFolder(ProgramFolder, "ORVEMAIL.TXT"));
    EXPECT_EQ(s.EMailLogPath, InFolder(ProgramFolder, "MAILLOG.TXT"));
    EXPECT_TRUE(s.WaveFile.empty());
    overlong.settings->MacroFiles[0] = NameOfLength(255, 'a');
    overlong.configs.ReadCurrentFile();
    EXPECT_EQ(s.MacroFiles[0], NameOfLength(255, 'a')) << "read again, the library stays";
}

}  // namespace
}  // namespace orv
