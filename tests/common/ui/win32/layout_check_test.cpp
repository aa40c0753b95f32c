#include "tests/support/ui/layout_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/ui/win32/form.h"

namespace orv {
namespace {

using orv::testing::LayoutFaults;
using orv::testing::MnemonicFaults;

// A form with the controls a row places on it, shown without activation.
struct CheckedForm : TForm {
    CheckedForm() : TForm("TCheckedForm", "Check", 300, 200) {}
    std::vector<std::unique_ptr<TControl>> Controls;
};

struct Row {
    const char* Name;
    std::function<void(CheckedForm&)> Place;
    // A part of each fault, in order; none for a sound layout.
    std::vector<std::string> Faults;
};

template <class Control, class... Args>
void Add(CheckedForm& form, Args&&... args) {
    form.Controls.push_back(std::make_unique<Control>(form, std::forward<Args>(args)...));
}

TEST(LayoutFaults, FindsCutCaptionsOverlapsControlsOutsideAndSharedLetters) {
    const std::string wide = "A caption far too long for this button";
    const Row rows[] = {
        {"sound",
         [](CheckedForm& f) {
             Add<TButton>(f, nullptr, Bounds{8, 8, 80, 25}, "&OK");
             Add<TCheckBox>(f, nullptr, Bounds{8, 40, 120, 18}, "&Check");
             Add<TRadioButton>(f, nullptr, Bounds{8, 60, 120, 18}, "&Radio");
             // A label wraps: its lines fit where they have the height.
             Add<TLabel>(f, nullptr, Bounds{8, 84, 60, 80}, "some words that wrap");
             Add<TGroupBox>(f, nullptr, Bounds{140, 8, 150, 100}, "Group");
             Add<TEdit>(f, nullptr, Bounds{150, 30, 100, 21});
         },
         {}},
        {"cut button",
         [&](CheckedForm& f) {
             Add<TButton>(f, nullptr, Bounds{8, 8, 60, 25}, wide);
         },
         {"Button \"" + wide + "\" is cut off"}},
        {"cut radio",
         [](CheckedForm& f) {
             Add<TRadioButton>(f, nullptr, Bounds{8, 8, 40, 18}, "Radio text");
         },
         {"Button \"Radio text\" is cut off"}},
        {"wrapped label without the height",
         [](CheckedForm& f) {
             Add<TLabel>(f, nullptr, Bounds{8, 8, 60, 16}, "some words that wrap");
         },
         {"Static \"some words that wrap\" is cut off"}},
        {"overlap",
         [](CheckedForm& f) {
             Add<TButton>(f, nullptr, Bounds{8, 8, 80, 25}, "New");
             Add<TButton>(f, nullptr, Bounds{8, 20, 80, 25}, "Rename");
         },
         {"overlaps Button \"Rename\""}},
        {"outside",
         [](CheckedForm& f) {
             Add<TButton>(f, nullptr, Bounds{250, 8, 80, 25}, "Far");
         },
         {"lies outside #32770 \"Check\""}},
        {"shared letter",
         [](CheckedForm& f) {
             Add<TButton>(f, nullptr, Bounds{8, 8, 80, 25}, "&Save");
             Add<TLabel>(f, nullptr, Bounds{8, 40, 80, 16}, "&size");
             Add<TButton>(f, nullptr, Bounds{8, 64, 120, 25}, "&& S && Chi&ps");
         },
         {"Static \"&size\" share the letter S"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        CheckedForm form;
        row.Place(form);
        form.Show(nullptr, false);
        std::vector<std::string> faults = LayoutFaults(form.Handle());
        for (std::string& fault : MnemonicFaults(form.Handle())) faults.push_back(fault);
        form.Close(IDCANCEL);
        ASSERT_EQ(faults.size(), row.Faults.size()) << (faults.empty() ? "" : faults[0]);
        for (std::size_t i = 0; i < faults.size(); ++i)
            EXPECT_NE(faults[i].find(row.Faults[i]), std::string::npos) << faults[i];
    }
}

}  // namespace
}  // namespace orv
