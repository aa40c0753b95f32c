#include "editor/shell/wizard_kinds_menu.h"

#include <gtest/gtest.h>

#include <set>

namespace orv::editor {
namespace {

TEST(WizardPage, EveryKindButTheFirstTimeSettingsHasATwoOrThreeLineButton) {
    std::set<int> buttons, items;
    for (const WizardMenuEntry& e : WizardMenuEntries()) {
        if (!e.ButtonLines.empty())
            buttons.insert(e.Kind);
        if (!e.Caption.empty())
            items.insert(e.Kind);
        EXPECT_TRUE(e.ButtonLines.size() == 2 || e.ButtonLines.size() == 3) << e.Kind;
        EXPECT_EQ(WizardCaptionTops(e.ButtonLines.size()).size(), e.ButtonLines.size());
    }
    EXPECT_EQ(buttons.size(), 28u);
    EXPECT_FALSE(buttons.contains(28));
    EXPECT_EQ(items.size(), 27u);  // and "&First Time Setup"
    EXPECT_FALSE(items.contains(27));
    EXPECT_EQ(WizardCaptionTops(2), (std::vector<int>{8, 24}));
    EXPECT_EQ(WizardCaptionTops(3), (std::vector<int>{2, 16, 30}));
    EXPECT_EQ(WizardCaptionLeft(140, 60), 65);
}

}  // namespace
}  // namespace orv::editor
