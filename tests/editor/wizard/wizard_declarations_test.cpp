#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <utility>

#include "editor/wizard/wizard_checks.h"
#include "editor/wizard/wizard_kinds.h"
#include "editor/wizard/wizard_loaders.h"
#include "editor/wizard/wizard_navigator.h"
#include "editor/wizard/wizard_panels.h"

namespace orv::editor {
namespace {

TEST(WizardDeclarationsTest, KindsShowDeclaredPanelsAndNeverSkipTheirEnds) {
    ASSERT_EQ(Kinds().size(), 29u);
    // The kinds the code names are the rows of that name.
    const std::pair<WizardKind, std::string> named[] = {
        {WizardKind::Capture, "Capture A Macro"},
        {WizardKind::Reminder, "Create A Reminder"},
        {WizardKind::DialUp, "Dialup Networking"},
        {WizardKind::Sweepstakes, "Enter On-Line Sweepstakes"},
        {WizardKind::WindowSize, "Change Window Size Or Position"},
        {WizardKind::PopupMenu, "Create Popup Menu"},
        {WizardKind::FirstTime, "Set Up The Program For The First Time"},
    };
    for (const auto& [kind, caption] : named)
        EXPECT_EQ(WizardCaption(Number(kind)), "Quick Wizard: " + caption);
    EXPECT_EQ(ExamplesText(22).substr(0, 47),
              "\xBBGo directly to a specified folder in Explorer\n");
    for (const KindDecl& kind : Kinds()) {
        SCOPED_TRACE(kind.Number);
        EXPECT_LE(kind.Sequence.size(), 16u);
        for (int panel : kind.Sequence) EXPECT_NE(FindPanel(panel), nullptr) << panel;
        for (const SkipRule& rule : SkipRules()) {
            EXPECT_NE(rule.Panel, kind.Sequence.front());
            EXPECT_NE(rule.Panel, kind.Sequence.back());
        }
    }
}

TEST(WizardDeclarationsTest, PanelsFitTheClientAndNameEachControlOnce) {
    EXPECT_EQ(Panels().size(), 81u);
    EXPECT_EQ(FindPanel(79), nullptr);
    std::set<std::string> names;
    for (const PanelDecl& panel : Panels()) {
        std::set<std::string> parents{""};
        for (const ControlDecl& c : panel.Controls) {
            SCOPED_TRACE(std::to_string(panel.Number) + " " + c.Name + " " + c.Caption);
            EXPECT_GE(c.Box.Left, WizardLogoWidth);
            EXPECT_LE(c.Box.Left + c.Box.Width, WizardClientWidth);
            EXPECT_GE(c.Box.Top, 0);
            EXPECT_LE(c.Box.Top + c.Box.Height, WizardClientHeight - WizardButtonBarHeight);
            EXPECT_TRUE(parents.count(c.Parent)) << "sub-panel declared after its controls";
            if (c.Kind == ControlKind::SubPanel)
                parents.insert(c.Name);
            if (!c.Name.empty()) {
                EXPECT_TRUE(names.insert(c.Name).second) << "declared twice";
            }
        }
    }
}

// Every name the rules, the checks and the loaders read must be declared: an
// undeclared name would throw only on the road that reads it.
TEST(WizardDeclarationsTest, RulesChecksAndGenerationNameDeclaredControls) {
    auto declared = [](std::string_view name) { return FindControl(std::string(name)) != nullptr; };
    for (const SkipRule& rule : SkipRules()) {
        for (auto name : rule.AnyChecked) EXPECT_TRUE(declared(name)) << name;
        for (auto name : rule.AnyUnchecked) EXPECT_TRUE(declared(name)) << name;
    }
    for (const PanelCheck& check : PanelChecks()) {
        EXPECT_TRUE(declared(check.Control)) << check.Control;
        int on = 0;
        FindControl(std::string(check.Control), &on);
        EXPECT_EQ(on, check.Panel) << check.Control;
        for (auto name : check.When) EXPECT_TRUE(declared(name)) << name;
        for (auto name : check.Unless) EXPECT_TRUE(declared(name)) << name;
    }
    for (const SpinBounds& spin : SpinBoundsTable()) EXPECT_TRUE(declared(spin.Control));
    WizardAnswers answers = DefaultAnswers();
    const WizardEnv env;
    for (const PanelDecl& panel : Panels()) {
        for (int kind = 1; kind <= WizardKindCount; ++kind) {
            for (const Arranged& arranged : Arrangement(panel.Number, kind, answers, env))
                EXPECT_TRUE(declared(arranged.Control)) << arranged.Control;
        }
    }
    EXPECT_THROW(answers.Checked("P2Hotkey"), std::invalid_argument);
    EXPECT_THROW(answers.SetText("P99Nothing", ""), std::invalid_argument);
}

TEST(WizardDeclarationsTest, DefaultsAreTheDeclaredOnes) {
    WizardAnswers a = DefaultAnswers();
    for (const char* on : {"P2HotKey", "P5Toggle", "P7Global", "P8Installed", "P9AddNo", "P17Both",
                           "P29MakePerm", "P29DispStatus", "P29UseDefault", "P31No", "P44AudioMute",
                           "P52Yes", "P65Show", "Daily", "P83Now"})
        EXPECT_TRUE(a.Checked(on)) << on;
    for (const char* off : {"P45MIDIOff", "P45MIDICenter", "P26Delete", "P69Name"})
        EXPECT_FALSE(a.Checked(off)) << off;
    EXPECT_EQ(a.Text("P41Minutes"), "5");
    EXPECT_EQ(a.Text("P74SMTPPort"), "25");
    EXPECT_EQ(a.Index("P51IconSize"), 0);
    EXPECT_EQ(a.Index("P3KeyList"), -1);
    EXPECT_EQ(a.SymbolIndex, 75);
    EXPECT_EQ(a.MacroIcon, "MAIN");
    EXPECT_FALSE(a.Enabled("P32Path"));
    a.Check("P60Window");
    EXPECT_TRUE(a.Checked("P60Yes")) << "a radio of another group stays";
    EXPECT_FALSE(a.Checked("P60Screen"));
}

}  // namespace
}  // namespace orv::editor
