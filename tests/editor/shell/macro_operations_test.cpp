// What the macro operations and the "Add Macro" dialog decide before they
// touch a window or a file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/hotkeys.h"
#include "common/script/writer.h"
#include "editor/shell/add_macro_choices.h"
#include "editor/shell/macro_operations.h"

namespace orv::editor {
namespace {

HookTable TableOf(const std::vector<MacroEntry>& entries) {
    HookTable table;
    table.SetMacroCount(static_cast<std::int32_t>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i)
        table.SetEntry(static_cast<int>(i + 1), entries[i]);
    return table;
}

MacroEntry Entry(std::uint16_t activation, std::int16_t kind) {
    MacroEntry e;
    e.Activation = activation;
    e.Kind = kind;
    e.Enabled = true;
    return e;
}

TEST(AddMacroChoices, GlobalMenuAndSystemMacrosTakeAKeyAndWindowScopedOnesOnlyCount) {
    const HookTable table = TableOf({Entry(65, MacroKind::Window), Entry(65, MacroKind::Program),
                                     Entry(65, MacroKind::Window), Entry(66, MacroKind::Global),
                                     Entry(67, MacroKind::PopupMenu), Entry(68, MacroKind::System),
                                     Entry(ActivationCode::Cueword, MacroKind::Global)});
    const HotKeyChoices choices = HotKeyChoicesOf(table);
    EXPECT_EQ(choices.Lines[65], KeyName(65) + "  (3 macros in use)");
    EXPECT_EQ(choices.Lines[66], KeyName(66) + "  (1 macro in use)");
    EXPECT_EQ(choices.Lines[69], KeyName(69) + "  (Not in Use)");
    EXPECT_EQ(choices.KeyTaken[65], 0);
    for (int taken : {66, 67, 68}) EXPECT_EQ(choices.KeyTaken[taken], 1) << taken;
    EXPECT_TRUE(choices.HasUserMacros);

    // A key only window-scoped macros hold goes to a new global macro unlocked.
    EXPECT_FALSE(ActivationFor(AddType::HotKey, 65, choices).ScopeLocked);
    EXPECT_TRUE(ActivationFor(AddType::HotKey, 66, choices).ScopeLocked);

    const HotKeyChoices systemOnly = HotKeyChoicesOf(TableOf({Entry(68, MacroKind::System)}));
    EXPECT_FALSE(systemOnly.HasUserMacros);
    const HotKeyChoices none = HotKeyChoicesOf(TableOf({}));
    EXPECT_FALSE(none.HasUserMacros);
    EXPECT_EQ(none.Lines.size(), static_cast<std::size_t>(HotKeyCount));
}

TEST(AddMacroChoices, EachTypeLaysOutTheDialogAndTellsTheEditorItsActivation) {
    struct Case {
        AddType type;
        bool hotKeys, name;
        std::string nameCaption;
        bool capture, script;
        std::string enter;
        int height;
        ActivationKind actKind;
        std::uint16_t code;
    };
    const Case cases[] = {
        {AddType::HotKey, true, false, "", true, true, "&Enter Directly", 419,
         ActivationKind::HotKey, 70},
        {AddType::Cueword, false, true, "Cueword Name", true, true, "&Enter Directly", 180,
         ActivationKind::Cueword, ActivationCode::Cueword},
        {AddType::Timed, false, false, "", false, true, "&Enter Directly", 149,
         ActivationKind::Timed, ActivationCode::Scheduled},
        {AddType::None, false, false, "", false, true, "&Enter Directly", 149, ActivationKind::None,
         ActivationCode::None},
        {AddType::Popup, true, false, "", false, false, "Build Menu", 419, ActivationKind::HotKey,
         70},
        // Recording gives no window title activation, so it is not offered.
        {AddType::WindowTitle, false, true, "Window Title", false, true, "&Enter Directly", 180,
         ActivationKind::WindowTitle, ActivationCode::WindowTitle},
    };
    const HotKeyChoices choices = HotKeyChoicesOf(TableOf({}));
    for (const Case& c : cases) {
        const AddLayout& layout = DisableEnable(c.type);
        EXPECT_EQ(layout.HotKeyControls, c.hotKeys) << c.height << c.enter;
        EXPECT_EQ(layout.NameControls, c.name);
        EXPECT_EQ(layout.NameCaption, c.nameCaption);
        EXPECT_EQ(layout.Capture, c.capture) << c.nameCaption;
        EXPECT_EQ(layout.Script, c.script);
        EXPECT_EQ(layout.EnterCaption, c.enter);
        EXPECT_EQ(layout.ClientHeight, c.height);
        const ChosenActivation chosen = ActivationFor(c.type, 70, choices);
        EXPECT_EQ(chosen.ActKind, c.actKind);
        EXPECT_EQ(chosen.ActivationCode, c.code);
    }
    EXPECT_EQ(DisableEnable(AddType::Cueword).NameMaxLength, 10);
    EXPECT_EQ(DisableEnable(AddType::WindowTitle).NameMaxLength, 20);
}

TEST(AddMacroChoices, NamesAreCheckedByTheCuewordRuleOfTheScriptEditor) {
    struct Case {
        AddType type;
        std::string name;
        const char* refusal;
    };
    const Case cases[] = {
        {AddType::Cueword, "", AddMacroMessage::NoCueword},
        {AddType::Cueword, "sig'", BadCuewordNameMessage},
        {AddType::Cueword, "a b", BadCuewordNameMessage},
        {AddType::Cueword, "s!g#$%&*+,", nullptr},
        {AddType::WindowTitle, "", AddMacroMessage::NoTitle},
        {AddType::WindowTitle, "Untitled - Notepad", nullptr},
        {AddType::HotKey, "", nullptr},
    };
    for (const Case& c : cases) {
        std::optional<const char*> refusal = NameRefusal(c.type, c.name);
        EXPECT_EQ(std::string(refusal.value_or("")), std::string(c.refusal ? c.refusal : ""))
            << c.name;
    }
}

TEST(AddMacroChoices, AKeyLineSplitsAtItsFirstBracket) {
    EXPECT_EQ(KeyListColumns(KeyName(65) + "  (1 macro in use)"),
              (std::pair<std::string, std::string>{KeyName(65) + "  ", "1 macro in use"}));
    EXPECT_EQ(KeyListColumns("Ctrl+(  (Not in Use)"),
              (std::pair<std::string, std::string>{"Ctrl+", "  (Not in Use"}));
    EXPECT_EQ(KeyListColumns("plain"), (std::pair<std::string, std::string>{"plain", ""}));
}

TEST(MacroOperations, ANewMacroStartsFromTheSettingsNotFromTheLastRecord) {
    SettingsBlock settings;
    settings.CaseSensitive = 2;
    settings.NoRemove = true;
    const MacroRecord r = NewMacroRecord(settings, EncodeDateTime(2027, 3, 9, 10));
    EXPECT_EQ(r.IconName.str(), "MAIN");
    EXPECT_EQ(r.ScopeMatch, 1);
    EXPECT_EQ(r.CuewordCase, 2);
    EXPECT_EQ(r.CuewordRemove, 2);
    EXPECT_EQ(r.CategoryId, 0u);
    EXPECT_EQ(r.Year, 2027);
    EXPECT_EQ(r.Month, 3);
    EXPECT_EQ(r.Day, 9);
    EXPECT_EQ(r.ScriptText(), "");
    EXPECT_EQ(r.PopupMembers(), std::vector<int>{});
}

TEST(MacroOperations, RemovalQuestionsNameTheActivation) {
    struct Case {
        std::uint16_t code;
        std::string first;
    };
    const Case cases[] = {
        {ActivationCode::None, "Are you sure you want to remove this macro?"},
        {ActivationCode::WindowTitle, "Are you sure you want to remove this macro?"},
        {ActivationCode::Scheduled, "Are you sure you want to remove \"Timed Macro\"?"},
        {ActivationCode::Cueword, "Are you sure you want to remove the Cueword \"sig\"?"},
        {65, "Are you sure you want to remove \"" + KeyName(65) + "\"?"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RemoveQuestion(c.code, "sig"), c.first);
        EXPECT_EQ(MenuMemberQuestion(c.code, "sig"),
                  "This macro is contained in a \"Popup Menu\".  It will be removed from the "
                  "\"Popup Menu\".  " +
                      c.first);
    }
}

TEST(MacroOperations, ANewCategoryIdIsAboveEveryIdOfTheFileAndTheMacros) {
    CategoryList list;
    list.Add("Work", 1);
    list.Add("Home", 2);
    const std::vector<std::uint32_t> filed{0, 5, 2};
    EXPECT_EQ(NextCategoryId(list, filed), 6);
    EXPECT_EQ(NextCategoryId(list, std::vector<std::uint32_t>{}), 3);
    EXPECT_EQ(NextCategoryId(CategoryList{}, std::vector<std::uint32_t>{}), 1);
}

TEST(MacroOperations, ADesktopLinkNeedsANicknameOfItsOwnThatCanNameAFile) {
    auto refused = [](std::vector<std::string> nicknames, int macro = 1) {
        return DesktopLinkRefusal(macro, nicknames).value_or("");
    };
    EXPECT_EQ(refused({"Mine", "Yours"}), "");
    EXPECT_NE(refused({"  "}).find("has no nickname assigned"), std::string::npos);
    EXPECT_NE(refused({"Other", "MINE", "Mine"}, 3).find("the same nickname as another macro"),
              std::string::npos);
    for (std::string bad :
         {"..\\x", "a:b", "a/b", "a\\b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "end.."})
        EXPECT_NE(refused({bad}).find("cannot hold"), std::string::npos) << bad;
    EXPECT_EQ(refused({"v1.2"}), "");
}

TEST(MacroOperations, TheEditorsAreToldTheKindAndWhetherAGlobalKeyIsShared) {
    EXPECT_EQ(ActKindOf(65), ActivationKind::HotKey);
    EXPECT_EQ(ActKindOf(ActivationCode::Scheduled), ActivationKind::Timed);
    EXPECT_EQ(ActKindOf(ActivationCode::Cueword), ActivationKind::Cueword);
    EXPECT_EQ(ActKindOf(ActivationCode::None), ActivationKind::None);
    EXPECT_EQ(ActKindOf(ActivationCode::WindowTitle), ActivationKind::WindowTitle);
    const HookTable table = TableOf({Entry(65, MacroKind::Window), Entry(65, MacroKind::Global),
                                     Entry(66, MacroKind::Window), Entry(66, MacroKind::Program),
                                     Entry(ActivationCode::Cueword, MacroKind::Global),
                                     Entry(ActivationCode::Cueword, MacroKind::Global)});
    EXPECT_TRUE(SharesGlobalHotKey(table, 1));
    EXPECT_FALSE(SharesGlobalHotKey(table, 2));
    EXPECT_FALSE(SharesGlobalHotKey(table, 3));
    EXPECT_FALSE(SharesGlobalHotKey(table, 5));
}

}  // namespace
}  // namespace orv::editor
