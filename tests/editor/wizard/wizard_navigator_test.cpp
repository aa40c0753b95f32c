#include "editor/wizard/wizard_navigator.h"

#include <gtest/gtest.h>

#include <functional>

#include "editor/wizard/wizard_kinds.h"

namespace orv::editor {
namespace {

struct Road {
    int Kind;
    std::function<void(WizardAnswers&)> Answers;
    bool PopupMenus;
    std::vector<int> Panels;
};

std::vector<int> Walk(WizardNavigator& nav) {
    std::vector<int> shown{nav.CurrentPanel()};
    while (!nav.AtLastStep()) {
        nav.Next();
        shown.push_back(nav.CurrentPanel());
    }
    return shown;
}

TEST(WizardNavigatorTest, NextShowsThePanelsTheAnswersLeaveAndBackRetracesThem) {
    auto check = [](std::vector<const char*> names) {
        return [names](WizardAnswers& a) {
            for (const char* n : names) a.Check(n);
        };
    };
    const Road roads[] = {
        {1, {}, true, {1, 14, 2, 3, 7, 9, 10}},
        {1, check({"P2None"}), true, {1, 14, 2, 9, 10}},
        {1, check({"P2None"}), false, {1, 14, 2, 10}},
        {1, check({"P2Title"}), false, {1, 14, 2, 37, 10}},
        {1, check({"P2Cueword", "P7SpecWin"}), false, {1, 14, 2, 3, 7, 8, 10}},
        {4, check({"P30OpenDoc"}), false, {1, 30, 34, 2, 3, 7, 10}},
        {4, check({"P30LaunchOnly"}), false, {1, 30, 31, 32, 2, 3, 7, 10}},
        {4, check({"P30Act"}), false, {1, 30, 33, 2, 3, 7, 10}},
        {6, check({"P17Time"}), false, {1, 17, 19, 2, 3, 7, 10}},
        {6, check({"P17Date"}), false, {1, 17, 18, 20, 2, 3, 7, 10}},
        {7, {}, false, {1, 59, 60, 61, 3, 10, 62, 63}},
        {12, check({"P27Hang"}), false, {1, 27, 2, 3, 7, 10}},
        {17, check({"P43MIDI"}), false, {1, 43, 45, 2, 3, 7, 10}},
        {20, check({"P35SizeChoice"}), false, {1, 35, 33, 36, 2, 3, 7, 10}},
        {20, {}, false, {1, 35, 36, 2, 3, 7, 10}},
        {21, check({"P39Choice"}), false, {1, 38, 39, 40, 2, 3, 7, 10}},
        {27, check({"P53Macro"}), false, {1, 53, 57, 58, 2, 3, 7, 10}},
        {28, {}, false, {65, 70, 66, 67, 74, 68, 69}},
        {29, check({"P75Prompt"}), false, {1, 78, 75, 83, 77, 2, 3, 7, 10}},
        {29, check({"P78RAS", "P75cc"}), false, {1, 78, 28, 75, 76, 81, 83, 77, 2, 3, 7, 10}},
    };
    for (const Road& road : roads) {
        WizardAnswers a = DefaultAnswers();
        if (road.Answers)
            road.Answers(a);
        SCOPED_TRACE(road.Kind);
        EXPECT_EQ(ShownPath(road.Kind, a, road.PopupMenus), road.Panels);
        WizardNavigator nav(road.Kind, a, road.PopupMenus);
        nav.Start(false);
        EXPECT_FALSE(nav.BackEnabled());
        EXPECT_EQ(Walk(nav), road.Panels);
        EXPECT_EQ(nav.NextCaption(), "&Finish");
        std::vector<int> back{nav.CurrentPanel()};
        while (nav.BackEnabled()) {
            EXPECT_EQ(nav.NextCaption(), back.size() == 1 ? "&Finish" : "&Next >");
            nav.Back();
            back.insert(back.begin(), nav.CurrentPanel());
        }
        EXPECT_EQ(back, road.Panels);
    }
}

TEST(WizardNavigatorTest, BypassStartsOnTheSecondStepExceptForFirstTimeSetup) {
    WizardAnswers a = DefaultAnswers();
    WizardNavigator web(5, a, false);
    web.Start(true);
    EXPECT_EQ(web.CurrentPanel(), 21);
    EXPECT_TRUE(web.BackEnabled());
    web.Back();
    EXPECT_EQ(web.CurrentPanel(), 1);
    WizardNavigator setup(28, a, false);
    setup.Start(true);
    EXPECT_EQ(setup.CurrentPanel(), 65);
}

TEST(WizardNavigatorTest, EachLoaderRunsOnceAndTheWelcomeLoadsTheSettingsPanels) {
    WizardAnswers a = DefaultAnswers();
    WizardNavigator nav(28, a, false);
    EXPECT_TRUE(nav.LoaderDue(65));
    EXPECT_FALSE(nav.LoaderDue(66));
    EXPECT_FALSE(nav.LoaderDue(70));
    EXPECT_TRUE(nav.LoaderDue(3));
    EXPECT_FALSE(nav.LoaderDue(3));
}

}  // namespace
}  // namespace orv::editor
